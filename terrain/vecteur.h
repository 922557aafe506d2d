// A point or vector of the terrain model: three doubles and a flag word that
// the mesh records use. Most operations are planimetric: they read x and y and
// leave z to the caller.
#pragma once
#include <cstdint>
#include <iosfwd>
#include <span>

#include "terrain/tolerances.h"

namespace terrain {

struct VECTEUR {
  uint16_t drapeaux = 0;  // 0 for a plain vector
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;

  VECTEUR() = default;
  VECTEUR(double x, double y, double z = 0.0) : x(x), y(y), z(z) {}

  // In place, on the three components; the flag word is kept.
  VECTEUR& operator+=(const VECTEUR& v);
  VECTEUR& operator-=(const VECTEUR& v);
  VECTEUR& operator*=(double s);
  VECTEUR& operator/=(double s);  // multiplies by 1/s
  bool oppose();                  // negates; always true

  // x, y and z are the same numbers, bit for bit (the flag word is not compared).
  bool egalExact(const VECTEUR& v) const;
  // Every one of the first two (or three) components differs by less than eps.
  bool egal2D(const VECTEUR& v, double eps = EPS_COORD) const;
  bool egal3D(const VECTEUR& v, double eps = EPS_COORD) const;
  // |x|, |y| and |z| all below EPS_COORD.
  bool estNul() const;

  double normeXY() const;
  double norme() const;
  double distanceXY(const VECTEUR& v) const;
  double distance(const VECTEUR& v) const;

  // atan2(y, x) in [0, 2pi).
  double angleDirection() const;
  // Rotation in the plane about the origin; z is kept.
  VECTEUR& tourne(double angle);
  // Divides the vector by its 3D (or 2D) norm; false and unchanged when that
  // norm is 0. normaliseXY divides z too, so that it stays the rise per unit
  // of horizontal length.
  bool normalise();
  bool normaliseXY();

  // The part of the convex polygon s inside the convex polygon c, written to
  // `sortie`, whose size is the capacity (n + m points always suffice; two
  // triangles give at most 6). Both polygons are taken clockwise (copies are
  // turned, the inputs are left as they are). Returns the number of points
  // written; when the intersection has more points than the capacity, a message
  // goes to the error stream and only the first points are written.
  static int Intersection(std::span<const VECTEUR> s, std::span<const VECTEUR> c,
                          std::span<VECTEUR> sortie);
};

// Differences, sums and scaling on the three components; the result is a plain
// vector (flag word 0).
VECTEUR operator+(const VECTEUR& a, const VECTEUR& b);
VECTEUR operator-(const VECTEUR& b, const VECTEUR& a);  // b - a
VECTEUR operator*(const VECTEUR& v, double s);

// a.x*b.y - a.y*b.x and a.x*b.x + a.y*b.y.
double vectoriel2D(const VECTEUR& a, const VECTEUR& b);
double scalaire2D(const VECTEUR& a, const VECTEUR& b);

// Angle from the direction of a to that of b, in (-pi, pi]; measured from the
// opposite of a when `depuisOppose`, and given in [0, 2pi) when `positif`.
double angleEntre(const VECTEUR& a, const VECTEUR& b, bool depuisOppose = false,
                  bool positif = false);

// b - a turned by k quarter turns (k*pi/2), z kept; not normalised.
VECTEUR directionTournee(const VECTEUR& a, const VECTEUR& b, int quartsDeTour);

// "(" x ", " y ", " z ")" with the stream's number format.
std::ostream& operator<<(std::ostream& os, const VECTEUR& v);

}  // namespace terrain
