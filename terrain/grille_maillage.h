// The spatial grid of a mesh: about ten points per cell, each cell listing the
// points, segments and triangles whose box (enlarged by 0.01) meets it.
#pragma once
#include <cstddef>
#include <vector>

#include "terrain/elements_maillage.h"

namespace terrain {

struct CELLULE_MAILLAGE {
  std::vector<PT_MAILLE*> points;
  std::vector<SEG_MAILLE*> segments;
  std::vector<TRI_MAILLE*> triangles;
};

// A rectangle of cells, bounds included.
struct PLAGE_CELLULES {
  int i0 = 0, j0 = 0, i1 = -1, j1 = -1;
};

class GRILLE_MAILLAGE {
 public:
  // g = floor(sqrt(n / 10)) + 1 cells per side over the box; a flat box still
  // gets cells of positive size.
  void prepare(const VECTEUR& min, const VECTEUR& max, size_t nombrePoints);
  void vide();
  bool prete() const { return !cellules_.empty(); }
  int cotes() const { return g_; }
  const VECTEUR& min() const { return min_; }
  const VECTEUR& max() const { return max_; }

  // The cells met by the box (x0, y0)-(x1, y1) enlarged by `marge` + 0.01.
  PLAGE_CELLULES plage(double x0, double y0, double x1, double y1, double marge) const;
  CELLULE_MAILLAGE& cellule(int i, int j) { return cellules_[static_cast<size_t>(j) * g_ + i]; }

  // The number of the cell holding (x, y), row by row.
  size_t numeroCellule(double x, double y) const {
    return static_cast<size_t>(indiceY(y)) * static_cast<size_t>(g_) +
           static_cast<size_t>(indiceX(x));
  }
  size_t nombreCellules() const { return cellules_.size(); }

  void inscrit(PT_MAILLE* p);
  void inscrit(SEG_MAILLE* s);
  void inscrit(TRI_MAILLE* t);
  void desinscrit(SEG_MAILLE* s);

 private:
  int indiceX(double x) const;
  int indiceY(double y) const;
  template <typename T, typename Liste>
  void inscritBoite(T* item, double x0, double y0, double x1, double y1, Liste liste);

  std::vector<CELLULE_MAILLAGE> cellules_;
  VECTEUR min_, max_;
  double largeur_ = 1.0, hauteur_ = 1.0;
  int g_ = 0;
};

}  // namespace terrain
