#include "framework/texte_cite.h"

#include "framework/tokens.h"

namespace framework {
namespace {

using Traits = std::istream::traits_type;

void barres(std::ostream& flux, size_t n) {
  for (size_t i = 0; i < n; ++i) flux << '\\';
}

}  // namespace

bool texteCiteRelisible(const TexteOptionnel& texte, FormeTexte forme) {
  return !texte || forme == FormeTexte::Texte || texte->size() <= kLongueurMaxTexteCite;
}

bool ecrireTexteCite(std::ostream& flux, const TexteOptionnel& texte, FormeTexte forme) {
  if (!texteCiteRelisible(texte, forme)) {
    flux.setstate(std::ios::failbit);
    return false;
  }
  if (!texte) {
    flux << 'X';
    return true;
  }
  const std::string& t = *texte;
  flux << '"';
  for (size_t i = 0; i < t.size();) {
    if (t[i] == '\\') {
      size_t fin = i;
      while (fin < t.size() && t[fin] == '\\') ++fin;
      // In the text form only a run that a quote follows (the escaped one or
      // the closing one) is doubled; the others are read as they are.
      const bool devantQuote = fin == t.size() || t[fin] == '"';
      barres(flux, (fin - i) * (forme == FormeTexte::Comptee || devantQuote ? 2 : 1));
      i = fin;
      continue;
    }
    if (t[i] == '"') flux << '\\';
    flux << t[i++];
  }
  flux << '"';
  return !flux.fail();
}

bool lireCorpsCite(std::istream& flux, FormeTexte forme, std::string& texte) {
  const size_t debut = texte.size();
  for (;;) {
    int c = flux.get();
    if (c == Traits::eof()) return false;
    // Tested before the closing quote, so that 358 characters already fail.
    if (forme == FormeTexte::Comptee && texte.size() - debut > kLongueurMaxTexteCite) return false;
    if (c == '"') return true;
    if (c != '\\') {
      texte += static_cast<char>(c);
      continue;
    }
    if (forme == FormeTexte::Comptee) {
      c = flux.get();
      if (c == Traits::eof()) return false;
      texte += static_cast<char>(c);
      continue;
    }
    size_t n = 1;
    while (flux.peek() == '\\') {
      flux.get();
      ++n;
    }
    if (flux.peek() != '"') {
      texte.append(n, '\\');
      continue;
    }
    flux.get();
    texte.append(n / 2, '\\');
    if (n % 2 == 0) return true;
    texte += '"';
  }
}

LectureTexte lireTexteCite(std::istream& flux, FormeTexte forme, TexteOptionnel& texte) {
  const int premier = regardeNonBlanc(flux);
  if (premier == Traits::eof()) return LectureTexte::Fin;
  flux.get();
  if (premier == 'X') {
    texte.reset();
    return LectureTexte::Lu;
  }
  if (premier != '"') return LectureTexte::Erreur;
  std::string lu;
  if (!lireCorpsCite(flux, forme, lu)) return LectureTexte::Erreur;
  texte = std::move(lu);
  return LectureTexte::Lu;
}

}  // namespace framework
