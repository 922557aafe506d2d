// The updater Ulbrec: one pass that compares the installed version with the one published in
// the update directory, offers the update package found there and installs it.
#pragma once
#include <optional>
#include <string>

#include "update/dialogues_ulbrec.h"
#include "update/fichiers_maj.h"

namespace maj {

// What the installation directory's files say, "???" where they could not be read.
struct INSTALLATION {
  std::string dossier;  // the installation directory, where the updater lies
  std::string versionInstallee = kVersionInconnue;
  std::string racine2;  // root 2 of the update script; empty when not given
  std::string dossierMaj = kVersionInconnue;
  std::string versionDisponible = kVersionInconnue;
};

// Reads the local version and support files and the published version; an unreadable support
// file is shown in the box "Mise à jour automatique".
INSTALLATION lisInstallation(const std::string& dossier, DIALOGUES_ULBREC& dialogues);

// The package of the update directory, first found of: the directory
// "talvex-<installed>-to-<available>", that name + ".exe", the directory
// "talvex-<available>", that name + ".exe", the directory "talvex", "talvex.exe".
std::optional<std::string> cherchePaquet(const INSTALLATION& installation);

// Runs the update from `paquet` once the user confirms: starts an installer program, or copies
// a package directory into the installation and runs its script. False when it failed.
bool appliqueMiseAJour(const INSTALLATION& installation, const std::string& paquet,
                       DIALOGUES_ULBREC& dialogues);

// The whole pass, the installation directory being the current directory. 0 when nothing
// failed, 1 when the update or the marker file failed.
int executeUlbrec(const std::string& dossier, DIALOGUES_ULBREC& dialogues);

}  // namespace maj
