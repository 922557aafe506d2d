// Drops the cross-sections into the drawing for checking: each layer's points
// as POINT entities on the layer "tv_" + kind name, and the first and last
// point of each layer appended to the file "tv_" + kind name + ".info" of the
// current directory.
#pragma once
#include <string>

namespace road {

class COUCHE;
class CONSTRUCTION_PROFIL;
class PROFILS_EN_TRAVERS;

// Labels come from the construction table's profile numbers ("???" when the
// station or its number is missing; `construction` may be null).
void exporteProfils(const PROFILS_EN_TRAVERS& profils, const CONSTRUCTION_PROFIL* construction);
void exporteCouche(const COUCHE& couche, const std::string& etiquette);

std::string calqueExport(const COUCHE& couche);
std::string fichierInfoExport(const COUCHE& couche);

}  // namespace road
