#include "road/copie_fichiers.h"

#include <filesystem>
#include <system_error>

#include "platform.h"

namespace road {

std::string cheminSysteme(std::string_view chemin) {
  std::string s(chemin);
  for (char& c : s)
    if (c == '\\') c = '/';
  return s;
}

bool memeFichier(std::string_view a, std::string_view b) {
  std::error_code ec;
  return std::filesystem::equivalent(cheminSysteme(a), cheminSysteme(b), ec) && !ec;
}

bool copieFichier(std::string_view source, std::string_view cible) {
  if (memeFichier(source, cible)) return true;
  if (!platform::copyFile(source, cible, false)) {
    platform::setReadOnly(cible, false);
    if (!platform::copyFile(source, cible, false)) return false;
  }
  platform::setReadOnly(cible, false);
  return true;
}

bool renommeFichier(std::string_view source, std::string_view cible) {
  if (memeFichier(source, cible)) return true;
  return platform::moveFile(source, cible);
}

}  // namespace road
