#include "tools3d/decalage.h"

#include <cmath>

#include "terrain/pointgrp.h"
#include "tools3d/plan.h"

namespace tools3d {

namespace {

constexpr double kMemeSommet = 0.001;

bool memeSommet(const Point3D& a, const Point3D& b) {
  return std::fabs(a[0] - b[0]) < kMemeSommet && std::fabs(a[1] - b[1]) < kMemeSommet &&
         std::fabs(a[2] - b[2]) < kMemeSommet;
}

// Appends `nouveau` after cutting the loop its segment from the last point
// would close: at the first earlier segment it crosses, that segment's end
// becomes the crossing and the new point follows it.
void ajouteSansBoucle(std::vector<Point3D>& r, const Point3D& nouveau) {
  if (r.size() >= 3) {
    const terrain::VECTEUR a(r.back()[0], r.back()[1]), b(nouveau[0], nouveau[1]);
    for (size_t k = 1; k + 1 < r.size(); ++k) {
      const terrain::VECTEUR c(r[k - 1][0], r[k - 1][1]), d(r[k][0], r[k][1]);
      const terrain::INTERSECTION_SEGMENTS x = terrain::POINTGRP::Intersection(a, b, c, d);
      if (x.type != terrain::INTERSECTION_SEGMENTS::POINT) continue;
      const Point3D croisement{x.point.x, x.point.y, 0};
      const double longueur = distancePlan(r[k - 1], r[k]);
      const double f = longueur > 0 ? distancePlan(r[k - 1], croisement) / longueur : 0;
      const double z = r[k - 1][2] + f * (r[k][2] - r[k - 1][2]);
      r[k] = {croisement[0], croisement[1], z};
      r.resize(k + 1);
      r.push_back(nouveau);
      return;
    }
  }
  r.push_back(nouveau);
}

// p moved by `distance` square to a->b on the side `cote` (+1 left).
Point3D carre(const Point3D& a, const Point3D& b, const Point3D& p, double distance, int cote) {
  const double l = distancePlan(a, b);
  if (!(l > 0)) return p;
  const double f = cote * distance / l;
  return {p[0] - f * (b[1] - a[1]), p[1] + f * (b[0] - a[0]), p[2]};
}

Point3D eleve(Point3D p, double dz) {
  p[2] += dz;
  return p;
}

}  // namespace

int coteDecalage(const Point3D& a0, const Point3D& a1, const Point3D& q) {
  const double delta = anglePlan(a0, q) - anglePlan(a0, a1);
  return (delta < -M_PI || (delta >= 0 && delta <= M_PI)) ? 1 : -1;
}

std::vector<Point3D> decale(const std::vector<Point3D>& a, double distance, int cote,
                            double deltaZ1, const std::function<void(int)>& sommetEnCours) {
  std::vector<Point3D> r;
  const size_t n = a.size();
  if (n < 2) return r;
  if (n == 2) {
    r.push_back(eleve(carre(a[0], a[1], a[0], distance, cote), deltaZ1));
    r.push_back(eleve(carre(a[0], a[1], a[1], distance, cote), deltaZ1));
    return r;
  }
  for (size_t i = 1; i + 1 < n; ++i) {
    if (sommetEnCours) sommetEnCours(static_cast<int>(i + 2));
    if (i == 1) r.push_back(eleve(carre(a[0], a[1], a[0], distance, cote), deltaZ1));
    const double a1 = anglePlan(a[i - 1], a[i]), a2 = anglePlan(a[i], a[i + 1]);
    const double b = a1 + ((a2 - a1) + cote * M_PI) / 2;
    const double t = cote > 0 ? b - a1 : a1 - b;
    // A turn straight back has no corner: the point goes square to the incoming segment.
    const Point3D coin = std::fabs(std::sin(t)) > 1e-12
                             ? polaire(a[i], b, distance / std::sin(t))
                             : carre(a[i - 1], a[i], a[i], distance, cote);
    ajouteSansBoucle(r, eleve(coin, deltaZ1));
    if (i == n - 2)
      ajouteSansBoucle(r, eleve(carre(a[n - 2], a[n - 1], a[n - 1], distance, cote), deltaZ1));
  }
  return r;
}

void appliqueRampe(std::vector<Point3D>& points, double deltaZ1, double deltaZ2) {
  if (deltaZ2 == deltaZ1 || points.size() < 2) return;
  std::vector<double> cumul(points.size(), 0.0);
  for (size_t i = 1; i < points.size(); ++i)
    cumul[i] = cumul[i - 1] + distancePlan(points[i - 1], points[i]);
  const double total = cumul.back();
  for (size_t i = 1; i < points.size(); ++i) {
    const double part = total > 0 ? cumul[i] / total : double(i) / double(points.size() - 1);
    points[i][2] += (deltaZ2 - deltaZ1) * part;
  }
}

std::vector<Point3D> partie(const std::vector<Point3D>& s, const Point3D& p1, const Point3D& p2,
                            const SUR_SEGMENT& surSegment) {
  std::vector<Point3D> r;
  const Point3D* autre = nullptr;
  for (size_t j = 1; j < s.size(); ++j) {
    const Point3D& fin = s[j];
    Point3D x1, x2;
    if (!autre) {
      const bool sur1 = surSegment(s[j - 1], fin, p1, x1);
      const bool sur2 = surSegment(s[j - 1], fin, p2, x2);
      if (sur1 && sur2) return {memeSommet(p1, fin) ? p1 : x1, memeSommet(p2, fin) ? p2 : x2};
      if (!sur1 && !sur2) continue;
      const Point3D& debut = sur1 ? p1 : p2;
      autre = sur1 ? &p2 : &p1;
      const bool coincide = memeSommet(debut, fin);
      r.push_back(coincide ? debut : (sur1 ? x1 : x2));
      if (!coincide) r.push_back(fin);
      continue;
    }
    if (surSegment(s[j - 1], fin, *autre, x1)) {
      r.push_back(memeSommet(*autre, fin) ? *autre : x1);
      return r;
    }
    r.push_back(fin);
  }
  return {};
}

}  // namespace tools3d
