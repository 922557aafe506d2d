#include "road/jetons_projet.h"

#include <cctype>
#include <climits>
#include <cstdint>
#include <locale>

#include "framework/error_stream.h"
#include "road/registre_objets.h"

namespace road {

void prepareFlux(std::ios& flux) {
  flux.imbue(std::locale::classic());
  flux.setf(std::ios::fixed, std::ios::floatfield);
  flux.precision(6);
}

int regardeSuivant(std::istream& in) {
  auto* tampon = in.rdbuf();
  if (!in.good() || !tampon) return -1;
  for (;;) {
    const int c = tampon->sgetc();
    if (c == std::char_traits<char>::eof()) {
      in.setstate(std::ios::eofbit);
      return -1;
    }
    if (c > ' ') return c;
    tampon->sbumpc();
  }
}

bool debutNombre(int c) { return (c >= '0' && c <= '9') || c == '.' || c == '-'; }

bool lisMot(std::istream& in, std::string& mot) {
  mot.clear();
  if (regardeSuivant(in) < 0) {
    in.setstate(std::ios::failbit);
    return false;
  }
  auto* tampon = in.rdbuf();
  for (;;) {
    const int c = tampon->sgetc();
    if (c == std::char_traits<char>::eof()) {
      in.setstate(std::ios::eofbit);
      break;
    }
    if (c <= ' ') break;
    if (mot.size() < kLongueurMaxMot) mot.push_back(static_cast<char>(c));
    tampon->sbumpc();
  }
  return true;
}

bool lisEntier(std::istream& in, int32_t& valeur) {
  long long v = 0;
  if (!(in >> v) || v < INT32_MIN || v > INT32_MAX) {
    in.setstate(std::ios::failbit);
    return false;
  }
  valeur = static_cast<int32_t>(v);
  return true;
}

bool lisReel(std::istream& in, double& valeur) { return static_cast<bool>(in >> valeur); }

void ecritTexteCite(std::ostream& out, const std::optional<std::string>& texte) {
  if (!texte) {
    out << 'X';
    return;
  }
  out << '"';
  for (char c : *texte) {
    if (c == '"' || c == '\\') out << '\\';
    out << c;
  }
  out << '"';
}

bool lisTexteCite(std::istream& in, std::optional<std::string>& texte) {
  const int premier = regardeSuivant(in);
  if (premier < 0) {
    in.setstate(std::ios::failbit);
    return false;
  }
  auto* tampon = in.rdbuf();
  tampon->sbumpc();
  if (premier == 'X') {
    texte.reset();
    return true;
  }
  if (premier != '"') {
    in.setstate(std::ios::failbit);
    return false;
  }
  std::string lu;
  for (;;) {
    // The length is tested before the character is looked at: 358 fails.
    if (lu.size() > kLongueurMaxTexte) {
      in.setstate(std::ios::failbit);
      return false;
    }
    int c = tampon->sbumpc();
    if (c == std::char_traits<char>::eof()) break;
    if (c == '"') {
      texte = std::move(lu);
      return true;
    }
    if (c == '\\') {
      c = tampon->sbumpc();
      if (c == std::char_traits<char>::eof()) break;
    }
    lu.push_back(static_cast<char>(c));
  }
  in.setstate(std::ios::failbit | std::ios::eofbit);
  return false;
}

void ecritReelOpt(std::ostream& out, const REEL_OPT& r) {
  if (r.defini) out << r.valeur;
  else out << "nil";
}

bool lisReelOpt(std::istream& in, REEL_OPT& r) {
  const int c = regardeSuivant(in);
  if (debutNombre(c)) {
    r.defini = lisReel(in, r.valeur);
    return r.defini;
  }
  std::string mot;
  if (lisMot(in, mot) && memeMot(mot, "nil")) {
    r.defini = false;
    r.valeur = 0;
    return true;
  }
  framework::fluxErreur() << "EPAIS_STRUCTURE::_es : attend NIL" << std::endl;
  in.setstate(std::ios::failbit);
  return false;
}

}  // namespace road
