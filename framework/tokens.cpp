#include "framework/tokens.h"

#include "framework/nombres_c.h"
#include "framework/texte_cite.h"

namespace framework {
namespace {

using Traits = std::istream::traits_type;

bool estDans(std::string_view ensemble, int c) {
  return c != Traits::eof() && ensemble.find(static_cast<char>(c)) != std::string_view::npos;
}

bool estChiffre(int c) { return c >= '0' && c <= '9'; }

// Up to and including the line feed or carriage return.
void sauteLigne(std::istream& flux) {
  for (int c = flux.get(); c != Traits::eof(); c = flux.get())
    if (c == '\n' || c == '\r') return;
}

}  // namespace

int regardeNonBlanc(std::istream& flux) {
  for (;;) {
    const int c = flux.peek();
    if (c == Traits::eof() || !estBlanc(c)) return c;
    flux.get();
  }
}

int regardeNonBlancHorsCommentaires(std::istream& flux, std::string_view commentaires) {
  for (;;) {
    const int c = regardeNonBlanc(flux);
    if (!estDans(commentaires, c)) return c;
    sauteLigne(flux);
  }
}

JETON lireJeton(std::istream& flux, std::string_view commentaires, std::string_view delimiteurs) {
  JETON jeton;
  const int premier = regardeNonBlancHorsCommentaires(flux, commentaires);
  if (premier == Traits::eof()) return jeton;
  flux.get();

  if (estDans(delimiteurs, premier)) {
    jeton.type = kJetonDelimiteur;
    jeton.texte.assign(1, static_cast<char>(premier));
    jeton.valeur = lireReelC(jeton.texte);
    return jeton;
  }
  if (premier == '"') {
    jeton.type = kJetonChaine;
    jeton.termine = lireCorpsCite(flux, FormeTexte::Texte, jeton.texte);
    jeton.valeur = lireReelC(jeton.texte);
    return jeton;
  }
  jeton.type = estChiffre(premier) ? kJetonNombre : kJetonMot;
  jeton.texte.assign(1, static_cast<char>(premier));

  // A word runs to a blank or a delimiter; a backslash in it takes the next
  // character along, and gives it alone when it is a quote.
  for (;;) {
    const int c = flux.peek();
    if (jeton.type == kJetonMot && jeton.texte == "-" && estChiffre(c)) jeton.type = kJetonNombre;
    if (c == Traits::eof() || estBlanc(c) || estDans(delimiteurs, c)) break;
    flux.get();
    if (c == '\\') {
      const int suivant = flux.get();
      if (suivant == Traits::eof()) {
        jeton.texte += '\\';
        break;
      }
      if (suivant != '"') jeton.texte += '\\';
      jeton.texte += static_cast<char>(suivant);
      continue;
    }
    jeton.texte += static_cast<char>(c);
  }
  jeton.valeur = lireReelC(jeton.texte);
  return jeton;
}

}  // namespace framework
