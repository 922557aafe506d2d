// What a disk-command script shows and writes while it runs: the caller's message boxes, its
// error stream, and its progress window.
#pragma once
#include <string>

namespace maj {

class RAPPORT_SCRIPT {
 public:
  virtual ~RAPPORT_SCRIPT() = default;
  // A modal message box with one "OK" button.
  virtual void boite(const std::string& titre, const std::string& texte) = 0;
  // One line of the error stream.
  virtual void erreur(const std::string& ligne) = 0;
  // A file has been copied: the progress window may move on.
  virtual void fichierCopie() {}
};

}  // namespace maj
