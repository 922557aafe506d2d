// The elements of an alignment in plan: name, real, integer, real each, kept
// in file order. Their meaning belongs to the AutoLISP programs.
#pragma once
#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "road/objet_es.h"

namespace road {

struct ELEMENT_PLAN {
  std::string nom;  // at most 31 characters; the road API rejects longer ones
  double valeur1 = 0;
  int32_t entier = 0;
  double valeur2 = 0;

  bool operator==(const ELEMENT_PLAN&) const = default;
};

class ELM_ELMAXEPLAN final : public OBJET_ES_COPIABLE<ELM_ELMAXEPLAN> {
 public:
  const char* identifiant() const override;
  bool ecrit(std::ostream& sortie) const override;
  bool ES(std::istream& entree, OBJET_ES* parent, std::string& anticipe) override;
  bool relisible() const override;

  void ajoute(ELEMENT_PLAN element) { elements_.push_back(std::move(element)); }
  int32_t nombre() const;
  const std::vector<ELEMENT_PLAN>& elements() const { return elements_; }
  std::vector<ELEMENT_PLAN>& elements() { return elements_; }

 private:
  std::vector<ELEMENT_PLAN> elements_;
};

}  // namespace road
