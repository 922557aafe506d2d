// The spatial grid of a mesh: about ten points per cell, each cell listing the
// points, segments and triangles whose box (enlarged by 0.01) meets it.
#pragma once
#include <cstddef>
#include <span>
#include <vector>

#include "terrain/elements_maillage.h"

namespace terrain {

// A triangle as a cell lists it: its box from the grid's corner, rounded
// outward to floats, so that a query rejects most of a cell's triangles
// without reading them (on a large mesh each read is a cache miss).
struct ENTREE_TRIANGLE {
  TRI_MAILLE* triangle;
  float x0, y0, x1, y1;
};

struct CELLULE_MAILLAGE {
  std::vector<PT_MAILLE*> points;
  std::vector<SEG_MAILLE*> segments;
  std::vector<ENTREE_TRIANGLE> triangles;
};

// A query box relative to the grid's corner.
struct BOITE_RELATIVE {
  double x0, y0, x1, y1;
};

inline PT_MAILLE* element(PT_MAILLE* p) { return p; }
inline SEG_MAILLE* element(SEG_MAILLE* s) { return s; }
inline TRI_MAILLE* element(const ENTREE_TRIANGLE& e) { return e.triangle; }

// Whether a cell's item may meet the query box: points and segments are
// handed out by cell, triangles by their box as well.
inline bool peutRencontrer(const PT_MAILLE*, const BOITE_RELATIVE&) { return true; }
inline bool peutRencontrer(const SEG_MAILLE*, const BOITE_RELATIVE&) { return true; }
inline bool peutRencontrer(const ENTREE_TRIANGLE& e, const BOITE_RELATIVE& b) {
  return !(e.x1 < b.x0 || e.x0 > b.x1 || e.y1 < b.y0 || e.y0 > b.y1);
}

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
  // The same box relative to the grid's corner, for peutRencontrer.
  BOITE_RELATIVE relative(double x0, double y0, double x1, double y1, double marge) const;
  CELLULE_MAILLAGE& cellule(int i, int j) { return cellules_[static_cast<size_t>(j) * g_ + i]; }
  CELLULE_MAILLAGE& cellule(size_t numero) { return cellules_[numero]; }
  const CELLULE_MAILLAGE& cellule(size_t numero) const { return cellules_[numero]; }

  // The number of the cell holding (x, y), row by row.
  size_t numeroCellule(double x, double y) const {
    return static_cast<size_t>(indiceY(y)) * static_cast<size_t>(g_) +
           static_cast<size_t>(indiceX(x));
  }
  size_t nombreCellules() const { return cellules_.size(); }

  void inscrit(PT_MAILLE* p);
  void inscrit(SEG_MAILLE* s);
  void inscrit(TRI_MAILLE* t);
  // Many at once: each cell's list grows once, to its final size.
  void inscrit(std::span<PT_MAILLE* const> points);
  void inscrit(std::span<TRI_MAILLE* const> triangles);
  void desinscrit(SEG_MAILLE* s);
  void videSegments();

 private:
  int indiceX(double x) const;
  int indiceY(double y) const;
  template <typename T, typename Liste>
  void inscritTous(std::span<T* const> items, Liste liste);
  template <typename T, typename Liste>
  void inscritBoite(const T& item, double x0, double y0, double x1, double y1, Liste liste);

  std::vector<CELLULE_MAILLAGE> cellules_;
  VECTEUR min_, max_;
  double largeur_ = 1.0, hauteur_ = 1.0;
  int g_ = 0;
};

}  // namespace terrain
