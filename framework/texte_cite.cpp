#include "framework/texte_cite.h"

#include "framework/tokens.h"

namespace framework {

void ecrireTexteCite(std::ostream& flux, const TexteOptionnel& texte, FormeTexte forme) {
  if (!texte) {
    flux << 'X';
    return;
  }
  const std::string& t = *texte;
  flux << '"';
  for (size_t i = 0; i < t.size(); ++i) {
    const char c = t[i];
    if (c == '"') {
      flux << "\\\"";
    } else if (c == '\\') {
      // The text form keeps a backslash as it is, except where it would eat
      // the quote that follows: there it is doubled so the file stays readable.
      const bool devantQuote = i + 1 == t.size() || t[i + 1] == '"';
      flux << (forme == FormeTexte::Comptee || devantQuote ? "\\\\" : "\\");
    } else {
      flux << c;
    }
  }
  flux << '"';
}

LectureTexte lireTexteCite(std::istream& flux, FormeTexte forme, TexteOptionnel& texte) {
  using Traits = std::istream::traits_type;
  const int premier = regardeNonBlanc(flux);
  if (premier == Traits::eof()) return LectureTexte::Fin;
  flux.get();
  if (premier == 'X') {
    texte.reset();
    return LectureTexte::Lu;
  }
  if (premier != '"') return LectureTexte::Erreur;

  std::string lu;
  for (;;) {
    int c = flux.get();
    if (c == Traits::eof()) return LectureTexte::Erreur;
    // Tested before the closing quote, so that 358 characters already fail.
    if (lu.size() > kLongueurMaxTexteCite) return LectureTexte::Erreur;
    if (c == '"') break;
    if (c == '\\') {
      c = flux.get();
      if (c == Traits::eof()) return LectureTexte::Erreur;
      if (c != '"' && forme == FormeTexte::Texte) lu += '\\';
    }
    lu += static_cast<char>(c);
  }
  texte = std::move(lu);
  return LectureTexte::Lu;
}

}  // namespace framework
