#include "terrain/grille_maillage.h"

#include <algorithm>
#include <cmath>

namespace terrain {

namespace {

constexpr double kBordInscription = 0.01;

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

template <typename T, typename Liste>
void GRILLE_MAILLAGE::inscritBoite(T* item, double x0, double y0, double x1, double y1,
                                   Liste liste) {
  const PLAGE_CELLULES r = plage(x0, y0, x1, y1, 0.0);
  for (int j = r.j0; j <= r.j1; ++j)
    for (int i = r.i0; i <= r.i1; ++i) (cellule(i, j).*liste).push_back(item);
}

void GRILLE_MAILLAGE::inscrit(PT_MAILLE* p) {
  if (prete()) inscritBoite(p, p->x, p->y, p->x, p->y, &CELLULE_MAILLAGE::points);
}

void GRILLE_MAILLAGE::inscrit(SEG_MAILLE* s) {
  if (prete()) inscritBoite(s, s->a->x, s->a->y, s->b->x, s->b->y, &CELLULE_MAILLAGE::segments);
}

void GRILLE_MAILLAGE::inscrit(TRI_MAILLE* t) {
  if (!prete()) return;
  const double x0 = std::min({t->p[0]->x, t->p[1]->x, t->p[2]->x});
  const double x1 = std::max({t->p[0]->x, t->p[1]->x, t->p[2]->x});
  const double y0 = std::min({t->p[0]->y, t->p[1]->y, t->p[2]->y});
  const double y1 = std::max({t->p[0]->y, t->p[1]->y, t->p[2]->y});
  inscritBoite(t, x0, y0, x1, y1, &CELLULE_MAILLAGE::triangles);
}

void GRILLE_MAILLAGE::desinscrit(SEG_MAILLE* s) {
  if (!prete()) return;
  const PLAGE_CELLULES r = plage(s->a->x, s->a->y, s->b->x, s->b->y, 0.0);
  for (int j = r.j0; j <= r.j1; ++j)
    for (int i = r.i0; i <= r.i1; ++i) std::erase(cellule(i, j).segments, s);
}

}  // namespace terrain
