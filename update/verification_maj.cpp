#include "update/verification_maj.h"

#include <ctime>
#include <ostream>
#include <sstream>
#include <string>

#include "acedads.h"
#include "framework/error_stream.h"
#include "framework/identite_module.h"
#include "framework/liste_resbuf.h"
#include "framework/programmes_externes.h"
#include "framework/texte_ascii.h"
#include "framework/valeurs_lisp.h"
#include "platform.h"
#include "update/fichiers_maj.h"
#include "update/inventaire.h"

namespace maj {
namespace {

constexpr const char* kUpdater = "kx42.exe";
constexpr const char* kCopieUpdater = "kx42cp.exe";

struct ETAT_VERIFICATION {
  bool faite = false;
  // The missing version is said once: until the road programs set it, every command retries.
  bool absenceSignalee = false;
};

ETAT_VERIFICATION& etat() {
  static ETAT_VERIFICATION e;
  return e;
}

std::string dossierInstallation() {
  return dossierDe(platform::modulePath(reinterpret_cast<const void*>(&verifieMiseAJour)));
}

// The second blank-separated word of the LISP symbol "version"; empty when it has none,
// nothing when the symbol is missing.
std::optional<std::string> versionInstallee() {
  std::string texte;
  if (!framework::lisVariable("version", texte, nullptr, framework::kSymboleLisp))
    return std::nullopt;
  std::istringstream mots(texte);
  std::string mot;
  mots >> mot;
  mot.clear();
  mots >> mot;
  return mot;
}

// Prepares and starts the updater's working copy, so that the updater can replace its own file.
void lanceUpdater(const std::string& dossier, const std::string& installee) {
  const std::string copie = joint(dossier, kCopieUpdater);
  copieEcrasant(joint(dossier, kUpdater), copie);
  const std::string courant = platform::currentDirectory();
  platform::replaceFile(joint(dossier, kFichierVersion), [&](std::ostream& flux) {
    return bool(flux << installee << '\n' << (courant.empty() ? "." : courant.c_str()) << '\n');
  });
  framework::lanceProgramme(copie, false);
}

void inscritPoste(const std::string& dossierMaj, const std::string& installee) {
  const std::string ligne = ligneInventaire(std::time(nullptr), installee, posteTravail());
  if (ajouteInventaire(dossierMaj, ligne) == ResultatInventaire::kEchecEcriture)
    framework::fluxErreur() << "Erreur d'acces lors de la transmission au serveur" << std::endl;
}

}  // namespace

int verifieMiseAJour(bool force) {
  ETAT_VERIFICATION& e = etat();
  if (!force && e.faite) return 1;
  const std::optional<std::string> installee = versionInstallee();
  if (!installee) {
    if (force || !e.absenceSignalee)
      framework::fluxErreur() << "VARIABLE Version non encore disponible" << std::endl;
    e.absenceSignalee = true;
    return 0;
  }
  if (installee->empty()) return 0;
  e.faite = true;

  const std::string dossier = dossierInstallation();
  const std::string support = joint(dossier, kFichierSupport);
  std::string dossierMaj, disponible;
  bool lu = false;
  if (const auto lignes = lisLignes(support, 1); lignes && !lignes->empty()) {
    dossierMaj = (*lignes)[0];
    if (const auto mot = lisPremierMot(joint(dossierMaj, kFichierVersion))) {
      disponible = *mot;
      lu = true;
    }
  } else {
    const std::string texte =
        "Votre installation est défectueuse - MAJ automatique inopérante : " + support;
    platform::messageBox(nullptr, texte.c_str(), "Mise à jour automatique", MB_OK);
  }

  if (platform::fileExists(joint(dossier, kFichierSansMaj))) {
    framework::fluxErreur() << "Systeme de mise à jour désactivé" << std::endl;
    return 0;
  }
  if (lu) {
    const char* module = framework::identiteModule().nomModule;
    if (memesVersions(*installee, disponible)) {
      framework::fluxErreur() << "Produit " << module << " à jour" << std::endl;
    } else {
      lanceUpdater(dossier, *installee);
      framework::fluxErreur() << "ATTENTION, produit " << module << " non à jour (" << *installee
                              << "/" << disponible << ")" << std::endl;
    }
    inscritPoste(dossierMaj, *installee);
  }
  return lu ? 1 : 0;
}

resbuf* gestionMiseAJour(int32_t) {
  framework::ListeResbuf arguments(acedGetArgs());
  const resbuf* a = arguments.get();
  if (!a || a->rbnext || a->restype != RTSTR || !a->resval.rstring) {
    framework::fluxErreur() << "Gestion MAJ: parametres incorrects" << std::endl;
    return nullptr;
  }
  const std::string parametre = a->resval.rstring;
  const std::string marqueur = joint(dossierInstallation(), kFichierSansMaj);
  if (framework::egauxSansCasseAscii(parametre, "on")) {
    platform::deleteFile(marqueur);
  } else if (framework::egauxSansCasseAscii(parametre, "off")) {
    ecritMarqueurSansMaj(dossierInstallation());
  } else if (framework::egauxSansCasseAscii(parametre, "ini")) {
    verifieMiseAJour(true);
  } else {
    framework::fluxErreur() << "Parametre incorrect : " << parametre << std::endl;
  }
  return nullptr;
}

}  // namespace maj
