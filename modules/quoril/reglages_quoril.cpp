#include "quoril/reglages_quoril.h"

#include "framework/parametre_enregistre.h"

namespace quoril {

framework::TEXTE_PARAMETRE& reglagePlansRes() {
  static framework::TEXTE_PARAMETRE plansRes("Contour");
  return plansRes;
}

framework::TEXTE_PARAMETRE& reglagePlansSrc() {
  static framework::TEXTE_PARAMETRE plansSrc("P,PL");
  return plansSrc;
}

double& reglageDMax() {
  static double dMax = 25.0;
  return dMax;
}

namespace {

using framework::PARAMETRE_ENREGISTRE;
using framework::reglagesUtilisateur;

PARAMETRE_ENREGISTRE pPlansRes(reglagesUtilisateur(), reglagePlansRes(), "PlansRes", "ContourPt");
PARAMETRE_ENREGISTRE pPlansSrc(reglagesUtilisateur(), reglagePlansSrc(), "PlansSrc", "ContourPt");
PARAMETRE_ENREGISTRE pDMax(reglagesUtilisateur(), reglageDMax(), "DMax", "ContourPt");

}  // namespace
}  // namespace quoril
