#include "framework/nombres_c.h"

#include <locale.h>
#include <charconv>
#include <climits>
#include <cstdlib>

namespace framework {
namespace {

// Created once and never freed: strtod_l needs it for the whole module's life.
locale_t localeC() {
  static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return c;
}

}  // namespace

double lireReelC(std::string_view texte) {
  const std::string s(texte);  // strtod needs a terminated text
  locale_t c = localeC();
  return c ? strtod_l(s.c_str(), nullptr, c) : std::strtod(s.c_str(), nullptr);
}

int lireEntierC(std::string_view texte) {
  const std::string s(texte);
  locale_t c = localeC();
  const long long v =
      c ? strtoll_l(s.c_str(), nullptr, 10, c) : std::strtoll(s.c_str(), nullptr, 10);
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

bool lireCompteC(std::string_view texte, unsigned long long& n) {
  if (texte.empty()) return false;
  const char* fin = texte.data() + texte.size();
  const auto r = std::from_chars(texte.data(), fin, n);
  return r.ec == std::errc() && r.ptr == fin;
}

std::string texteReel9g(double v) {
  char tampon[64];
  const auto r = std::to_chars(tampon, tampon + sizeof tampon, v, std::chars_format::general, 9);
  return std::string(tampon, r.ptr);
}

std::string texteEntier(long long v) {
  char tampon[32];
  const auto r = std::to_chars(tampon, tampon + sizeof tampon, v);
  return std::string(tampon, r.ptr);
}

std::string texteReelExact(double v) {
  char tampon[64];
  const auto r = std::to_chars(tampon, tampon + sizeof tampon, v);
  return std::string(tampon, r.ptr);
}

std::string texteReelFixe(double v, int decimales) {
  char tampon[512];
  const auto r =
      std::to_chars(tampon, tampon + sizeof tampon, v, std::chars_format::fixed, decimales);
  return r.ec == std::errc() ? std::string(tampon, r.ptr) : texteReelExact(v);
}

std::string texteReelG(double v) {
  char tampon[64];
  const auto r = std::to_chars(tampon, tampon + sizeof tampon, v, std::chars_format::general, 6);
  return std::string(tampon, r.ptr);
}

}  // namespace framework
