// The survey-control module's outline command: the outlines of the points of
// some layers, drawn as polylines on a result layer.
#pragma once
#include <cstdint>

#include "framework/texte_parametre.h"

struct resbuf;

namespace terrain {

// The module's settings the command reads and stores.
struct REGLAGES_CONTOUR {
  framework::TEXTE_PARAMETRE& plansSrc;  // source layers, separated by ","
  framework::TEXTE_PARAMETRE& plansRes;  // layer of the outlines
  double& dMax;                          // longest triangle edge kept
};

// The dialog "Contour de points", then the outlines (or, called with three
// arguments, the triangles as 3D faces).
resbuf* contourpt(const REGLAGES_CONTOUR& reglages);

}  // namespace terrain
