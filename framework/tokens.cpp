#include "framework/tokens.h"

#include "framework/nombres_c.h"

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
  const bool cite = premier == '"';
  if (cite) {
    jeton.type = kJetonChaine;
    jeton.termine = false;
  } else {
    jeton.type = estChiffre(premier) ? kJetonNombre : kJetonMot;
    jeton.texte.assign(1, static_cast<char>(premier));
  }

  for (;;) {
    int c = flux.peek();
    if (jeton.type == kJetonMot && jeton.texte == "-" && estChiffre(c)) jeton.type = kJetonNombre;
    if (c == Traits::eof()) break;
    if (cite) {
      flux.get();
      if (c == '"') {
        jeton.termine = true;
        break;
      }
    } else {
      if (estBlanc(c) || estDans(delimiteurs, c)) break;
      flux.get();
    }
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
