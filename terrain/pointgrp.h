// Planimetric predicates and constructions on points and polygons: sides,
// projections, areas and prism volumes, plane heights, segment and line
// crossings. Every computation is made relative to a point of the figure, so
// that the tolerances mean the same at national-grid coordinates as near 0.
#pragma once
#include <array>
#include <optional>
#include <span>
#include <vector>

#include "terrain/vecteur.h"

namespace terrain {

// Origin and two directions of a plane (unit when built from candidates,
// B - A and C - A when built from three points).
struct REPERE_PLAN {
  VECTEUR origine;
  VECTEUR u;
  VECTEUR v;
};

// A line through two points, as the clipping uses it; the points must outlive it.
struct DROITE {
  const VECTEUR* a;
  const VECTEUR* b;
  double dx;  // b.x - a.x
  double dy;  // b.y - a.y

  DROITE(const VECTEUR& a, const VECTEUR& b);
  // dx*(p.y - a.y) - dy*(p.x - a.x): positive left of a->b, negative right.
  double cote(const VECTEUR& p) const;
};

// Result of a projection on a line: the along value and the signed offset
// (positive right of the line), scaled by the mode of the call.
struct PROJECTION {
  bool valide = false;  // false when the line is null (|d|^2 < EPS_DET)
  double abscisse = 0.0;
  double decalage = 0.0;
};

// Result of a segment intersection.
struct INTERSECTION_SEGMENTS {
  enum Type { AUCUNE = 0, POINT = 1, RECOUVREMENT = 2, SEGMENT_NUL = 3 };
  // 0: no intersection. Otherwise 1, or for a collinear overlap the number of
  // axes along which the overlap extends (1 for a horizontal or vertical line, 2
  // otherwise).
  int resultat = 0;
  // AUCUNE also for the same two point objects given twice (resultat 1).
  Type type = AUCUNE;
  VECTEUR point;           // POINT: the crossing, z from the segment named below
  double parametre = 0.0;  // POINT: along the segment whose z was used
  bool surSecond = false;  // POINT: z and parameter taken along the second segment
  // RECOUVREMENT: the endpoints sorted by increasing x (by increasing y when
  // the line is closer to vertical), an object given twice kept once (3 or 4).
  std::array<const VECTEUR*, 4> extremites{};
  int nbExtremites = 0;

  explicit operator bool() const { return resultat != 0; }
};

// Two polygons cut apart at the zero height: each closed by the two cut points,
// the first from the first cut to the second one along the walk.
struct DECOUPE_ZERO {
  std::vector<VECTEUR> premier;
  std::vector<VECTEUR> second;
  VECTEUR coupe1;
  VECTEUR coupe2;
};

using TRIANGLE = std::array<VECTEUR, 3>;

// A polyline or polygon of points, and the planimetric operations on points.
struct POINTGRP {
  std::vector<VECTEUR> points;

  // Signed side of p to a->b: -cross(b - a, p - a), positive when p is right.
  static double cote(const VECTEUR& a, const VECTEUR& b, const VECTEUR& p);
  // Strictly right (side > 0); the side value in *valeur when given.
  static bool aDroite(const VECTEUR& a, const VECTEUR& b, const VECTEUR& p,
                      double* valeur = nullptr);
  // mode -1 accepts side < 0, mode 1 side > 0; side = 0 too unless strict.
  static bool coteMode(const VECTEUR& a, const VECTEUR& b, const VECTEUR& p, int mode, bool strict);
  // p is on the side asked for (as coteMode) of the path a->b->c: where the
  // path turns towards that side, p must pass the test against both edges,
  // elsewhere against either; when a equals b or b equals c (EPS_COORD) the
  // remaining edge decides.
  static bool aDroiteChemin(const VECTEUR& a, const VECTEUR& b, const VECTEUR& c, const VECTEUR& p,
                            int mode, bool strict);

  // Projection of p on the line a->b: along value dot(d, p - a) and offset
  // -cross(d, p - a), d = b - a; mode 0 raw, 1 and 2 divided by |d|^2 (the
  // along value is then the parameter), 3 divided by |d| (metres).
  static PROJECTION projette(const VECTEUR& a, const VECTEUR& b, const VECTEUR& p, int mode);
  // Foot of the perpendicular from p on the line a->b, z interpolated along a->b;
  // none when the line is null.
  static std::optional<VECTEUR> pied(const VECTEUR& a, const VECTEUR& b, const VECTEUR& p);

  static double aireTriangle(const VECTEUR& a, const VECTEUR& b, const VECTEUR& c);  // 2D
  static double aireHeron(const VECTEUR& a, const VECTEUR& b, const VECTEUR& c);     // 3D sides
  // 2D area times the mean height of the three points.
  static double volumePrisme(const VECTEUR& a, const VECTEUR& b, const VECTEUR& c);
  // Sum of the prism volumes of the fan (p0, pi, pi+1); 0 under 3 points.
  static double volumeEventail(std::span<const VECTEUR> polygone);
  // The fan (p0, pi, pi+1); empty under 3 points.
  static std::vector<TRIANGLE> triangulationEventail(std::span<const VECTEUR> polygone);
  // Shoelace over x, y with the closing edge; positive counter-clockwise.
  static double aireSignee(std::span<const VECTEUR> polygone);
  // Reverses the polygon in place when its signed area is >= -EPS_COORD;
  // true when it was reversed.
  static bool orienteHoraire(std::span<VECTEUR> polygone);
  // Odd count of edges crossed by the ray from p towards +x; an edge counts
  // when min(y) < p.y <= max(y), so a vertex level with p counts once.
  static bool interieur(std::span<const VECTEUR> polygone, const VECTEUR& p);

  // Origin and the first two usable directions among up to three candidates:
  // each is normalised, the first non-null one is u, the next one that is
  // neither u nor -u (EPS_COORD) is v. None when there are not two.
  static std::optional<REPERE_PLAN> repere(const VECTEUR& origine,
                                           std::span<const VECTEUR> candidats);
  // The frame (a, b - a, c - a).
  static REPERE_PLAN repere(const VECTEUR& a, const VECTEUR& b, const VECTEUR& c);
  // Height at (x, y) of the plane; z = 0 and false when the plane is vertical
  // or degenerate (|cross(u, v)| < EPS_COORD).
  static bool zPlan(const REPERE_PLAN& plan, double x, double y, double& z);
  static bool zPlan(const VECTEUR& a, const VECTEUR& b, const VECTEUR& c, double x, double y,
                    double& z);
  // Replaces the z of every point by the height of the plane abc; false (and
  // every z 0) when the plane is degenerate.
  static bool zSurTriangle(std::span<VECTEUR> points, const VECTEUR& a, const VECTEUR& b,
                           const VECTEUR& c);
  // Cuts the closed polygon where z changes sign: a vertex at z = 0 is a cut,
  // an edge whose ends have opposite signs gives an interpolated cut (z = 0).
  // None unless there are exactly two cuts that are not consecutive vertices.
  static std::optional<DECOUPE_ZERO> decoupeZero(std::span<const VECTEUR> polygone);

  // Intersection of the segments p0-p1 and p2-p3 (point objects compared by
  // address for shared endpoints). Touching at endpoints only is no
  // intersection; a T-contact is one. Writes "POINTGRP::Intersection :
  // segments nuls" when neither segment has a usable direction.
  static INTERSECTION_SEGMENTS Intersection(const VECTEUR& p0, const VECTEUR& p1, const VECTEUR& p2,
                                            const VECTEUR& p3);
  // Crossing of the segment a-b with the line, strictly inside the segment; z = 0.
  static std::optional<VECTEUR> Intersection(const VECTEUR& a, const VECTEUR& b,
                                             const DROITE& droite);
};

}  // namespace terrain
