// The file and directory operations of the disk-command scripts. Each one touches only what
// its confinement allows, following symbolic links to see where a path really leads; a link
// met inside a directory being walked is never followed into a directory.
#pragma once
#include <string>

#include "update/chemins_script.h"
#include "update/rapport_script.h"

namespace maj {

class OPERATIONS_DISQUE {
 public:
  OPERATIONS_DISQUE(const CONFINEMENT& confinement, RAPPORT_SCRIPT& rapport)
      : confinement_(confinement), rapport_(rapport) {}

  // Rename, and move a file (copy then delete the source): done already when `de` is a prefix
  // of `vers`.
  bool renomme(const std::string& de, const std::string& vers);
  bool deplaceFichier(const std::string& de, const std::string& vers);
  // Copies over `vers` (a read-only one too); refused when `de` is a prefix of `vers`.
  bool copieFichier(const std::string& de, const std::string& vers);
  bool detruitFichier(const std::string& chemin);
  // One level: the parent must exist.
  bool creeDossier(const std::string& chemin);
  // Everything below it, then the directory itself.
  bool detruitDossier(const std::string& chemin);
  // The files directly in it; a subdirectory makes it fail.
  bool videDossier(const std::string& chemin);
  // The tree of `de` into `vers` (made first), or with `de` ending in "*" the tree below that
  // directory into `vers` as it is. Every entry is tried; one failure makes the whole fail.
  bool copieArbre(const std::string& de, const std::string& vers);
  // The files directly in `de` into the existing directory `vers` (copied, or moved); a
  // subdirectory in `de` makes it fail.
  bool copieContenu(const std::string& de, const std::string& vers);
  bool deplaceContenu(const std::string& de, const std::string& vers);
  // "day/month/year hour:minute size" of a file, zeros and -1 when it is missing.
  std::string information(const std::string& chemin) const;
  // "1" when the file can be opened for reading, else "0".
  std::string existe(const std::string& chemin) const;

 private:
  bool contenuEnFichiers(const std::string& de, const std::string& vers, bool deplace);
  bool videRecursivement(const std::string& dossier);

  const CONFINEMENT& confinement_;
  RAPPORT_SCRIPT& rapport_;
};

}  // namespace maj
