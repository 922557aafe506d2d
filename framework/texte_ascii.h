// Comparison of names that ignores the case of the ASCII letters only, as the
// system's lookups by name do (accented letters compare exactly).
#pragma once
#include <string_view>

namespace framework {

inline bool egauxSansCasseAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  auto majuscule = [](char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  };
  for (size_t i = 0; i < a.size(); ++i)
    if (majuscule(a[i]) != majuscule(b[i])) return false;
  return true;
}

}  // namespace framework
