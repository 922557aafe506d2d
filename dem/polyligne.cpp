#include "dem/polyligne.h"

#include <cstring>
#include <memory>

#include "acedads.h"

namespace dem {
namespace {

struct Libere {
  void operator()(resbuf* rb) const { acutRelRb(rb); }
};
using Liste = std::unique_ptr<resbuf, Libere>;

const resbuf* groupe(const resbuf* rb, int code) {
  for (; rb; rb = rb->rbnext)
    if (rb->restype == code) return rb;
  return nullptr;
}

bool typeEst(const resbuf* liste, const char* type) {
  const resbuf* g = groupe(liste, 0);
  return g && g->resval.rstring && std::strcmp(g->resval.rstring, type) == 0;
}

Noeud noeud(const resbuf* g) {
  return {g->resval.rpoint[0], g->resval.rpoint[1], g->resval.rpoint[2]};
}

}  // namespace

std::optional<std::vector<Noeud>> sommetsPolyligne(const ads_name entite) {
  Liste tete(acdbEntGet(entite));
  if (!tete) return std::nullopt;
  std::vector<Noeud> sommets;
  if (typeEst(tete.get(), "LWPOLYLINE")) {
    for (const resbuf* g = tete.get(); g; g = g->rbnext)
      if (g->restype == 10) sommets.push_back(noeud(g));
    return sommets;
  }
  if (!typeEst(tete.get(), "POLYLINE")) return std::nullopt;
  ads_name courant = {entite[0], entite[1]};
  ads_name suivant;
  while (acdbEntNext(courant, suivant) == RTNORM) {
    Liste l(acdbEntGet(suivant));
    if (!l || !typeEst(l.get(), "VERTEX")) break;
    if (const resbuf* g = groupe(l.get(), 10)) sommets.push_back(noeud(g));
    courant[0] = suivant[0];
    courant[1] = suivant[1];
  }
  return sommets;
}

}  // namespace dem
