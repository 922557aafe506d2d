#include "framework/multi_client.h"

#include <strings.h>

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <vector>

#include "framework/composant_module.h"
#include "framework/error_stream.h"
#include "framework/identite_module.h"
#include "framework/parametre_enregistre.h"
#include "framework/parametre_fichier.h"
#include "platform.h"

namespace framework {

namespace fs = std::filesystem;

namespace {

constexpr const char* kSousDossiers[] = {"system", "poly", "profil", "symbole", "vbloc"};

struct ETAT_CLIENTS {
  LISTE_PARAMETRES arbre;
  std::string chemin;                // path of the current client in the tree
  std::string dossier;               // its directory
  std::vector<std::string> parents;  // directories of its parents, nearest first
  bool charge = false;
  std::string demarrage;  // current directory when the module loaded
};

ETAT_CLIENTS& etat() {
  static ETAT_CLIENTS e;
  return e;
}

PARAMETRE_ENREGISTRE pFichierClient(reglagesUtilisateur(), fichierClient(), "FichierClient",
                                    "Fichier", nullptr, nullptr, kJamaisCharge);
PARAMETRE_ENREGISTRE pClientCourant(reglagesUtilisateur(), clientCourant(), "ClientCourant",
                                    "Fichier", nullptr, nullptr, kJamaisCharge);
PARAMETRE_ENREGISTRE pMenuOnLoad(reglagesUtilisateur(), menuParClient(), "MenuOnLoad", "Fichier",
                                 nullptr, nullptr, kJamaisCharge);

bool memeNom(const std::string& a, const std::string& b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

std::vector<std::string> composants(const std::string& chemin) {
  std::vector<std::string> noms;
  size_t debut = 0;
  while (debut <= chemin.size()) {
    size_t fin = chemin.find('/', debut);
    if (fin == std::string::npos) fin = chemin.size();
    if (fin > debut) noms.push_back(chemin.substr(debut, fin - debut));
    debut = fin + 1;
  }
  return noms;
}

// The client at `chemin` and the directories of its parents, nearest first.
PARAMETRE* chercheClient(LISTE_PARAMETRES& arbre, const std::string& chemin,
                         std::vector<std::string>* parents) {
  LISTE_PARAMETRES* niveau = &arbre;
  PARAMETRE* trouve = nullptr;
  std::vector<std::string> dossiers;
  for (const std::string& nom : composants(chemin)) {
    if (trouve) dossiers.insert(dossiers.begin(), dossierClient(*trouve));
    trouve = nullptr;
    for (PARAMETRE& p : *niveau)
      if (p.identifiant && memeNom(*p.identifiant, nom)) {
        trouve = &p;
        break;
      }
    if (!trouve) return nullptr;
    niveau = &trouve->enfants;
  }
  if (trouve && parents) *parents = dossiers;
  return trouve;
}

// The client's directory and its layout, made when missing.
bool preparerDossier(const std::string& dossier) {
  std::error_code ec;
  for (const char* sous : kSousDossiers) {
    fs::create_directories(fs::path(dossier) / sous, ec);
    if (!fs::is_directory(fs::path(dossier) / sous, ec)) {
      fluxErreur() << "Impossible de créer le dossier client <"
                   << (fs::path(dossier) / sous).string() << ">" << std::endl;
      return false;
    }
  }
  return true;
}

// Step 7 of a load: the client's settings, its layout, its directory.
bool chargeParametresClient() {
  ETAT_CLIENTS& e = etat();
  std::string registre;
  if (trouveFichier("registre.ini", kDossierSysteme, registre) && lireFichierRegistre(registre))
    fluxErreur() << "Lecture des parametres de " << registre << std::endl;
  if (!preparerDossier(e.dossier)) return false;
  std::error_code ec;
  fs::current_path(e.dossier, ec);
  return true;
}

// Makes `client` (at `chemin`) current: its directory the working one.
bool prendClient(PARAMETRE& client, const std::string& chemin,
                 const std::vector<std::string>& parents) {
  ETAT_CLIENTS& e = etat();
  const std::string dossier = dossierClient(client);
  std::error_code ec;
  fs::create_directories(dossier, ec);
  if (!fs::is_directory(dossier, ec)) {
    fluxErreur() << "Le dossier <" << dossier << "> du client " << chemin
                 << " ne peut pas être créé : client non sélectionné" << std::endl;
    return false;
  }
  e.chemin = chemin;
  e.dossier = fs::absolute(dossier, ec).lexically_normal().string();
  e.parents = parents;
  clientCourant() = chemin;
  return true;
}

std::string cheminDe(const PARAMETRE& p) { return "/" + p.identifiant.value_or(""); }

bool demarreClients() {
  chargeClients(false);
  return true;
}

COMPOSANT_MODULE composantClients(demarreClients, nullptr);

}  // namespace

TEXTE_PARAMETRE& fichierClient() {
  static TEXTE_PARAMETRE fichier((fs::path(dossierModule()) / "system" / "clients.mcl").string());
  return fichier;
}
TEXTE_PARAMETRE& clientCourant() {
  static TEXTE_PARAMETRE client;
  return client;
}
int& menuParClient() {
  static int menu = 0;
  return menu;
}

std::string dossierModule() {
  const std::string module = platform::modulePath(reinterpret_cast<const void*>(&dossierModule));
  return module.empty() ? std::string(".") : fs::path(module).parent_path().string();
}

std::string dossierClient(const PARAMETRE& client) {
  const fs::path dossier(client.valeur.value_or(""));
  if (dossier.is_absolute()) return dossier.lexically_normal().string();
  return (fs::path(etat().demarrage) / dossier).lexically_normal().string();
}

PARAMETRE* clientParChemin(LISTE_PARAMETRES& arbre, const std::string& chemin) {
  return chercheClient(arbre, chemin, nullptr);
}

LISTE_PARAMETRES& arbreClients() { return etat().arbre; }
const std::string& cheminClientCourant() { return etat().chemin; }
std::string dossierClientCourant() { return etat().dossier; }

void chargeClients(bool forcer) {
  ETAT_CLIENTS& e = etat();
  if (e.charge && !forcer) return;
  std::error_code ec;
  if (e.demarrage.empty()) e.demarrage = fs::current_path(ec).string();
  std::ostream& erreurs = fluxErreur();

  e.arbre.clear();
  const std::string fichier = fichierClient().texte();
  const bool lu = !fichier.empty();
  if (lu) {
    lireFichierParametres(fichier, kModeTexte, e.arbre);
    if (!e.arbre.empty())
      erreurs << "Lecture du fichier clients <" << fichier << ">" << std::endl;
    else
      erreurs << "Erreur de lecture de <" << fichier << ">" << std::endl;
  } else {
    fichierClient() = (fs::path(dossierModule()) / "system" / "clients.mcl").string();
  }

  // The client asked for, else the first, else the module's own.
  std::string demande = clientCourant().texte();
  if (demande.empty())
    if (const char* env = std::getenv("TALVEX_CLIENT")) demande = env;
  bool pris = false;
  if (!demande.empty()) {
    std::vector<std::string> parents;
    if (PARAMETRE* c = chercheClient(e.arbre, demande, &parents)) {
      erreurs << "Selection du client " << demande << std::endl;
      pris = prendClient(*c, demande, parents);
    } else {
      erreurs << "Erreur de selection de " << demande << std::endl;
    }
  }
  if (!pris && !e.arbre.empty()) pris = prendClient(e.arbre.front(), cheminDe(e.arbre.front()), {});
  if (!pris && e.arbre.empty()) {
    e.arbre.emplace_back(std::string("ReziVov"), dossierModule());
    pris = prendClient(e.arbre.front(), "/ReziVov", {});
  }
  if (!pris) {
    // No client whose directory can be made: the module's own, outside the tree.
    PARAMETRE module(std::string("ReziVov"), dossierModule());
    prendClient(module, "/ReziVov", {});
  }

  fs::create_directories(fs::path(fichierClient().texte()).parent_path(), ec);
  ecrireFichierParametres(fichierClient().texte(), e.arbre);
  erreurs << "Chemin courant : " << e.dossier << std::endl;
  fs::current_path(e.dossier, ec);
  e.charge = true;
  chargeParametresClient();
}

bool selectionneClient(const std::string& chemin) {
  ETAT_CLIENTS& e = etat();
  std::vector<std::string> parents;
  PARAMETRE* c = chercheClient(e.arbre, chemin, &parents);
  if (!c || !prendClient(*c, chemin, parents)) return false;
  return chargeParametresClient();
}

std::string resoudFichier(const std::string& nom, int type) {
  std::error_code ec;
  const ETAT_CLIENTS& e = etat();
  switch (type) {
    case kDossierCourant: return (fs::current_path(ec) / nom).string();
    case kDossierModule: return (fs::path(dossierModule()) / nom).string();
    case kDossierDemarrage: return (fs::path(e.demarrage) / nom).string();
    case kDossierSysteme: return (fs::path(e.dossier) / "system" / nom).string();
    default: return (fs::path(e.dossier) / nom).string();
  }
}

bool trouveFichier(const std::string& nom, int type, std::string& chemin) {
  chemin = resoudFichier(nom, type);
  std::error_code ec;
  if (fs::is_regular_file(chemin, ec)) return true;
  const ETAT_CLIENTS& e = etat();
  std::vector<std::string> dossiers{e.dossier};
  dossiers.insert(dossiers.end(), e.parents.begin(), e.parents.end());
  dossiers.push_back(e.demarrage);
  dossiers.push_back(dossierModule());
  for (const std::string& d : dossiers) {
    const fs::path candidat =
        type == kDossierSysteme ? fs::path(d) / "system" / nom : fs::path(d) / nom;
    if (fs::is_regular_file(candidat, ec)) {
      chemin = candidat.string();
      fluxErreur() << "Ouverture de <" << chemin << ">" << std::endl;
      return true;
    }
  }
  return false;
}

namespace {

std::string fichierUtilisateur(const std::string& dossierClient) {
  return (fs::path(dossierClient) / "system" / "infouser.ini").string();
}

}  // namespace

std::optional<std::string> lisValeurUtilisateur(const std::string& dossier,
                                                const std::string& cle) {
  LISTE_PARAMETRES liste;
  lireFichierParametres(fichierUtilisateur(dossier), kModeTexte, liste);
  if (liste.empty()) return std::nullopt;
  const PARAMETRE* p = liste.front().trouve(cle);
  if (!p || !p->valeur) return std::nullopt;
  return *p->valeur;
}

bool ecritValeurUtilisateur(const std::string& dossier, const std::string& cle,
                            const std::string& valeur) {
  const std::string fichier = fichierUtilisateur(dossier);
  LISTE_PARAMETRES liste;
  lireFichierParametres(fichier, kModeTexte, liste);
  if (liste.empty()) liste.emplace_back(std::string("InfoUser"), std::string());
  liste.front().trouveOuCree(cle).valeur = valeur;
  std::error_code ec;
  fs::create_directories(fs::path(fichier).parent_path(), ec);
  return ecrireFichierParametres(fichier, liste);
}

bool sauveParametres() {
  const ETAT_CLIENTS& e = etat();
  if (e.dossier.empty()) return false;
  std::error_code ec;
  fs::create_directories(fs::path(e.dossier) / "system", ec);
  return ecrireFichierRegistre(resoudFichier("registre.ini", kDossierSysteme));
}

bool creeRaccourci(const std::string& cheminClient, const std::string& libelle) {
  const std::string module = dossierModule();
  platform::Shortcut s;
  s.name = std::string(nomCommandeSansPrefixe()) + " - " + libelle;
  s.target = (fs::path(module) / "Pelrun").string();
  if (!cheminClient.empty()) s.arguments.push_back(cheminClient);
  s.workingDirectory = module;
  s.icon = (fs::path(module) / "suite.ico").string();
  s.description = s.name;
  if (platform::createDesktopShortcut(s)) return true;
  fluxErreur() << "Erreur de création du raccourci <" << s.name << ">" << std::endl;
  return false;
}

}  // namespace framework
