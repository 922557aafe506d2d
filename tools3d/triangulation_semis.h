// Triangulation of a point set by an advancing front grown from its centre:
// faces as they are found, and the outline edges for which no third point
// lies within the search radius. Candidates and nearby edges come from grids,
// so the work grows about linearly with the points; the faces, their order
// and the ties are those of a scan of every point for every front edge.
#pragma once
#include <cstddef>
#include <vector>

#include "framework/point_3d.h"

namespace tools3d {

using framework::Point3D;

class ECOUTE_TRIANGULATION {
 public:
  virtual ~ECOUTE_TRIANGULATION() = default;
  virtual void face(const Point3D& a, const Point3D& b, const Point3D& c) = 0;
  // `rang`: the number of outline edges found before; i, j: the indices of
  // its ends among the points sorted from the centre.
  virtual void contour(int rang, int i, int j, const Point3D& a, const Point3D& b) = 0;
  // The front's cursor reached the mark (one call per generation of the front).
  virtual void progression(size_t curseur, size_t longueur) = 0;
  // Asked before each front edge: stop now.
  virtual bool interrompu() = 0;
};

// The centre of the points' bounding box (x, y and z).
Point3D centreBoite(const std::vector<Point3D>& points);

// The points ordered by their 3D distance from the centre of their bounding
// box, equal distances in the given order.
std::vector<Point3D> triParDistance(const std::vector<Point3D>& points);

// How a run ended.
enum class FIN_TRIANGULATION {
  Complete,     // the front is exhausted
  Interrompue,  // the listener asked to stop
  Limite,       // more faces than kFacesParPoint per point: the front does not close
};

// A plane triangulation has fewer than 2 faces per point; past this many the
// front is covering ground it already covered (points of a regular grid can
// make it do that), and the run stops.
constexpr size_t kFacesParPoint = 8;

// Triangulates `points` (three or more, in selection order: they are sorted
// here, and the indices handed to `contour` are those of the sorted order)
// with the search radius `rayon` (> 0).
FIN_TRIANGULATION trianguleSemis(const std::vector<Point3D>& points, double rayon,
                                 ECOUTE_TRIANGULATION& ecoute);

}  // namespace tools3d
