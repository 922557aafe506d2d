// The dialog "decale" of "3dtools.dcl": the polyline's figures, the offset
// distance and the two height differences, the whole or part choice.
#pragma once
#include <string>
#include <vector>

#include "framework/point_3d.h"

namespace tools3d {

// Kept while the module stays loaded: the values last accepted.
struct REGLAGES_DECALAGE {
  double distance = 1.0;
  double deltaZ1 = 0.0;
  double deltaZ2 = 0.0;
};
REGLAGES_DECALAGE& reglagesDecalage();

// What one call shows and changes in the dialog.
struct ETAT_DECALAGE {
  std::vector<framework::Point3D> sommets;
  std::string calque;
  double longueurPlan = 0, longueur3D = 0;
  bool entier = true;  // mode "Oui": the whole polyline
  framework::Point3D debut{}, fin{};
};

// Status the dialog ends with when the user asks to pick the part's points.
constexpr int kStatutSaisie = 2;

// Shows the dialog (the file already loaded as `dcl`); its end status, or -1
// when it could not be opened.
int afficheDialogueDecale(int dcl, ETAT_DECALAGE& etat);

// The text of a tile's number: the whole text must read as a decimal number
// (an empty one as 0); false otherwise.
bool lisNombreTuile(const char* texte, double& valeur);

}  // namespace tools3d
