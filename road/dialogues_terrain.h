// The two terrain dialogs, built on the host's generic dialog so that a
// script can drive them by control name.
//
// Elevations dialog ("Z Min, max et nul du Terrain Naturel"):
//   "message"  label: what the elevations were computed from
//   "zmin", "zmax", "znul"  edit fields of the three elevations
//   "ok", "annuler"  buttons
//
// 3D layers dialog ("Calques 3D du Terrain naturel"):
//   "calques3d"      list of the 3D layers being edited (left)
//   "autres"         list of the drawing's other layers (right)
//   "ajoute"         "<----": adds the selected right entry
//   "retire"         "---->": removes the selected left entry
//   "importe_cch"    "Import .CCH"
//   "annuler", "ok"  buttons
// A script selects a list entry by its text or index, then presses a button.
#pragma once
#include <string>
#include <vector>

#include "framework/parametre.h"
#include "road/classes.h"

namespace road {

// The message line of the elevations dialog for a count of points (n < 0:
// none was counted).
std::string messageAltitudes(int n);
// Runs the elevations dialog; on "OK" sets VMin, VMax, VNul (each publishes)
// and answers true; otherwise changes nothing.
bool dialogueAltitudes(PROJETTALVEX& projet, int n);

// The drawing's layer names, in table order.
std::vector<std::string> calquesDuDessin();
// Drops the entries that name no drawing layer (case-insensitive); answers
// the drawing layers that are not in the list.
std::vector<std::string> rafraichitCalques(framework::LISTE_PARAMETRES& calques);
// Runs the 3D layers dialog on `calques` (edited in place); true on "OK".
bool dialogueCalques3d(framework::LISTE_PARAMETRES& calques);

}  // namespace road
