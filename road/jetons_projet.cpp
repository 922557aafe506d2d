#include "road/jetons_projet.h"

#include <cctype>
#include <charconv>
#include <type_traits>
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

namespace {

// Reads one word and parses it whole as a number, in the C locale whatever
// the user's: much faster than the stream's own extraction.
template <typename T>
bool lisNombre(std::istream& in, T& valeur) {
  thread_local std::string mot;
  if (!lisMot(in, mot)) return false;
  const char* debut = mot.data();
  const char* fin = debut + mot.size();
  if (debut != fin && *debut == '+') ++debut;
  std::from_chars_result r;
  if constexpr (std::is_floating_point_v<T>) r = std::from_chars(debut, fin, valeur, std::chars_format::general);
  else r = std::from_chars(debut, fin, valeur, 10);
  if (r.ec != std::errc() || r.ptr != fin) {
    in.setstate(std::ios::failbit);
    return false;
  }
  return true;
}

}  // namespace

bool lisEntier(std::istream& in, int32_t& valeur) { return lisNombre(in, valeur); }

bool lisReel(std::istream& in, double& valeur) { return lisNombre(in, valeur); }

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
