// The token reader shared by every parameter file: words, quoted strings,
// numbers and delimiter characters, with comment lines skipped.
#pragma once
#include <istream>
#include <string>
#include <string_view>

namespace framework {

enum TypeJeton {
  kJetonMot = 0,
  kJetonChaine = 1,  // quoted, read as the text form reads quoted texts (texte_cite.h)
  kJetonNombre = 2,
  kJetonDelimiteur = 3,
  kJetonFin = 4,  // end of input
};

struct JETON {
  std::string texte;
  int type = kJetonFin;
  double valeur = 0;    // the text read as a real, for every token
  bool termine = true;  // false for a quoted string cut by the end of input
};

// Reads one token. `commentaires` holds the characters that start a comment
// running to the end of the line, `delimiteurs` those that are tokens by
// themselves. The character that ends a word or number stays in the stream.
JETON lireJeton(std::istream& flux, std::string_view commentaires, std::string_view delimiteurs);

// Characters below '!' (blanks and controls) separate tokens.
inline bool estBlanc(int c) { return c >= 0 && c < '!'; }

// Skips blanks and returns the next character, left in the stream (EOF at the end).
int regardeNonBlanc(std::istream& flux);
// The same, skipping too the lines that start with one of `commentaires`.
int regardeNonBlancHorsCommentaires(std::istream& flux, std::string_view commentaires);

}  // namespace framework
