// Quoril's registered settings of the point-set outlines.
#pragma once
#include "framework/texte_parametre.h"

namespace quoril {

framework::TEXTE_PARAMETRE& reglagePlansRes();  // layer that receives the outlines
framework::TEXTE_PARAMETRE& reglagePlansSrc();  // source layers, separated by ","
double& reglageDMax();                          // longest triangle edge kept (metres)

}  // namespace quoril
