#include "update/lecteur_script.h"

namespace maj {
namespace {

using Traits = std::istream::traits_type;

bool blanc(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

int LECTEUR_SCRIPT::suivantNonBlanc() {
  int c = flux_.get();
  while (c != Traits::eof() && blanc(c)) c = flux_.get();
  return c;
}

std::string LECTEUR_SCRIPT::mot() {
  std::string mot;
  int c = suivantNonBlanc();
  while (c != Traits::eof() && !blanc(c)) {
    mot += static_cast<char>(c);
    c = flux_.get();
  }
  return mot;
}

bool LECTEUR_SCRIPT::argument(std::optional<std::string>& texte) {
  texte.reset();
  const int debut = suivantNonBlanc();
  if (debut == 'X') return true;
  if (debut != '"') return false;
  std::string lu;
  for (;;) {
    if (lu.size() > kLongueurMaxArgument) return false;
    int c = flux_.get();
    if (c == Traits::eof()) return false;
    if (c == '"') break;
    if (c == '\\') {
      c = flux_.get();
      if (c == Traits::eof()) return false;
    }
    lu += static_cast<char>(c);
  }
  texte = std::move(lu);
  return true;
}

int LECTEUR_SCRIPT::caractereSuivant() { return suivantNonBlanc(); }

}  // namespace maj
