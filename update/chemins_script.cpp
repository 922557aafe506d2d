#include "update/chemins_script.h"

#include <deque>
#include <system_error>

#include "framework/texte_ascii.h"
#include "platform.h"

namespace fs = std::filesystem;

namespace maj {
namespace {

// An empty root is never a prefix: it would let in any path that begins with "\".
bool commencePar(std::string_view chemin, std::string_view racine) {
  return !racine.empty() && chemin.size() > racine.size() && chemin.starts_with(racine) &&
         chemin[racine.size()] == '\\';
}

}  // namespace

std::string resoutChemin(std::string_view texte, const RACINES& racines) {
  if (texte.starts_with("@1")) return racines.premiere + std::string(texte.substr(2));
  if (texte.starts_with("@2") && racines.seconde)
    return *racines.seconde + std::string(texte.substr(2));
  return std::string(texte);
}

bool cheminTexteValide(std::string_view chemin, const RACINES& racines) {
  if (chemin.find("..") != std::string_view::npos) return false;
  // A control character has no place in a file name; a NUL would cut the path the system sees
  // short of the one checked here.
  for (const char c : chemin)
    if (static_cast<unsigned char>(c) < 0x20) return false;
  return commencePar(chemin, racines.premiere) ||
         (racines.seconde && commencePar(chemin, *racines.seconde));
}

bool estPrefixe(std::string_view de, std::string_view vers) {
  return de.size() <= vers.size() && framework::egauxSansCasseAscii(de, vers.substr(0, de.size()));
}

std::optional<fs::path> destinationReelle(std::string_view chemin) {
  if (chemin.find('\0') != std::string_view::npos) return std::nullopt;
  std::error_code ec;
  const fs::path donne(platform::systemPath(chemin));
  fs::path resultat = donne.is_absolute() ? donne.root_path() : fs::current_path(ec);
  if (ec) return std::nullopt;
  const fs::path relatif = donne.relative_path();
  std::deque<fs::path> restants(relatif.begin(), relatif.end());
  int liens = 0;
  while (!restants.empty()) {
    const fs::path partie = std::move(restants.front());
    restants.pop_front();
    if (partie.empty() || partie == ".") continue;
    if (partie == "..") {
      resultat = resultat.parent_path();
      continue;
    }
    fs::path suivant = resultat / partie;
    if (!fs::is_symlink(fs::symlink_status(suivant, ec))) {
      resultat = std::move(suivant);
      continue;
    }
    if (++liens > 40) return std::nullopt;
    const fs::path cible = fs::read_symlink(suivant, ec);
    if (ec) return std::nullopt;
    if (cible.is_absolute()) resultat = cible.root_path();
    const fs::path suite = cible.relative_path();
    restants.insert(restants.begin(), suite.begin(), suite.end());
  }
  return resultat;
}

bool estDessous(const fs::path& chemin, const fs::path& dossier) {
  auto c = chemin.begin();
  for (auto d = dossier.begin(); d != dossier.end(); ++d, ++c) {
    if (d->empty()) continue;  // the trailing separator of a directory
    if (c == chemin.end() || *c != *d) return false;
  }
  return true;
}

CONFINEMENT::CONFINEMENT(const std::vector<std::string>& dossiers) {
  for (const std::string& d : dossiers)
    if (!d.empty())
      if (std::optional<fs::path> reel = destinationReelle(d)) dossiers_.push_back(*reel);
}

CONFINEMENT::CONFINEMENT(const RACINES& racines)
    : CONFINEMENT(std::vector<std::string>{racines.premiere, racines.seconde.value_or("")}) {}

bool CONFINEMENT::permet(std::string_view chemin) const {
  if (chemin.empty()) return false;
  const std::optional<fs::path> reel = destinationReelle(chemin);
  if (!reel) return false;
  for (const fs::path& d : dossiers_)
    if (estDessous(*reel, d)) return true;
  return false;
}

}  // namespace maj
