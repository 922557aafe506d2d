// The makers of empty records, one per registered kind; each is defined with
// its record class.
#pragma once
#include <memory>

#include "road/objet_es.h"

namespace road {

std::unique_ptr<OBJET_ES> creeAxeEnPlan();
std::unique_ptr<OBJET_ES> creeElementsPlan();
std::unique_ptr<OBJET_ES> creeAxesEnLong();
std::unique_ptr<OBJET_ES> creePointsAxe3d();
std::unique_ptr<OBJET_ES> creeProfilsEnTravers();
std::unique_ptr<OBJET_ES> creeEpaisseurStructure();
std::unique_ptr<OBJET_ES> creeConstructionProfils();
std::unique_ptr<OBJET_ES> creePointsTabulation();
std::unique_ptr<OBJET_ES> creeCubatures();

}  // namespace road
