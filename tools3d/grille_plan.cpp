#include "tools3d/grille_plan.h"

#include <algorithm>
#include <cmath>

namespace tools3d {

namespace {

constexpr int kCellulesMax = 4096;

}  // namespace

GRILLE_PLAN::GRILLE_PLAN(const std::vector<Point3D>& points, double rayon, double fractionRayon) {
  if (points.empty()) {
    cellules_.resize(1);
    return;
  }
  double x1 = points[0][0], y1 = points[0][1], x2 = x1, y2 = y1, grand = 0;
  for (const Point3D& p : points) {
    x1 = std::min(x1, p[0]);
    x2 = std::max(x2, p[0]);
    y1 = std::min(y1, p[1]);
    y2 = std::max(y2, p[1]);
    grand = std::max({grand, std::fabs(p[0]), std::fabs(p[1])});
  }
  const double w = x2 - x1, h = y2 - y1, etendue = std::max(w, h);
  // Rounding of the crossing tests stays far inside this margin.
  marge_ = 1e-9 * (1 + grand);
  cote_ = std::max({std::sqrt(w * h / points.size()) * 1.5, etendue / (kCellulesMax - 1),
                    rayon * fractionRayon, marge_});
  x0_ = x1;
  y0_ = y1;
  nx_ = std::min(kCellulesMax, static_cast<int>(w / cote_) + 1);
  ny_ = std::min(kCellulesMax, static_cast<int>(h / cote_) + 1);
  cellules_.resize(static_cast<size_t>(nx_) * ny_);
}

int GRILLE_PLAN::colonne(double x) const {
  const double c = std::floor((x - x0_) / cote_);
  return c < 0 ? 0 : c >= nx_ ? nx_ - 1 : static_cast<int>(c);
}

int GRILLE_PLAN::ligne(double y) const {
  const double l = std::floor((y - y0_) / cote_);
  return l < 0 ? 0 : l >= ny_ ? ny_ - 1 : static_cast<int>(l);
}

void GRILLE_PLAN::ajoutePoint(int id, const Point3D& p) {
  cellule(colonne(p[0]), ligne(p[1])).push_back(id);
}

void GRILLE_PLAN::ajouteSegment(int id, const Point3D& a, const Point3D& b) {
  const int c1 = colonne(std::min(a[0], b[0]) - marge_),
            c2 = colonne(std::max(a[0], b[0]) + marge_);
  const int l1 = ligne(std::min(a[1], b[1]) - marge_), l2 = ligne(std::max(a[1], b[1]) + marge_);
  for (int l = l1; l <= l2; ++l)
    for (int c = c1; c <= c2; ++c) cellule(c, l).push_back(id);
}

bool GRILLE_PLAN::anneau(const Point3D& m, int rang, const std::function<void(int)>& visite) const {
  const int cm = colonne(m[0]), lm = ligne(m[1]);
  const auto visiteCellule = [&](int c, int l) {
    if (c < 0 || c >= nx_ || l < 0 || l >= ny_) return;
    for (int id : cellule(c, l)) visite(id);
  };
  if (rang == 0) {
    visiteCellule(cm, lm);
  } else {
    for (int c = cm - rang; c <= cm + rang; ++c) {
      visiteCellule(c, lm - rang);
      visiteCellule(c, lm + rang);
    }
    for (int l = lm - rang + 1; l <= lm + rang - 1; ++l) {
      visiteCellule(cm - rang, l);
      visiteCellule(cm + rang, l);
    }
  }
  return rang < std::max({cm, nx_ - 1 - cm, lm, ny_ - 1 - lm});
}

void GRILLE_PLAN::segmentsPres(const Point3D& a, const Point3D& b,
                               const std::function<bool(int)>& visite) {
  const int c1 = colonne(std::min(a[0], b[0]) - marge_),
            c2 = colonne(std::max(a[0], b[0]) + marge_);
  const int l1 = ligne(std::min(a[1], b[1]) - marge_), l2 = ligne(std::max(a[1], b[1]) + marge_);
  for (int l = l1; l <= l2; ++l)
    for (int c = c1; c <= c2; ++c) {
      std::vector<int>& ids = cellule(c, l);
      for (size_t n = 0; n < ids.size();) {
        if (visite(ids[n])) {
          ++n;
        } else {
          ids[n] = ids.back();
          ids.pop_back();
        }
      }
    }
}

}  // namespace tools3d
