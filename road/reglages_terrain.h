// The terrain settings tree: one parameter tree whose root holds the keys
// "VMin", "VMax", "VNul" (reals kept as text) and the sub-list "PLANS3D" (one
// entry per 3D layer, key and value its name). Defaults come from "cc.ini"
// beside the module; the settings are mirrored into AutoLISP symbols.
#pragma once
#include <string>
#include <string_view>

#include "framework/parametre.h"

namespace road {

inline constexpr char kCleVMin[] = "VMin";
inline constexpr char kCleVMax[] = "VMax";
inline constexpr char kCleVNul[] = "VNul";
inline constexpr char kClePlans3d[] = "PLANS3D";

// "cc.ini" in the module's own directory.
std::string cheminDefautsTerrain();
// The tree of "cc.ini"; an empty root when the file is missing or unreadable.
framework::PARAMETRE lisDefautsTerrain();

// A key's value as a real: absent or non-numeric reads as 0. The key is
// created when missing.
double lisValeurTerrain(framework::PARAMETRE& terrain, std::string_view cle);
void fixeValeurTerrain(framework::PARAMETRE& terrain, std::string_view cle, double valeur);
framework::LISTE_PARAMETRES& listePlans3d(framework::PARAMETRE& terrain);

// Adds a layer by name to a 3D layer list: trimmed of blanks, ignored when
// nothing but blanks and controls remains; an entry of that name is reused.
void ajouteCalque(framework::LISTE_PARAMETRES& calques, std::string_view nom);
// Sorts a list by identifier, and every children list below it.
void trieParametres(framework::LISTE_PARAMETRES& liste);

// Sorts "PLANS3D" and sets LSTCALQ3D, _NEVAZMIN, _NEVAZMAX and _NEVAZNUL.
void publieTerrain(framework::PARAMETRE& terrain);

}  // namespace road
