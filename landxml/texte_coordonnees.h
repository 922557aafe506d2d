// The texts of LandXML's coordinate lists: numbers separated by blanks, each
// the shortest text that reads back as the same real, so that a surface
// comes back with the very heights it left with.
#pragma once
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace landxml {

class TEXTE_COORDONNEES {
 public:
  TEXTE_COORDONNEES(std::initializer_list<double> valeurs) {
    for (double v : valeurs) ajoute(v);
  }
  explicit TEXTE_COORDONNEES(std::initializer_list<uint32_t> valeurs) {
    for (uint32_t v : valeurs) ajoute(v);
  }
  template <typename T>
  void ajoute(T v) {
    char* fin = tampon_.data() + longueur_;
    if (longueur_ > 0) *fin++ = ' ';
    char* const limite = tampon_.data() + tampon_.size() - 1;
    if constexpr (std::is_floating_point_v<T>) {
      // Fixed notation for what a survey holds (600000, not 6e+05); the
      // shortest general form for the odd tiny or huge value.
      const double a = std::fabs(v);
      fin = (a == 0.0 || (a >= 1e-4 && a < 1e15))
                ? std::to_chars(fin, limite, v, std::chars_format::fixed).ptr
                : std::to_chars(fin, limite, v).ptr;
    } else {
      fin = std::to_chars(fin, limite, v).ptr;
    }
    *fin = '\0';
    longueur_ = static_cast<size_t>(fin - tampon_.data());
  }
  const char* c_str() const { return tampon_.data(); }

 private:
  // Room for four reals of 35 characters at most, their blanks and the terminator.
  std::array<char, 160> tampon_{};
  size_t longueur_ = 0;
};

}  // namespace landxml
