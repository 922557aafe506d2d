// Quoted texts of the parameter files: "..." with escapes, or the single
// letter X for an absent text. One writer and one reader per form: the token
// reader of the text form takes its quoted strings from lireCorpsCite too.
#pragma once
#include <cstddef>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

namespace framework {

// An absent text (no value at all) differs from an empty one.
using TexteOptionnel = std::optional<std::string>;

// Text form: backslashes are literal except in a run that stands before a
// double quote, where 2n backslashes and the quote give n backslashes and the
// closing quote, 2n+1 give n backslashes and a quote of the text. So paths
// such as "C:\dir\file" or "\\server\share" are written as they are, and
// every text reads back as it was written.
// Counted forms: every backslash and quote is escaped, and a backslash gives
// the character after it.
enum class FormeTexte { Texte, Comptee };

// Longest text a quoted read of the counted forms accepts.
constexpr size_t kLongueurMaxTexteCite = 357;

// Whether the reader of `forme` takes `texte` back (the counted forms refuse
// texts longer than kLongueurMaxTexteCite).
bool texteCiteRelisible(const TexteOptionnel& texte, FormeTexte forme);

// Writes the text quoted, or X when absent. A text that the reader would not
// take back is not written at all: the stream is failed and false returned.
bool ecrireTexteCite(std::ostream& flux, const TexteOptionnel& texte, FormeTexte forme);

// Reads what follows an opening quote up to the closing one (consumed) and
// adds it to `texte`. False when the input ends first, or when a counted-form
// text grows past kLongueurMaxTexteCite; `texte` then holds what was read.
bool lireCorpsCite(std::istream& flux, FormeTexte forme, std::string& texte);

enum class LectureTexte {
  Lu,
  Fin,     // the input ended before the text started
  Erreur,  // neither X nor a quote, unterminated, or too long
};

LectureTexte lireTexteCite(std::istream& flux, FormeTexte forme, TexteOptionnel& texte);

}  // namespace framework
