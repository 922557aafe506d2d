#include "dem/tuiles.h"

#include <charconv>
#include <cstring>

#include "dem/bandes_couleur.h"

namespace dem {

void poserTuile(ads_hdlg h, const std::string& cle, const std::string& valeur) {
  ads_set_tile(h, cle.c_str(), valeur.c_str());
}

std::string lireTuile(ads_hdlg h, const std::string& cle) {
  char texte[TILE_STR_LIMIT + 1] = {0};
  if (ads_get_tile(h, cle.c_str(), texte, sizeof texte) != RTNORM) return {};
  return texte;
}

std::optional<int64_t> entier(const std::string& texte) {
  const char* p = texte.data();
  const char* fin = p + texte.size();
  while (p < fin && *p == ' ') ++p;
  while (fin > p && fin[-1] == ' ') --fin;
  if (p < fin && *p == '+') ++p;
  int64_t v = 0;
  auto r = std::from_chars(p, fin, v);
  if (r.ec != std::errc() || r.ptr != fin || p == fin) return std::nullopt;
  return v;
}

std::optional<int> bandeAppelante(const ads_callback_packet* p, const char* prefixe) {
  char cle[64] = {0};
  if (!p || ads_get_attr_string(p->tile, "key", cle, sizeof cle) != RTNORM) return std::nullopt;
  const size_t n = std::strlen(prefixe);
  if (std::strncmp(cle, prefixe, n) != 0) return std::nullopt;
  const auto b = entier(cle + n);
  if (!b || *b < 0 || *b >= kNombreBandes) return std::nullopt;
  return static_cast<int>(*b);
}

}  // namespace dem
