// Numbers and texts the calling AutoLISP programs leave in global symbols.
#pragma once
#include <optional>
#include <string>

namespace tools3d {

enum class ETAT_SYMBOLE { Absent, Valeur, MauvaisType };

struct NOMBRE_SYMBOLE {
  ETAT_SYMBOLE etat = ETAT_SYMBOLE::Absent;
  double valeur = 0;
};

// The symbol's number: a real, or an integer when `entierAccepte`.
NOMBRE_SYMBOLE nombreSymbole(const char* nom, bool entierAccepte);
// The symbol's text; none when it is unset or holds anything else.
std::optional<std::string> texteSymbole(const char* nom);

}  // namespace tools3d
