// The pavement layer thicknesses of an alignment ("EPAISSEUR-DE-STRUCTURE"),
// left and right, each possibly undefined.
#pragma once
#include <array>

#include "road/jetons_projet.h"
#include "road/objet_es.h"

namespace road {

class EPAIS_STRUCTURE final : public OBJET_ES_COPIABLE<EPAIS_STRUCTURE> {
 public:
  // The eight values in file order, with their road-API symbols.
  enum Valeur {
    kGaucheRoulement,  // EPG-RL
    kDroiteRoulement,  // EPD-RL
    kGaucheBase,       // EPG-BA
    kDroiteBase,       // EPD-BA
    kGaucheFondation,  // EPG-FD
    kDroiteFondation,  // EPD-FD
    kGaucheForme,      // EPG-FR
    kDroiteForme,      // EPD-FR
    kNombreValeurs
  };
  static const char* symbole(Valeur v);

  const char* identifiant() const override;
  bool ecrit(std::ostream& sortie) const override;
  bool ES(std::istream& entree, OBJET_ES* parent, std::string& anticipe) override;
  bool relisible() const override;

  const REEL_OPT& valeur(Valeur v) const { return valeurs_[v]; }
  void fixe(Valeur v, double valeur, bool defini) { valeurs_[v] = REEL_OPT{valeur, defini}; }

 private:
  std::array<REEL_OPT, kNombreValeurs> valeurs_{};
};

}  // namespace road
