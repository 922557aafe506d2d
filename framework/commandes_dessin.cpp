#include "framework/commandes_dessin.h"

#include <filesystem>
#include <ostream>
#include <string>

#include "acdocman.h"
#include "acedads.h"
#include "framework/dialogues_standard.h"
#include "framework/error_stream.h"
#include "framework/multi_client.h"
#include "framework/parametre_enregistre.h"

namespace framework {

namespace {

namespace fs = std::filesystem;

constexpr const char* kFiltreDessins = "Dessin AutoCAD|*.dwg|Gabarit AutoCAD|*.dwt|Tous|*.*||";
// The host writes every format the same; the option only answers its format question.
constexpr const char* kFormatSauvegarde = "2000";

TEXTE_PARAMETRE& gabarit() {
  static TEXTE_PARAMETRE nom("zizuroz.dwt");
  return nom;
}
PARAMETRE_ENREGISTRE pGabarit(reglagesUtilisateur(), gabarit(), "Gabarit", "General");

// Size and time of a file, to tell whether a save wrote it.
struct ETAT_FICHIER {
  bool existe = false;
  fs::file_time_type date;
  bool operator==(const ETAT_FICHIER&) const = default;
};
ETAT_FICHIER etatFichier(const std::string& chemin) {
  std::error_code ec;
  ETAT_FICHIER e;
  e.existe = fs::is_regular_file(chemin, ec);
  if (e.existe) e.date = fs::last_write_time(chemin, ec);
  return e;
}

bool estLeDessin(const std::string& chemin) {
  const AcApDocument* document = acDocManager->curDocument();
  const char* fichier = document ? document->fileName() : nullptr;
  std::error_code ec;
  return fichier && *fichier && fs::equivalent(fs::path(fichier), fs::path(chemin), ec);
}

}  // namespace

resbuf* commandeSauveDwg(int32_t) {
  const char* choisi = dialogueFichier(false, kFiltreDessins, "", dossierClientCourant().c_str());
  if (!choisi) return nullptr;
  std::ostream& erreurs = fluxErreur();
  erreurs << "Sauve DWG" << std::endl;
  std::string nom = choisi;
  if (fs::path(nom).extension().empty()) nom += ".dwg";
  const ETAT_FICHIER avant = etatFichier(nom);
  // The old file stays until the new one is written whole: the host replaces
  // it all at once, so a failed save loses nothing.
  if (avant.existe) {
    erreurs << "Le fichier " << nom << " existe deja. Je l'ecrase" << std::endl;
  }
  // The host asks before replacing a file other than the drawing's own.
  if (avant.existe && !estLeDessin(nom)) {
    acedCommandS(RTSTR, "_saveas", RTSTR, kFormatSauvegarde, RTSTR, nom.c_str(), RTSTR, "_Y",
                 RTNONE);
  } else {
    acedCommandS(RTSTR, "_saveas", RTSTR, kFormatSauvegarde, RTSTR, nom.c_str(), RTNONE);
  }
  const ETAT_FICHIER apres = etatFichier(nom);
  if (!apres.existe || apres == avant) {
    erreurs << "Sauvegarde impossible de " << nom << std::endl;
    return nullptr;
  }
  erreurs << "Sauvegarde terminee" << std::endl;
  return nullptr;
}

void ouvreDessin() {
  const char* choisi = dialogueFichier(true, kFiltreDessins, "", dossierClientCourant().c_str());
  if (!choisi) return;
  const std::string nom = choisi;
  if (acDocManager->appContextOpenDocument(nom.c_str()) == 0)
    fluxErreur() << "Ouvre " << nom << std::endl;
}

void nouveauDessinTopo() {
  std::string chemin;
  trouveFichier(gabarit().texte(), kDossierSysteme, chemin);
  fluxErreur() << "Ouverture du gabarit <" << chemin << ">" << std::endl;
  acDocManager->appContextNewDocument(chemin.c_str());
}

}  // namespace framework
