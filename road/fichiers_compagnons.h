// The project's companion files, carried along when the drawing is saved
// under a new ".dwg" name (not by WBLOCK or EXPORT).
#pragma once
#include <array>
#include <string>
#include <string_view>

namespace road {

inline constexpr std::array<const char*, 6> kExtensionsCompagnons = {".axs", ".vrf", ".typ",
                                                                     ".tal", ".fos", ".rac"};

// The path without its extension (from the last "." after the last "/" or "\").
std::string retireExtension(std::string_view chemin);
// Copies each companion of `ancienneBase` that exists to `nouvelleBase`.
void copieCompagnons(std::string_view ancienneBase, std::string_view nouvelleBase);

// The editor notifications, forwarded by Talvex's reactor.
void commandeCommence(const char* nomGlobal);  // "wblock"/"export" set the flag
void commandeTerminee();                       // ended, cancelled or failed: clears it
void sauvegardeCommence();                     // takes DWGPREFIX + DWGNAME
void sauvegardeTerminee(const char* nouveauNom);
bool exportEnCours();

}  // namespace road
