#include "dem/trace_grille.h"

#include <algorithm>
#include <cmath>

namespace dem {
namespace {

class Lecteur {
 public:
  Lecteur(const GrilleAltitudes& g, const Calage& k) : g_(g), k_(k) {}
  bool vide(int64_t r, int64_t c) const { return g_.vide(r, c); }
  Noeud noeud(int64_t r, int64_t c) const {
    return {k_.x(c), k_.y(r), static_cast<double>(g_.z(r, c))};
  }

 private:
  const GrilleAltitudes& g_;
  const Calage& k_;
};

long faces(const Lecteur& l, const Calage& k, const TableBandes& t, SortieDessin& s) {
  long n = 0;
  for (int64_t r = 0; r + 1 < k.rangees; ++r)
    for (int64_t c = 0; c + 1 < k.colonnes; ++c) {
      if (l.vide(r, c)) continue;
      const bool avecB = !l.vide(r, c + 1), avecC = !l.vide(r + 1, c + 1),
                 avecD = !l.vide(r + 1, c);
      const Noeud a = l.noeud(r, c), b = l.noeud(r, c + 1), cc = l.noeud(r + 1, c + 1),
                  d = l.noeud(r + 1, c);
      if (!avecC) {
        if (avecB && avecD) {
          s.face(a, b, d, d, couleurBande(t, {a.z, b.z, d.z}));
          ++n;
        }
        continue;
      }
      if (avecB) {
        s.face(a, b, cc, cc, couleurBande(t, {a.z, b.z, cc.z}));
        ++n;
      }
      if (avecD) {
        s.face(a, cc, d, d, couleurBande(t, {a.z, cc.z, d.z}));
        ++n;
      }
    }
  return n;
}

long lignes(const Lecteur& l, const Calage& k, const TableBandes& t, SortieDessin& s) {
  long n = 0;
  auto trait = [&](const Noeud& p, const Noeud& q) {
    s.ligne(p, q, couleurBande(t, {p.z, q.z}));
    ++n;
  };
  for (int64_t r = 0; r < k.rangees; ++r)
    for (int64_t c = 0; c < k.colonnes; ++c) {
      if (l.vide(r, c)) continue;
      const bool avecB = !l.vide(r, c + 1), avecC = !l.vide(r + 1, c + 1),
                 avecD = !l.vide(r + 1, c);
      const Noeud a = l.noeud(r, c);
      if (avecB) trait(a, l.noeud(r, c + 1));
      if (avecC)
        trait(a, l.noeud(r + 1, c + 1));
      else if (avecB && avecD)
        trait(l.noeud(r + 1, c), l.noeud(r, c + 1));
      if (avecD) trait(a, l.noeud(r + 1, c));
    }
  return n;
}

long points(const Lecteur& l, const Calage& k, const TableBandes& t, SortieDessin& s) {
  long n = 0;
  for (int64_t r = 0; r < k.rangees; ++r)
    for (int64_t c = 0; c < k.colonnes; ++c) {
      if (l.vide(r, c)) continue;
      const Noeud a = l.noeud(r, c);
      s.point(a, couleurBande(t, {a.z}));
      ++n;
    }
  return n;
}

}  // namespace

long tracerGrille(Trace mode, const GrilleAltitudes& g, const Calage& k0, const TableBandes& t,
                  SortieDessin& sortie) {
  if (!k0.valide()) return 0;
  // Nodes beyond the grid are without data: the walk stops one beyond it.
  Calage k = k0;
  k.rangees = std::min<int64_t>(k.rangees, kCoteGrille);
  k.colonnes = std::min<int64_t>(k.colonnes, kCoteGrille);
  const Lecteur l(g, k);
  switch (mode) {
    case Trace::Faces: return faces(l, k, t, sortie);
    case Trace::Lignes: return lignes(l, k, t, sortie);
    case Trace::Points: return points(l, k, t, sortie);
  }
  return 0;
}

std::vector<Noeud> echantillons(const GrilleAltitudes& g, const Calage& k, double px, double py,
                                double qx, double qy) {
  std::vector<Noeud> out;
  if (!k.valide() || qx == px) return out;  // due north or south: no column crossed
  const double m = (qy - py) / (qx - px), n = py - m * px;
  const double s = static_cast<double>(k.pas);
  const int64_t fin = std::min<int64_t>(k.colonnes - 2, kCoteGrille);
  for (int64_t i = 1; i <= fin; ++i) {
    const double x = k.x(i), y = m * x + n;
    const double dr = std::floor((y - static_cast<double>(k.y0)) / s);
    const int64_t r = std::isfinite(dr) ? static_cast<int64_t>(std::clamp(dr, -1.0, 1e6)) : -1;
    double z;
    if (g.vide(r, i) || g.vide(r + 1, i)) {
      z = out.empty() ? 0.0 : out.back().z;
    } else {
      const double z0 = g.z(r, i), z1 = g.z(r + 1, i);
      z = z0 + (z1 - z0) * (y - k.y(r)) / s;
    }
    out.push_back({x, y, z});
  }
  return out;
}

std::optional<double> altitudeAu(const GrilleAltitudes& g, const Calage& k, double x, double y) {
  if (!k.valide()) return std::nullopt;
  const double s = static_cast<double>(k.pas);
  const double fc = (x - static_cast<double>(k.x0)) / s, fr = (y - static_cast<double>(k.y0)) / s;
  if (!std::isfinite(fc) || !std::isfinite(fr) || fc < 0 || fr < 0 || fc > 1e6 || fr > 1e6)
    return std::nullopt;
  const int64_t c = static_cast<int64_t>(fc), r = static_cast<int64_t>(fr);
  if (g.vide(r, c) || g.vide(r, c + 1) || g.vide(r + 1, c) || g.vide(r + 1, c + 1))
    return std::nullopt;
  const double u = fc - static_cast<double>(c), v = fr - static_cast<double>(r);
  return (1 - u) * (1 - v) * g.z(r, c) + u * (1 - v) * g.z(r, c + 1) + (1 - u) * v * g.z(r + 1, c) +
         u * v * g.z(r + 1, c + 1);
}

}  // namespace dem
