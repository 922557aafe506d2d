// A uniform grid over the plan extent of a point set, holding integer ids of
// points (in one cell) or of segments (in every cell their box touches).
#pragma once
#include <functional>
#include <vector>

#include "framework/point_3d.h"

namespace tools3d {

using framework::Point3D;

class GRILLE_PLAN {
 public:
  // Cells about 1.5 mean point spacings wide, and at least `rayon` times
  // `fractionRayon`; never more than 4096 along a side.
  GRILLE_PLAN(const std::vector<Point3D>& points, double rayon, double fractionRayon);

  void ajoutePoint(int id, const Point3D& p);
  void ajouteSegment(int id, const Point3D& a, const Point3D& b);

  // Every id in the cells at Chebyshev distance `rang` from the cell of m;
  // false when no cell lies beyond that ring.
  bool anneau(const Point3D& m, int rang, const std::function<void(int)>& visite) const;
  // Anything outside rings 0 to `rang` is at least this far from a point of
  // the centre cell.
  double distanceAuDela(int rang) const { return rang * cote_; }

  // The segments whose box may meet the box of a-b; `visite` answers false
  // for an id that has gone, which is then dropped from the cell.
  void segmentsPres(const Point3D& a, const Point3D& b, const std::function<bool(int)>& visite);

 private:
  int colonne(double x) const;
  int ligne(double y) const;
  std::vector<int>& cellule(int c, int l) { return cellules_[static_cast<size_t>(l) * nx_ + c]; }
  const std::vector<int>& cellule(int c, int l) const {
    return cellules_[static_cast<size_t>(l) * nx_ + c];
  }

  double x0_ = 0, y0_ = 0, cote_ = 1, marge_ = 0;
  int nx_ = 1, ny_ = 1;
  std::vector<std::vector<int>> cellules_;
};

}  // namespace tools3d
