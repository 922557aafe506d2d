#include "update/ulbrec.h"

#include <filesystem>
#include <fstream>
#include <ostream>
#include <system_error>
#include <vector>

#include "platform.h"
#include "update/interpreteur_script.h"
#include "update/operations_disque.h"

namespace maj {
namespace {

constexpr const char* kScriptPaquet = "talvex-install.inf";
constexpr const char* kJournalEchecs = "bug-install.txt";

// Files to copy from a package directory, for the progress window.
size_t compteFichiers(const std::string& dossier) {
  namespace fs = std::filesystem;
  std::error_code ec;
  size_t n = 0;
  for (fs::recursive_directory_iterator it(platform::systemPath(dossier), ec), fin;
       !ec && it != fin; it.increment(ec))
    if (it->is_regular_file(ec)) ++n;
  return n;
}

// The failures of the script: shown, and kept in "bug-install.txt" in the current directory.
void signaleEchecs(const std::vector<std::string>& journal, DIALOGUES_ULBREC& dialogues) {
  std::string texte =
      "Des erreurs ont été détectées.\r\nVeuillez prévenir votre administrateur\r\n\r\n";
  for (const std::string& ligne : journal) texte += ligne + "\r\n";
  dialogues.boite("Erreur d'installation", texte);
  if (!platform::replaceFile(kJournalEchecs,
                             [&](std::ostream& flux) { return bool(flux << texte); }))
    dialogues.erreur(std::string("Erreur d'écriture de <") + kJournalEchecs + ">");
}

// Copies the package directory into the installation and runs its script.
bool installeDossier(const INSTALLATION& installation, const std::string& paquet,
                     DIALOGUES_ULBREC& dialogues) {
  const CONFINEMENT confinement(std::vector<std::string>{installation.dossier, paquet});
  OPERATIONS_DISQUE operations(confinement, dialogues);
  if (!operations.copieArbre(joint(paquet, "*"), installation.dossier)) return false;

  const std::string script = joint(paquet, kScriptPaquet);
  std::ifstream flux;
  if (platform::fileExists(script)) flux.open(platform::systemPath(script), std::ios::binary);
  if (!flux.is_open()) {
    dialogues.boite("Fichier de commande manquant", script);
    return false;
  }
  RACINES racines{".", std::nullopt};
  if (!installation.racine2.empty()) racines.seconde = installation.racine2;
  int statut = 0;
  std::vector<std::string> journal;
  executeScript(flux, racines, dialogues, &statut, &journal);
  if (!journal.empty()) signaleEchecs(journal, dialogues);
  return statut == 1;
}

}  // namespace

INSTALLATION lisInstallation(const std::string& dossier, DIALOGUES_ULBREC& dialogues) {
  INSTALLATION installation;
  installation.dossier = dossier;
  if (auto lignes = lisLignes(joint(dossier, kFichierVersion), 2)) {
    if (lignes->size() > 0) installation.versionInstallee = (*lignes)[0];
    if (lignes->size() > 1) installation.racine2 = (*lignes)[1];
  }
  const std::string support = joint(dossier, kFichierSupport);
  const auto lignesSupport = lisLignes(support, 1);
  if (!lignesSupport || lignesSupport->empty()) {
    dialogues.boite("Mise à jour automatique",
                    "Votre installation est défectueuse - MAJ automatique inopérante : " + support);
    return installation;
  }
  installation.dossierMaj = (*lignesSupport)[0];
  if (auto version = lisPremierMot(joint(installation.dossierMaj, kFichierVersion)))
    installation.versionDisponible = *version;
  return installation;
}

std::optional<std::string> cherchePaquet(const INSTALLATION& installation) {
  if (installation.dossierMaj == kVersionInconnue) return std::nullopt;
  const std::string installee = versionNettoyee(installation.versionInstallee);
  const std::string disponible = versionNettoyee(installation.versionDisponible);
  const std::string noms[] = {"talvex-" + installee + "-to-" + disponible, "talvex-" + disponible,
                              "talvex"};
  for (const std::string& nom : noms) {
    const std::string dossier = joint(installation.dossierMaj, nom);
    if (platform::directoryExists(dossier)) return dossier;
    if (platform::fileExists(dossier + ".exe")) return dossier + ".exe";
  }
  return std::nullopt;
}

bool appliqueMiseAJour(const INSTALLATION& installation, const std::string& paquet,
                       DIALOGUES_ULBREC& dialogues) {
  if (!dialogues.confirmation("Mise à jour de TALVEX",
                              "Fermez les applicatifs TALVEX puis pressez sur 'ok'"))
    return true;
  if (!platform::directoryExists(paquet)) {
    if (platform::startProgram(paquet, {}, false).started) return true;
    dialogues.erreur("Erreur d'ouverture du prg <" + paquet + ">");
    return false;
  }
  dialogues.ouvreProgression(compteFichiers(paquet));
  const bool reussi = installeDossier(installation, paquet, dialogues);
  dialogues.fermeProgression();
  dialogues.boite("TALVEX", reussi ? "Mise à jour terminée avec succès !"
                                   : "Erreur durant la mise à jour - prévenez le responsable");
  return reussi;
}

int executeUlbrec(const std::string& dossier, DIALOGUES_ULBREC& dialogues) {
  const INSTALLATION installation = lisInstallation(dossier, dialogues);
  if (memesVersions(installation.versionInstallee, installation.versionDisponible)) return 0;
  const std::optional<std::string> paquet = cherchePaquet(installation);
  if (!paquet) return 0;
  const REPONSE_OFFRE reponse =
      dialogues.offre(versionNettoyee(installation.versionDisponible), *paquet);
  if (reponse.choix == ChoixOffre::kMiseAJour)
    return appliqueMiseAJour(installation, *paquet, dialogues) ? 0 : 1;
  if (reponse.choix == ChoixOffre::kPlusTard && reponse.nePlusProposer &&
      !ecritMarqueurSansMaj(dossier)) {
    dialogues.erreur("Erreur d'écriture de <" + joint(dossier, kFichierSansMaj) + ">");
    return 1;
  }
  return 0;
}

}  // namespace maj
