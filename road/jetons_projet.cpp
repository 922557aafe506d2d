#include "road/jetons_projet.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <locale>
#include <type_traits>

#include "framework/error_stream.h"
#include "road/rapport_lecture.h"
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

bool chiffre(int c) { return c >= '0' && c <= '9'; }

bool debutNombre(int c) { return chiffre(c) || c == '.' || c == '-'; }

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
  if constexpr (std::is_floating_point_v<T>)
    r = std::from_chars(debut, fin, valeur, std::chars_format::general);
  else
    r = std::from_chars(debut, fin, valeur, 10);
  bool lu = r.ec == std::errc() && r.ptr == fin;
  // "nan" and "inf" parse, but no save writes them: a file holding one is damaged.
  if constexpr (std::is_floating_point_v<T>) lu = lu && std::isfinite(valeur);
  if (!lu) in.setstate(std::ios::failbit);
  return lu;
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
    if (c == '\\')
      c = tampon->sbumpc();
    else if (c == '"') {
      texte = std::move(lu);
      return true;
    }
    // A text never spans lines: a line end means its closing quote is
    // missing, and the text must not swallow the records that follow.
    if (c == std::char_traits<char>::eof() || c == '\n' || c == '\r') {
      in.setstate(c == std::char_traits<char>::eof() ? std::ios::failbit | std::ios::eofbit
                                                     : std::ios::failbit);
      return false;
    }
    lu.push_back(static_cast<char>(c));
  }
}

void ecritReelOpt(std::ostream& out, const REEL_OPT& r) {
  if (r.defini)
    out << r.valeur;
  else
    out << "nil";
}

void sauteMarqueOrdreOctets(std::istream& in) {
  static constexpr unsigned char kMarque[] = {0xEF, 0xBB, 0xBF};
  auto* tampon = in.rdbuf();
  if (!in.good() || !tampon) return;
  for (unsigned char attendu : kMarque) {
    if (tampon->sgetc() != attendu) return;
    tampon->sbumpc();
  }
}

bool motRelisible(std::string_view mot) {
  if (mot.empty() || mot.size() > kLongueurMaxMot) return false;
  return std::none_of(mot.begin(), mot.end(),
                      [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

bool nomRelisible(std::string_view nom) {
  return motRelisible(nom) && !REGISTRE_OBJETS::estEnregistre(nom);
}

bool texteCiteRelisible(const std::optional<std::string>& texte) {
  if (!texte) return true;
  return texte->size() <= kLongueurMaxTexte && texte->find_first_of("\n\r") == std::string::npos;
}

bool reelRelisible(double valeur) { return std::isfinite(valeur); }

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
  erreurLecture("EPAIS_STRUCTURE::_es : attend NIL");
  in.setstate(std::ios::failbit);
  return false;
}

}  // namespace road
