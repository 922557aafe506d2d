// Reading parameter trees in the text form and the two counted forms. Every
// problem is one line on the error stream and stops the reading there; the
// nodes read before it stay with the caller.
#include <bit>
#include <climits>
#include <cstdint>
#include <cstring>

#include "framework/error_stream.h"
#include "framework/nombres_c.h"
#include "framework/parametre.h"
#include "framework/tokens.h"

namespace framework {
namespace {

using Traits = std::istream::traits_type;
constexpr std::string_view kCommentaires = "#";

bool xNu(const JETON& j) { return j.type == kJetonMot && j.texte == "X"; }

// The writer quotes every text and writes an absent one as a bare X. So a bare
// X is an absent text beside a text written that way (quoted, or a bare X
// itself); beside an unquoted word, on a line typed by hand such as
// "Calque = X", it is the word X.
TexteOptionnel texteDuJeton(const JETON& j, const JETON& autre) {
  if (xNu(j) && (autre.type == kJetonChaine || xNu(autre))) return std::nullopt;
  return j.texte;
}

std::string nomPourMessage(const TexteOptionnel& id) { return id ? *id : "X"; }

bool erreur(const std::string& message) {
  fluxErreur() << message << std::endl;
  return false;
}

bool erreurVersion(std::string_view version) {
  return erreur("Erreur de chargement de parametre avec version " + std::string(version));
}

// Little-endian fields of the counted form 2.
bool lireOctets(std::istream& flux, char* octets, size_t n, size_t* lus = nullptr) {
  flux.read(octets, static_cast<std::streamsize>(n));
  const auto obtenus = static_cast<size_t>(flux.gcount());
  if (lus) *lus = obtenus;
  return obtenus == n;
}

uint64_t petitBoutiste(const unsigned char* o, size_t n) {
  uint64_t v = 0;
  for (size_t i = n; i-- > 0;) v = (v << 8) | o[i];
  return v;
}

class Lecteur {
 public:
  explicit Lecteur(std::istream& flux) : flux_(flux) {}

  bool noeud(PARAMETRE& p, int mode, bool* fin, int profondeur) {
    if (fin) *fin = false;
    p = PARAMETRE();
    switch (mode) {
      case kModeTexte: return noeudTexte(p, fin, profondeur);
      case kModeCompte1: return noeudCompte1(p, fin);
      case kModeCompte2: return noeudCompte2(p, fin, profondeur);
      default:
        return erreur("Erreur de lecture de parametres : mode " + texteEntier(mode) + " inconnu");
    }
  }

  // The list whose form is told by the input (version < 0) or by the caller.
  bool liste(LISTE_PARAMETRES& l, int version, int profondeur) {
    if (version < 0) {
      const int c = regardeNonBlancHorsCommentaires(flux_, kCommentaires);
      if (c == 'V') {
        flux_.get();
        const JETON v = lireJeton(flux_, "", "");
        unsigned long long n = 0;
        const bool negatif = v.texte.size() > 1 && v.texte[0] == '-';
        if (v.type != kJetonNombre || !lireCompteC(negatif ? v.texte.substr(1) : v.texte, n))
          return erreurVersion(v.texte);
        if ((negatif && n > 0) || n > INT_MAX) return erreurVersion(v.texte);
        version = static_cast<int>(n);
      } else {
        version = c == '+' ? 0 : 1;
      }
    }
    if (version == 0) return listeTexte(l, profondeur);
    if (version == kModeCompte1 || version == kModeCompte2)
      return listeComptee(l, version, profondeur);
    return erreurVersion(texteEntier(version));
  }

 private:
  bool tropProfond(int profondeur) {
    if (profondeur <= kProfondeurMaxParametres) return false;
    erreur("Erreur de lecture de parametres : plus de " + texteEntier(kProfondeurMaxParametres) +
           " niveaux d'enfants");
    return true;
  }

  bool noeudTexte(PARAMETRE& p, bool* fin, int profondeur) {
    const JETON id = lireJeton(flux_, kCommentaires, "");
    if (id.type == kJetonFin) {
      if (fin) *fin = true;
      return false;
    }
    if (regardeNonBlanc(flux_) != '=')
      return erreur("Erreur de lecture de parametres : il manque '=' après " + id.texte);
    flux_.get();
    const JETON val = lireJeton(flux_, kCommentaires, "");
    if (val.type == kJetonFin || !val.termine)
      return erreur("Erreur de lecture de la valeur de " + id.texte);
    p.identifiant = texteDuJeton(id, val);
    p.valeur = texteDuJeton(val, id);
    if (regardeNonBlancHorsCommentaires(flux_, kCommentaires) == '+')
      return listeTexte(p.enfants, profondeur + 1);
    return true;
  }

  // "+", nodes in text form, "-".
  bool listeTexte(LISTE_PARAMETRES& l, int profondeur) {
    if (tropProfond(profondeur)) return false;
    if (regardeNonBlancHorsCommentaires(flux_, kCommentaires) != '+')
      return erreur("Erreur de lecture de parametres : il manque '+' en tete de liste");
    flux_.get();
    for (;;) {
      const int c = regardeNonBlancHorsCommentaires(flux_, kCommentaires);
      if (c == Traits::eof())
        return erreur("Erreur de lecture de parametres : il manque '-' en fin de liste");
      if (c == '-') {
        flux_.get();
        return true;
      }
      PARAMETRE enfant;
      if (!noeudTexte(enfant, nullptr, profondeur)) return false;
      l.push_back(std::move(enfant));
    }
  }

  // A decimal count, one separator, then the nodes one by one: the count is
  // never trusted for an allocation, the end of input stops the loop.
  bool listeComptee(LISTE_PARAMETRES& l, int version, int profondeur) {
    if (tropProfond(profondeur)) return false;
    const JETON compte = lireJeton(flux_, "", "");
    unsigned long long n = 0;
    if (compte.type != kJetonNombre || !lireCompteC(compte.texte, n))
      return erreur("Erreur de lecture de parametres : nombre d'elements incorrect <" +
                    compte.texte + ">");
    flux_.get();
    for (unsigned long long i = 0; i < n; ++i) {
      PARAMETRE enfant;
      if (!noeud(enfant, version, nullptr, profondeur)) return false;
      l.push_back(std::move(enfant));
    }
    return true;
  }

  bool identifiantEtValeur(PARAMETRE& p, bool* fin) {
    const LectureTexte r = lireTexteCite(flux_, FormeTexte::Comptee, p.identifiant);
    if (r == LectureTexte::Fin && fin) {
      *fin = true;
      return false;
    }
    if (r != LectureTexte::Lu) return erreur("Erreur de lecture de l'identifiant d'un parametre");
    if (lireTexteCite(flux_, FormeTexte::Comptee, p.valeur) != LectureTexte::Lu)
      return erreur("Erreur de lecture de la valeur de " + nomPourMessage(p.identifiant));
    return true;
  }

  bool noeudCompte1(PARAMETRE& p, bool* fin) { return identifiantEtValeur(p, fin); }

  bool noeudCompte2(PARAMETRE& p, bool* fin, int profondeur) {
    unsigned char o[8];
    size_t lus = 0;
    if (!lireOctets(flux_, reinterpret_cast<char*>(o), 4, &lus)) {
      if (lus == 0 && fin) {
        *fin = true;
        return false;
      }
      return erreur("Erreur de lecture de l'ID");
    }
    const auto type = static_cast<int32_t>(static_cast<uint32_t>(petitBoutiste(o, 4)));
    if (type < kParametreTexte || type > kParametreEntierTexte)
      return erreur("Erreur de lecture de parametres : type " + texteEntier(type) + " inconnu");
    p.type = type;
    if (type == kParametreReel) {
      if (!lireOctets(flux_, reinterpret_cast<char*>(o), 8))
        return erreur("Erreur de lecture du nombre d'un parametre");
      p.reel = std::bit_cast<double>(petitBoutiste(o, 8));
    } else if (type != kParametreTexte) {
      if (!lireOctets(flux_, reinterpret_cast<char*>(o), 4))
        return erreur("Erreur de lecture du nombre d'un parametre");
      p.entier = static_cast<int32_t>(static_cast<uint32_t>(petitBoutiste(o, 4)));
    }
    // A node written at the first counted level marks its children "V2".
    const bool marque = regardeNonBlanc(flux_) == 'V';
    if (!liste(p.enfants, marque ? -1 : kModeCompte2, profondeur + 1)) return false;
    return identifiantEtValeur(p, nullptr);
  }

  std::istream& flux_;
};

}  // namespace

bool PARAMETRE::lire(std::istream& flux, int mode, bool* fin) {
  return Lecteur(flux).noeud(*this, mode, fin, 0);
}

bool lireListe(std::istream& flux, int version, LISTE_PARAMETRES& liste) {
  LISTE_PARAMETRES lue;
  const bool ok = Lecteur(flux).liste(lue, version, 0);
  liste.splice(liste.end(), lue);
  return ok;
}

bool lireFichier(std::istream& flux, int mode, LISTE_PARAMETRES& liste) {
  const PARAMETRE* dernier = nullptr;
  for (;;) {
    PARAMETRE p;
    bool fin = false;
    if (!p.lire(flux, mode, &fin)) {
      if (fin) return true;
      if (dernier) {
        fluxErreur() << "Erreur apres : " << std::endl;
        dernier->ecrire(fluxErreur(), 0);
        fluxErreur() << std::endl;
      }
      return false;
    }
    liste.push_back(std::move(p));
    dernier = &liste.back();
  }
}

}  // namespace framework
