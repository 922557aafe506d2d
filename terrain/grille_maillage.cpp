#include "terrain/grille_maillage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace terrain {

namespace {

constexpr double kBordInscription = 0.01;

// The float nearest v on the side away from the box's inside.
float versLeBas(double v) {
  float f = static_cast<float>(v);
  if (static_cast<double>(f) > v) f = std::nextafter(f, -std::numeric_limits<float>::infinity());
  return f;
}
float versLeHaut(double v) {
  float f = static_cast<float>(v);
  if (static_cast<double>(f) < v) f = std::nextafter(f, std::numeric_limits<float>::infinity());
  return f;
}

}  // namespace

void GRILLE_MAILLAGE::prepare(const VECTEUR& min, const VECTEUR& max, size_t nombrePoints) {
  g_ = static_cast<int>(std::floor(std::sqrt(static_cast<double>(nombrePoints / 10)))) + 1;
  min_ = min;
  max_ = max;
  largeur_ = (max.x - min.x) / g_;
  hauteur_ = (max.y - min.y) / g_;
  // A box without width or height (points on a line) would put everything in
  // one row; any positive size keeps the cell arithmetic finite.
  if (!(largeur_ > 0.0)) largeur_ = 1.0;
  if (!(hauteur_ > 0.0)) hauteur_ = 1.0;
  cellules_.assign(static_cast<size_t>(g_) * g_, CELLULE_MAILLAGE());
}

void GRILLE_MAILLAGE::vide() {
  cellules_.clear();
  g_ = 0;
}

int GRILLE_MAILLAGE::indiceX(double x) const {
  const double i = std::trunc((x - min_.x) / largeur_);
  if (!(i > 0.0)) return 0;  // NaN too
  return i >= g_ - 1 ? g_ - 1 : static_cast<int>(i);
}

int GRILLE_MAILLAGE::indiceY(double y) const {
  const double j = std::trunc((y - min_.y) / hauteur_);
  if (!(j > 0.0)) return 0;
  return j >= g_ - 1 ? g_ - 1 : static_cast<int>(j);
}

PLAGE_CELLULES GRILLE_MAILLAGE::plage(double x0, double y0, double x1, double y1,
                                      double marge) const {
  PLAGE_CELLULES r;
  if (!prete()) return r;
  const double m = marge + kBordInscription;
  r.i0 = indiceX(std::min(x0, x1) - m);
  r.i1 = indiceX(std::max(x0, x1) + m);
  r.j0 = indiceY(std::min(y0, y1) - m);
  r.j1 = indiceY(std::max(y0, y1) + m);
  return r;
}

BOITE_RELATIVE GRILLE_MAILLAGE::relative(double x0, double y0, double x1, double y1,
                                         double marge) const {
  const double m = marge + kBordInscription;
  return {std::min(x0, x1) - m - min_.x, std::min(y0, y1) - m - min_.y,
          std::max(x0, x1) + m - min_.x, std::max(y0, y1) + m - min_.y};
}

template <typename T, typename Liste>
void GRILLE_MAILLAGE::inscritBoite(const T& item, double x0, double y0, double x1, double y1,
                                   Liste liste) {
  const PLAGE_CELLULES r = plage(x0, y0, x1, y1, 0.0);
  for (int j = r.j0; j <= r.j1; ++j)
    for (int i = r.i0; i <= r.i1; ++i) (cellule(i, j).*liste).push_back(item);
}

namespace {

struct BOITE_XY {
  double x0, y0, x1, y1;
};
BOITE_XY boiteDe(const PT_MAILLE* p) { return {p->x, p->y, p->x, p->y}; }
BOITE_XY boiteDe(const TRI_MAILLE* t) {
  return {std::min({t->p[0]->x, t->p[1]->x, t->p[2]->x}),
          std::min({t->p[0]->y, t->p[1]->y, t->p[2]->y}),
          std::max({t->p[0]->x, t->p[1]->x, t->p[2]->x}),
          std::max({t->p[0]->y, t->p[1]->y, t->p[2]->y})};
}

}  // namespace

template <typename T, typename Liste>
void GRILLE_MAILLAGE::inscritTous(std::span<T* const> items, Liste liste) {
  if (!prete()) return;
  std::vector<uint32_t> compte(cellules_.size(), 0);
  for (const T* item : items) {
    const BOITE_XY b = boiteDe(item);
    const PLAGE_CELLULES r = plage(b.x0, b.y0, b.x1, b.y1, 0.0);
    for (int j = r.j0; j <= r.j1; ++j)
      for (int i = r.i0; i <= r.i1; ++i) ++compte[static_cast<size_t>(j) * g_ + i];
  }
  for (size_t c = 0; c < cellules_.size(); ++c)
    if (compte[c] > 0) (cellules_[c].*liste).reserve((cellules_[c].*liste).size() + compte[c]);
  for (T* item : items) inscrit(item);
}

void GRILLE_MAILLAGE::inscrit(std::span<PT_MAILLE* const> points) {
  inscritTous(points, &CELLULE_MAILLAGE::points);
}

void GRILLE_MAILLAGE::inscrit(std::span<TRI_MAILLE* const> triangles) {
  inscritTous(triangles, &CELLULE_MAILLAGE::triangles);
}

void GRILLE_MAILLAGE::inscrit(PT_MAILLE* p) {
  if (prete()) inscritBoite(p, p->x, p->y, p->x, p->y, &CELLULE_MAILLAGE::points);
}

void GRILLE_MAILLAGE::inscrit(SEG_MAILLE* s) {
  if (prete()) inscritBoite(s, s->a->x, s->a->y, s->b->x, s->b->y, &CELLULE_MAILLAGE::segments);
}

void GRILLE_MAILLAGE::inscrit(TRI_MAILLE* t) {
  if (!prete()) return;
  const auto [x0, y0, x1, y1] = boiteDe(t);
  // Subtracting the corner keeps the order of coordinates, so a query point
  // inside the box, taken relative the same way, is inside the rounded box.
  const ENTREE_TRIANGLE e{t, versLeBas(x0 - min_.x), versLeBas(y0 - min_.y),
                          versLeHaut(x1 - min_.x), versLeHaut(y1 - min_.y)};
  inscritBoite(e, x0, y0, x1, y1, &CELLULE_MAILLAGE::triangles);
}

void GRILLE_MAILLAGE::videSegments() {
  for (CELLULE_MAILLAGE& c : cellules_) c.segments.clear();
}

void GRILLE_MAILLAGE::desinscrit(SEG_MAILLE* s) {
  if (!prete()) return;
  const PLAGE_CELLULES r = plage(s->a->x, s->a->y, s->b->x, s->b->y, 0.0);
  for (int j = r.j0; j <= r.j1; ++j)
    for (int i = r.i0; i <= r.i1; ++i) std::erase(cellule(i, j).segments, s);
}

}  // namespace terrain
