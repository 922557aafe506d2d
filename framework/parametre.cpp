#include "framework/parametre.h"

#include "framework/nombres_c.h"
#include "framework/texte_ascii.h"

namespace framework {
namespace {

// Walks `chemin` down from the nodes of `liste`; empty steps ("//", a leading
// "/") are skipped.
PARAMETRE* descend(LISTE_PARAMETRES& liste, std::string_view chemin) {
  LISTE_PARAMETRES* niveau = &liste;
  PARAMETRE* trouve = nullptr;
  while (!chemin.empty()) {
    const size_t barre = chemin.find('/');
    const std::string_view etape = chemin.substr(0, barre);
    chemin = barre == std::string_view::npos ? std::string_view() : chemin.substr(barre + 1);
    if (etape.empty()) continue;
    trouve = nullptr;
    for (PARAMETRE& p : *niveau) {
      if (p.identifiant && egauxSansCasseAscii(*p.identifiant, etape)) {
        trouve = &p;
        break;
      }
    }
    if (!trouve) return nullptr;
    niveau = &trouve->enfants;
  }
  return trouve;
}

template <class Liste>
auto premierAvecId(Liste& liste, std::string_view id) -> decltype(&liste.front()) {
  for (auto& p : liste)
    if (p.identifiant && *p.identifiant == id) return &p;
  return nullptr;
}

}  // namespace

void PARAMETRE::fixeReel(double v) {
  type = kParametreReel;
  reel = v;
  valeur = texteReelExact(v);
}

void PARAMETRE::fixeEntier(int v) {
  type = kParametreEntier;
  entier = v;
  valeur = texteEntier(v);
}

void PARAMETRE::fixeEntierTexte(int v, const char* texte) {
  type = kParametreEntierTexte;
  entier = v;
  valeur = texte ? std::string(texte) : texteEntier(v);
}

PARAMETRE* PARAMETRE::trouve(std::string_view id) { return premierAvecId(enfants, id); }
const PARAMETRE* PARAMETRE::trouve(std::string_view id) const { return premierAvecId(enfants, id); }

PARAMETRE& PARAMETRE::trouveOuCree(std::string_view id) {
  if (PARAMETRE* p = trouve(id)) return *p;
  return enfants.emplace_back(std::string(id), std::nullopt);
}

PARAMETRE* PARAMETRE::trouveParChemin(std::string_view chemin) { return descend(enfants, chemin); }

PARAMETRE* trouveDans(LISTE_PARAMETRES& liste, std::string_view id) {
  return premierAvecId(liste, id);
}
const PARAMETRE* trouveDans(const LISTE_PARAMETRES& liste, std::string_view id) {
  return premierAvecId(liste, id);
}

PARAMETRE* trouveParChemin(LISTE_PARAMETRES& liste, std::string_view chemin) {
  return descend(liste, chemin);
}

LISTE_PARAMETRES decoupe(std::string_view texte, char separateur, bool sauteVides) {
  LISTE_PARAMETRES liste;
  for (;;) {
    const size_t pos = texte.find(separateur);
    const std::string_view morceau = texte.substr(0, pos);
    if (!morceau.empty() || !sauteVides)
      liste.emplace_back(std::string(morceau), std::string(morceau));
    if (pos == std::string_view::npos) break;
    texte.remove_prefix(pos + 1);
  }
  return liste;
}

}  // namespace framework
