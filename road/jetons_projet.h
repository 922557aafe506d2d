// The token syntax shared by every record of the project file: words,
// integers, fixed reals, quoted strings, optional reals, and the number-start
// test that tells whether a table goes on.
#pragma once
#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace road {

// Longest quoted string that reads back (one more fails the record).
constexpr size_t kLongueurMaxTexte = 357;
// Longest word kept (a bound well above any name the system writes).
constexpr size_t kLongueurMaxMot = 512;

// Prepares a stream for the file: C locale, fixed notation, 6 decimals.
void prepareFlux(std::ios& flux);

// A run of non-blank characters (blanks skipped first); false at the end.
// Longer words are read whole but cut to kLongueurMaxMot.
bool lisMot(std::istream& in, std::string& mot);
bool lisEntier(std::istream& in, int32_t& valeur);
bool lisReel(std::istream& in, double& valeur);

// Skips blanks and returns the next character without taking it (EOF: -1).
int regardeSuivant(std::istream& in);
// A decimal digit, "." or "-".
bool debutNombre(int c);
bool chiffre(int c);

// Skips a UTF-8 byte-order mark at the start of a file.
void sauteMarqueOrdreOctets(std::istream& in);

// What reads back as written. A word: 1 to kLongueurMaxMot bytes, none of
// them a blank or a control character. A quoted text: absent, or at most
// kLongueurMaxTexte bytes on one line. A real: finite, as "inf" and "nan" do
// not read as numbers.
bool motRelisible(std::string_view mot);
// A word that no container takes for the tag of the next record.
bool nomRelisible(std::string_view nom);
bool texteCiteRelisible(const std::optional<std::string>& texte);
bool reelRelisible(double valeur);

// Quoted strings; an absent string is the letter X.
void ecritTexteCite(std::ostream& out, const std::optional<std::string>& texte);
bool lisTexteCite(std::istream& in, std::optional<std::string>& texte);

// An optional real: written as the real, or "nil" when undefined.
struct REEL_OPT {
  double valeur = 0;
  bool defini = false;
};
void ecritReelOpt(std::ostream& out, const REEL_OPT& r);
// Fails (after writing "EPAIS_STRUCTURE::_es : attend NIL") on any other word.
bool lisReelOpt(std::istream& in, REEL_OPT& r);

}  // namespace road
