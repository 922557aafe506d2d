// The construction table of an alignment ("CONTRUCTION-DES-PROFILS"): one
// entry per cross-section station, kept in ascending abscissa.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "road/objet_es.h"

namespace road {

struct PROFILCONS {
  std::optional<std::string> numero;  // the cross-section's number text
  double abscisse = 0;
  std::array<int32_t, 6> entiers{};  // kept as the AutoLISP programs gave them
};

class CONSTRUCTION_PROFIL final : public OBJET_ES_COPIABLE<CONSTRUCTION_PROFIL> {
 public:
  const char* identifiant() const override;
  bool ecrit(std::ostream& sortie) const override;
  bool ES(std::istream& entree, OBJET_ES* parent, std::string& anticipe) override;
  bool relisible() const override;

  const std::vector<PROFILCONS>& entrees() const { return entrees_; }
  size_t nombre() const { return entrees_.size(); }

  // The first entry within 0.001, and its 0-based position.
  const PROFILCONS* trouve(double abscisse, size_t* position = nullptr) const;
  PROFILCONS* trouve(double abscisse, size_t* position = nullptr);
  // Before the first entry with a greater abscissa (equal ones keep their order).
  PROFILCONS& insere(PROFILCONS entree);
  PROFILCONS& ajoute(PROFILCONS entree);
  // Takes the entry at `position` out (nothing when out of range).
  std::optional<PROFILCONS> retire(size_t position);
  void decale(double distance) override;
  void vide() { entrees_.clear(); }
  // Entry k gets the number premier + k * pas.
  void renumerote(int premier, int pas);

 private:
  std::vector<PROFILCONS> entrees_;
};

}  // namespace road
