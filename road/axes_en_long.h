// The vertical profiles of an alignment: named polylines of vertices along
// its abscissa, each ended by FINLONG in the file.
#pragma once
#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "road/objet_es.h"

namespace road {

struct SOMMET_LONG {
  std::string nom;  // at most 31 characters; the road API rejects longer ones
  double valeur1 = 0;
  double valeur2 = 0;
  int32_t entier = 0;
  double valeur3 = 0;

  bool operator==(const SOMMET_LONG&) const = default;
};

class UN_AXELONG {
 public:
  UN_AXELONG() = default;
  explicit UN_AXELONG(std::string nom) : nom(std::move(nom)) {}

  // One line: name, the two values, the vertices, FINLONG.
  bool ecrit(std::ostream& sortie) const;
  // The body after the name; false (after "UN_AXELONG::ES Attend FINLONG")
  // when the stream ends before FINLONG.
  bool ES(std::istream& entree);
  bool relisible() const;
  void copie(const UN_AXELONG& autre) { *this = autre; }
  void ajouteSommet(SOMMET_LONG sommet) { sommets.push_back(std::move(sommet)); }

  std::string nom;
  double valeur1 = 0;  // ABSCL
  double valeur2 = 0;  // SMAXL
  std::vector<SOMMET_LONG> sommets;
};

class AXE_EN_LONG final : public OBJET_ES_COPIABLE<AXE_EN_LONG> {
 public:
  AXE_EN_LONG() = default;
  AXE_EN_LONG(const AXE_EN_LONG& autre) : profils_(copieProfonde(autre.profils_)) {}
  AXE_EN_LONG& operator=(const AXE_EN_LONG& autre) {
    profils_ = copieProfonde(autre.profils_);
    return *this;
  }
  const char* identifiant() const override;
  bool ecrit(std::ostream& sortie) const override;
  bool ES(std::istream& entree, OBJET_ES* parent, std::string& anticipe) override;
  bool relisible() const override;

  // First profile of that name, letters compared without case.
  UN_AXELONG* trouve(std::string_view nom) const;
  UN_AXELONG* ajoute(std::unique_ptr<UN_AXELONG> profil);
  // Takes the profile out of the list; the caller keeps or drops it.
  std::unique_ptr<UN_AXELONG> retire(const UN_AXELONG* profil);
  int32_t nombre() const;
  const std::vector<std::unique_ptr<UN_AXELONG>>& profils() const { return profils_; }

 private:
  std::vector<std::unique_ptr<UN_AXELONG>> profils_;
};

}  // namespace road
