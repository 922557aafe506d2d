#include "terrain/courbes_niveau.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <utility>

#include "terrain/pointgrp.h"

namespace terrain {

namespace {

// An edge of the mesh, by its two points in address order.
struct ARETE {
  const PT_MAILLE* a;
  const PT_MAILLE* b;
  bool operator==(const ARETE&) const = default;
};
struct HACHAGE_ARETE {
  size_t operator()(const ARETE& e) const {
    const auto x = reinterpret_cast<uintptr_t>(e.a), y = reinterpret_cast<uintptr_t>(e.b);
    return std::hash<uintptr_t>()(x * 0x9E3779B97F4A7C15ull ^ (y + (x << 6) + (x >> 2)));
  }
};
ARETE arete(const PT_MAILLE* p, const PT_MAILLE* q) { return p < q ? ARETE{p, q} : ARETE{q, p}; }

// One cut of a triangle: from a point on one edge to a point on another.
struct MORCEAU {
  ARETE e[2];
  VECTEUR p[2];
  bool pris = false;
};

// Where the level cuts the edge p-q (one end below, the other at or above).
VECTEUR coupe(const PT_MAILLE& p, const PT_MAILLE& q, double z) {
  const double t = (z - p.z) / (q.z - p.z);
  return VECTEUR(p.x + t * (q.x - p.x), p.y + t * (q.y - p.y), z);
}

// Chains the pieces of one level into lines.
void chaine(std::vector<MORCEAU>& morceaux, double z, std::vector<COURBE_NIVEAU>& sortie) {
  std::unordered_multimap<ARETE, size_t, HACHAGE_ARETE> parArete;
  parArete.reserve(2 * morceaux.size());
  for (size_t k = 0; k < morceaux.size(); ++k)
    for (const ARETE& e : morceaux[k].e) parArete.emplace(e, k);
  // The other piece at edge e, not taken yet.
  auto voisin = [&](const ARETE& e, size_t sauf) -> long {
    const auto [debut, fin] = parArete.equal_range(e);
    for (auto it = debut; it != fin; ++it)
      if (it->second != sauf && !morceaux[it->second].pris) return static_cast<long>(it->second);
    return -1;
  };
  auto ajoute = [](std::vector<VECTEUR>& points, const VECTEUR& p) {
    if (points.empty() || !points.back().egal2D(p, 1e-9)) points.push_back(p);
  };
  // Open lines first, from a piece with a free end, then the closed ones.
  for (int passe = 0; passe < 2; ++passe)
    for (size_t k = 0; k < morceaux.size(); ++k) {
      if (morceaux[k].pris) continue;
      int sortieBout = -1;  // the end the walk leaves by
      if (passe == 0) {
        if (voisin(morceaux[k].e[0], k) < 0)
          sortieBout = 1;
        else if (voisin(morceaux[k].e[1], k) < 0)
          sortieBout = 0;
        else
          continue;
      } else {
        sortieBout = 1;
      }
      COURBE_NIVEAU c;
      c.z = z;
      size_t courant = k;
      const ARETE depart = morceaux[k].e[1 - sortieBout];
      ajoute(c.points, morceaux[k].p[1 - sortieBout]);
      while (true) {
        MORCEAU& m = morceaux[courant];
        m.pris = true;
        ajoute(c.points, m.p[sortieBout]);
        const ARETE e = m.e[sortieBout];
        if (passe == 1 && e == depart) {
          c.fermee = true;
          break;
        }
        const long n = voisin(e, courant);
        if (n < 0) break;
        courant = static_cast<size_t>(n);
        sortieBout = morceaux[courant].e[0] == e ? 1 : 0;
      }
      if (c.fermee && c.points.size() > 1 && c.points.back().egal2D(c.points.front(), 1e-9))
        c.points.pop_back();
      if (c.points.size() >= 2) sortie.push_back(std::move(c));
    }
}

}  // namespace

std::vector<COURBE_NIVEAU> courbesNiveau(const MAILLAGE& maillage, double intervalle) {
  std::vector<COURBE_NIVEAU> courbes;
  if (!(intervalle > 0.0) || maillage.triangles().empty()) return courbes;
  // The pieces of every level, gathered level by level.
  std::unordered_map<long long, std::vector<MORCEAU>> parNiveau;
  for (const TRI_MAILLE* t : ordreDeListe(maillage.triangles())) {
    const PT_MAILLE* s[3] = {t->p[0], t->p[1], t->p[2]};
    if (POINTGRP::aireTriangle(*s[0], *s[1], *s[2]) < 1e-9) continue;
    const double zMin = std::min({s[0]->z, s[1]->z, s[2]->z});
    const double zMax = std::max({s[0]->z, s[1]->z, s[2]->z});
    // Levels with a corner below and one at or above: zMin < level <= zMax.
    const auto premier = static_cast<long long>(std::floor(zMin / intervalle)) + 1;
    const auto dernier = static_cast<long long>(std::floor(zMax / intervalle));
    for (long long k = premier; k <= dernier; ++k) {
      const double z = static_cast<double>(k) * intervalle;
      if (!(z > zMin && z <= zMax)) continue;
      MORCEAU m;
      int n = 0;
      for (int c = 0; c < 3 && n < 2; ++c) {
        const PT_MAILLE* p = s[c];
        const PT_MAILLE* q = s[(c + 1) % 3];
        if ((p->z < z) == (q->z < z)) continue;
        m.e[n] = arete(p, q);
        m.p[n] = coupe(*p, *q, z);
        ++n;
      }
      if (n == 2) parNiveau[k].push_back(m);
    }
  }
  std::vector<long long> niveaux;
  niveaux.reserve(parNiveau.size());
  for (const auto& [k, v] : parNiveau) niveaux.push_back(k);
  std::sort(niveaux.begin(), niveaux.end());
  for (long long k : niveaux) chaine(parNiveau[k], static_cast<double>(k) * intervalle, courbes);
  return courbes;
}

}  // namespace terrain
