// The plain scan of the point-set triangulation: every point tried for every
// front edge, the front and the outline walked whole. Kept as the reference
// the indexed search must match, face for face.
#pragma once
#include <vector>

#include "tools3d/regles_semis.h"
#include "tools3d/triangulation_semis.h"

namespace balayage {

using tools3d::Point3D;

struct FACE {
  Point3D a, b, c;
  bool operator==(const FACE&) const = default;
};

// Stops, as the product does, past kFacesParPoint faces a point.
inline std::vector<FACE> triangule(const std::vector<Point3D>& selection, double rayon) {
  using namespace tools3d;
  std::vector<FACE> faces;
  const std::vector<Point3D> p = triParDistance(selection);
  if (p.size() < 3) return faces;
  const Point3D centre = centreBoite(selection);
  std::vector<double> dist;
  for (const Point3D& q : p) dist.push_back(distance3D(q, centre));
  struct ARETE {
    int i, j, k;
    Point3D m;
  };
  std::vector<ARETE> front;
  std::vector<std::pair<int, int>> contours;
  const auto insere = [&](size_t depuis, int i, int j, int k) {
    const ARETE a{i, j, k, milieu(p[i], p[j])};
    const double d = distance3D(a.m, centre);
    size_t at = depuis;
    while (at < front.size() && !(distance3D(front[at].m, centre) > d)) ++at;
    front.insert(front.begin() + at, a);
  };
  faces.push_back({p[0], p[1], p[2]});
  front.push_back({0, 1, 2, milieu(p[0], p[1])});
  insere(1, 1, 2, 0);
  insere(1, 0, 2, 1);
  const double voisinage = kFacteurVoisinage * rayon;
  for (size_t c = 0; c < front.size() && faces.size() <= kFacesParPoint * p.size(); ++c) {
    const ARETE e = front[c];
    const double moyenne = (dist[e.i] + dist[e.j]) / 2;
    double meilleure = rayon;
    int choisi = -1;
    for (int q = 0; q < static_cast<int>(p.size()); ++q) {
      if (q == e.i || q == e.j || q == e.k) continue;
      if (!(std::fabs(dist[q] - moyenne) < rayon)) continue;
      if (!deCoteOppose(p[e.i], p[e.j], e.m, p[e.k], p[q])) continue;
      const double d = distance3D(e.m, p[q]);
      if (!(d < meilleure)) continue;
      bool libre = true;
      for (size_t f = c + 1; f < front.size() && libre; ++f)
        if (distance3D(front[f].m, e.m) < voisinage &&
            coupeArete(p[q], e.m, p[front[f].i], p[front[f].j]))
          libre = false;
      const Point3D mPlan{e.m[0], e.m[1], 0};
      for (const auto& [a, b] : contours) {
        if (!libre) break;
        const Point3D mc = milieu(p[a], p[b]);
        if (distancePlan({mc[0], mc[1], 0}, mPlan) < voisinage && coupeArete(p[q], e.m, p[a], p[b]))
          libre = false;
        const bool adjacente = a == e.i || a == e.j || b == e.i || b == e.j;
        if (adjacente && (a == q || b == q)) libre = false;
      }
      if (!libre) continue;
      meilleure = d;
      choisi = q;
    }
    if (choisi < 0) {
      contours.emplace_back(e.i, e.j);
      continue;
    }
    faces.push_back({p[e.i], p[e.j], p[choisi]});
    for (const auto& [a, oppose] : {std::pair{e.i, e.j}, std::pair{e.j, e.i}}) {
      size_t f = c + 1;
      while (f < front.size() && !((front[f].i == choisi && front[f].j == a) ||
                                   (front[f].i == a && front[f].j == choisi)))
        ++f;
      if (f < front.size())
        front.erase(front.begin() + f);
      else
        insere(c + 1, choisi, a, oppose);
    }
  }
  return faces;
}

}  // namespace balayage
