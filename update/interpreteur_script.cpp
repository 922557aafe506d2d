#include "update/interpreteur_script.h"

#include <array>

#include "update/lecteur_script.h"
#include "update/operations_disque.h"

namespace maj {
namespace {

using Traits = std::istream::traits_type;

// What a command does with its paths: success, and the result text of the information commands.
struct EFFET {
  bool reussi = false;
  std::optional<std::string> resultat;
};

using Action = EFFET (*)(OPERATIONS_DISQUE&, const std::string&, const std::string&);

struct COMMANDE {
  const char* mot;
  int arguments;
  const char* message;  // the log message's start; nullptr: the command logs nothing
  const char* liaison;  // between its two paths in the log message
  Action action;
};

EFFET fait(bool reussi) { return {reussi, std::nullopt}; }

constexpr std::array<COMMANDE, 12> kCommandes{{
    {"_FSM_INTERNE_REN", 2, "Erreur renomme ", " en ",
     [](OPERATIONS_DISQUE& o, const std::string& a, const std::string& b) {
       return fait(o.renomme(a, b));
     }},
    {"_FSM_INTERNE_MVF", 2, "Erreur déplace fichier ", " sur ",
     [](OPERATIONS_DISQUE& o, const std::string& a, const std::string& b) {
       return fait(o.deplaceFichier(a, b));
     }},
    {"_FSM_INTERNE_CPF", 2, "Erreur copie fichier ", " sur ",
     [](OPERATIONS_DISQUE& o, const std::string& a, const std::string& b) {
       return fait(o.copieFichier(a, b));
     }},
    {"_FSM_INTERNE_RMF", 1, "Erreur détruit fichier ", nullptr,
     [](OPERATIONS_DISQUE& o, const std::string& a, const std::string&) {
       return fait(o.detruitFichier(a));
     }},
    {"_FSM_INTERNE_MKR", 1, "Erreur création dossier ", nullptr,
     [](OPERATIONS_DISQUE& o, const std::string& a, const std::string&) {
       return fait(o.creeDossier(a));
     }},
    {"_FSM_INTERNE_RMR", 1, "Erreur détruit dossier ", nullptr,
     [](OPERATIONS_DISQUE& o, const std::string& a, const std::string&) {
       return fait(o.detruitDossier(a));
     }},
    {"_FSM_INTERNE_VIDE", 1, "Erreur vide dossier ", nullptr,
     [](OPERATIONS_DISQUE& o, const std::string& a, const std::string&) {
       return fait(o.videDossier(a));
     }},
    {"_FSM_INTERNE_CPR", 2, "Erreur copie dossier ", " sur ",
     [](OPERATIONS_DISQUE& o, const std::string& a, const std::string& b) {
       return fait(o.copieArbre(a, b));
     }},
    {"_FSM_INTERNE_CPCR", 2, "Erreur copie récurssive dossier ", " sur ",
     [](OPERATIONS_DISQUE& o, const std::string& a, const std::string& b) {
       return fait(o.copieContenu(a, b));
     }},
    {"_FSM_INTERNE_MVR", 2, "Erreur déplace dossier ", " sur ",
     [](OPERATIONS_DISQUE& o, const std::string& a, const std::string& b) {
       return fait(o.deplaceContenu(a, b));
     }},
    {"_FSM_INTERNE_INF", 1, nullptr, nullptr,
     [](OPERATIONS_DISQUE& o, const std::string& a, const std::string&) {
       return EFFET{true, o.information(a)};
     }},
    {"_FSM_INTERNE_EXT", 1, nullptr, nullptr,
     [](OPERATIONS_DISQUE& o, const std::string& a, const std::string&) {
       return EFFET{true, o.existe(a)};
     }},
}};

const COMMANDE* trouve(const std::string& mot) {
  for (const COMMANDE& c : kCommandes)
    if (mot == c.mot) return &c;
  return nullptr;
}

}  // namespace

std::optional<std::string> executeScript(std::istream& script, const RACINES& racines,
                                         RAPPORT_SCRIPT& rapport, int* statut,
                                         std::vector<std::string>* journal) {
  if (statut) *statut = 1;
  const CONFINEMENT confinement(racines);
  OPERATIONS_DISQUE operations(confinement, rapport);
  LECTEUR_SCRIPT lecteur(script);
  std::optional<std::string> resultat;

  auto arrete = [&](const char* texte) {
    rapport.boite("SCRIPT", texte);
    if (statut) *statut = 0;
    return resultat;
  };

  for (std::string mot = lecteur.mot(); !mot.empty(); mot = lecteur.mot()) {
    bool echec = false;
    if (const COMMANDE* commande = trouve(mot)) {
      // Every argument is read before any is judged, so that the log names them all.
      std::array<std::string, 2> chemins;
      bool valides = true;
      for (int i = 0; i < commande->arguments; ++i) {
        std::optional<std::string> texte;
        if (!lecteur.argument(texte)) {
          valides = false;
          break;
        }
        if (!texte) {
          valides = false;  // X: an absent text is no path
          continue;
        }
        chemins[i] = resoutChemin(*texte, racines);
        valides =
            valides && cheminTexteValide(chemins[i], racines) && confinement.permet(chemins[i]);
      }
      EFFET effet;
      if (valides) effet = commande->action(operations, chemins[0], chemins[1]);
      if (effet.resultat) resultat = std::move(effet.resultat);
      echec = !effet.reussi;
      if (echec && journal && commande->message) {
        std::string ligne = commande->message + chemins[0];
        if (commande->liaison) ligne += commande->liaison + chemins[1];
        journal->push_back(std::move(ligne));
      }
    } else {
      rapport.boite("Interpreteur de commande disque", "Commande <" + mot + "> inconnue");
    }
    const int fin = lecteur.caractereSuivant();
    if (echec) return arrete("Erreur de script dans un chemin de fichier");
    if (fin != ';') return arrete("Erreur de script : une commande se termine par ';'");
  }
  return resultat;
}

}  // namespace maj
