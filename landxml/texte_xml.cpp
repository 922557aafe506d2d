#include "landxml/texte_xml.h"

namespace landxml {
namespace {

// The length of the UTF-8 sequence at `i`, or 0 when it is not one.
size_t sequence(std::string_view t, size_t i) {
  const auto octet = [&](size_t k) { return static_cast<unsigned char>(t[k]); };
  const unsigned char c = octet(i);
  if (c < 0x80) return c >= 0x20 || c == '\t' || c == '\n' || c == '\r' ? 1 : 0;
  const size_t n = c >= 0xC2 && c <= 0xDF   ? 2
                   : (c & 0xF0) == 0xE0     ? 3
                   : c >= 0xF0 && c <= 0xF4 ? 4
                                            : 0;
  if (n == 0 || i + n > t.size()) return 0;
  for (size_t k = 1; k < n; ++k)
    if ((octet(i + k) & 0xC0) != 0x80) return 0;
  return n;
}

}  // namespace

std::string texteXml(std::string_view texte) {
  std::string resultat;
  resultat.reserve(texte.size());
  for (size_t i = 0; i < texte.size();) {
    const size_t n = sequence(texte, i);
    if (n == 0) {
      resultat += '?';
      ++i;
    } else {
      resultat.append(texte.substr(i, n));
      i += n;
    }
  }
  return resultat;
}

}  // namespace landxml
