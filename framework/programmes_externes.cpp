#include "framework/programmes_externes.h"

#include <ostream>

#include "framework/error_stream.h"
#include "platform.h"

namespace framework {

bool ouvreAvecShell(const std::string& fichier, int verbe) {
  static const char* const kVerbes[] = {"open", "print", "explore"};
  const char* v = (verbe >= 0 && verbe <= 2) ? kVerbes[verbe] : kVerbes[0];
  if (platform::shellExecute(v, fichier, {}, ".") > 32) return true;
  fluxErreur() << "Erreur lors de l'ouverture de <" << fichier << ">" << std::endl;
  return false;
}

bool lanceProgramme(const std::string& programme, bool attendre) {
  const platform::ProcessResult r = platform::startProgram(programme, {}, attendre);
  if (r.started) return true;
  fluxErreur() << "Erreur d'ouverture du prg <" << programme << ">" << std::endl;
  return false;
}

std::string applicationAssociee(const std::string& document) {
  if (auto programme = platform::associatedProgram(document)) return *programme;
  fluxErreur() << "Erreur : aucune application pour <" << document << ">" << std::endl;
  return {};
}

}  // namespace framework
