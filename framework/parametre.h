// A node of a parameter tree: identifier = value, with children in file order.
// The multi-client files (client tree, user information) are such trees.
#pragma once
#include <istream>
#include <list>
#include <ostream>
#include <string>
#include <string_view>

#include "framework/texte_cite.h"

namespace framework {

class PARAMETRE;
// A list owns its nodes; references to them stay valid while it grows.
using LISTE_PARAMETRES = std::list<PARAMETRE>;

enum TypeParametre {
  kParametreTexte = 0,
  kParametreReel = 1,
  kParametreEntier = 2,
  kParametreEntierTexte = 3,  // an integer shown with a text of its own
};

// Forms of a node in a file: text (what the system writes) and the two
// counted forms it still accepts. The text form's writer quotes every text
// and writes an absent one as a bare X, which reads back absent beside a
// quoted text or another bare X; beside an unquoted word ("Calque = X", typed
// by hand) a bare X is the word X.
enum ModeParametre { kModeTexte = 0, kModeCompte1 = 1, kModeCompte2 = 2 };

class PARAMETRE {
 public:
  PARAMETRE() = default;
  PARAMETRE(TexteOptionnel id, TexteOptionnel val)
      : identifiant(std::move(id)), valeur(std::move(val)) {}

  TexteOptionnel identifiant;
  // A std::string holds its byte count, so a value may carry zero bytes.
  TexteOptionnel valeur;
  int type = kParametreTexte;
  double reel = 0;  // kind 1
  int entier = 0;   // kinds 2 and 3
  LISTE_PARAMETRES enfants;

  void fixeValeur(const char* octets, size_t nombre) { valeur.emplace(octets, nombre); }
  // The number and its text together.
  void fixeReel(double v);
  void fixeEntier(int v);
  // Kind 3: the integer with `texte`, or the integer's own text when none is given.
  void fixeEntierTexte(int v, const char* texte = nullptr);

  // Child by identifier, compared exactly; null when absent.
  PARAMETRE* trouve(std::string_view id);
  const PARAMETRE* trouve(std::string_view id) const;
  // The same, adding the child (without value) at the end when absent.
  PARAMETRE& trouveOuCree(std::string_view id);
  // Descendant by a "/"-separated path, each step compared ignoring ASCII case.
  PARAMETRE* trouveParChemin(std::string_view chemin);

  // Reads one node. `fin`, when given, is set when the input ended cleanly
  // before an identifier (false is then returned without any message).
  // Problems are reported on the error stream.
  bool lire(std::istream& flux, int mode, bool* fin = nullptr);
  // Level <= 0: text form indented with -level tabs; level > 0: counted form.
  // What is written reads back as the same tree. A text over
  // kLongueurMaxTexteCite characters, which the counted readers refuse, fails
  // the stream in the counted form instead of being written.
  void ecrire(std::ostream& flux, int niveau) const;

  bool operator==(const PARAMETRE&) const = default;
};

// Top-level lookups on a list, as the node methods do on children.
PARAMETRE* trouveDans(LISTE_PARAMETRES& liste, std::string_view id);
const PARAMETRE* trouveDans(const LISTE_PARAMETRES& liste, std::string_view id);
PARAMETRE* trouveParChemin(LISTE_PARAMETRES& liste, std::string_view chemin);

// Reads a children list, added at the end of `liste`. `version` -1 lets the
// input tell the form: "+" text form, "V" + version number, else counted
// version 1. False on any problem, reported on the error stream; the nodes
// read before it are kept.
bool lireListe(std::istream& flux, int version, LISTE_PARAMETRES& liste);
// Reads top-level nodes in `mode` until one fails, adding them at the end of
// `liste` in file order. True when the input was read to its end without
// error; otherwise the last good node is shown after "Erreur apres : ".
bool lireFichier(std::istream& flux, int mode, LISTE_PARAMETRES& liste);
void ecrireListe(std::ostream& flux, const LISTE_PARAMETRES& liste, int niveau);

// Splits `texte` at each `separateur`; each piece is identifier and value of one node.
LISTE_PARAMETRES decoupe(std::string_view texte, char separateur, bool sauteVides);

// Deepest nesting of children that the readers accept.
constexpr int kProfondeurMaxParametres = 100;

}  // namespace framework
