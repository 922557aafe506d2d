// Numbers read and written in the C locale, whatever locale the host runs in:
// parameter files must read the same on every workstation.
#pragma once
#include <string>
#include <string_view>

namespace framework {

// The C library's real parse (leading blanks, sign, exponent); 0 when the text
// does not start with a number.
double lireReelC(std::string_view texte);
// The C library's integer parse (leading blanks, sign, decimal digits), held
// to the range of int; 0 when the text does not start with a number.
int lireEntierC(std::string_view texte);
// True when the whole text is an unsigned decimal integer; the value in `n`.
bool lireCompteC(std::string_view texte, unsigned long long& n);

// printf's "%.9g", "%d", and the shortest text that reads back as the same real.
std::string texteReel9g(double v);
std::string texteEntier(long long v);
std::string texteReelExact(double v);
// printf's "%.<decimales>f" ("%.3f": to the millimetre) and "%g".
std::string texteReelFixe(double v, int decimales);
std::string texteReelG(double v);

}  // namespace framework
