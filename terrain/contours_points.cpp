#include "terrain/contours_points.h"

#include <algorithm>
#include <cmath>

#include "terrain/tolerances.h"

namespace terrain {

namespace {

bool lie(const PT_MAILLE* de, const PT_MAILLE* vers) {
  return std::find(de->voisins.begin(), de->voisins.end(), vers) != de->voisins.end();
}

// A link a->b is free while b does not link back to a.
bool libre(const PT_MAILLE* a, const PT_MAILLE* b) { return !lie(b, a); }

// Clockwise angle from direction u to direction v, in (0, 2 pi].
double angleHoraire(double ux, double uy, double vx, double vy) {
  double a = std::atan2(ux * vy - uy * vx, ux * vx + uy * vy);  // counter-clockwise, (-pi, pi]
  a = -a;
  if (a <= 0.0) a += 2.0 * PI;
  return a;
}

// The way on from c, having come from `precedent` (null at the start).
PT_MAILLE* suivant(const PT_MAILLE* c, const PT_MAILLE* precedent) {
  PT_MAILLE* choisi = nullptr;
  double meilleur = 0.0;
  for (PT_MAILLE* n : c->voisins) {
    if (!libre(c, n)) continue;
    if (!precedent) return n;
    const double a =
        angleHoraire(precedent->x - c->x, precedent->y - c->y, n->x - c->x, n->y - c->y);
    if (!choisi || a < meilleur) {
      choisi = n;
      meilleur = a;
    }
  }
  return choisi;
}

}  // namespace

std::vector<CONTOUR> traceContours(MAILLAGE& maillage) {
  std::vector<CONTOUR> contours;
  for (PT_MAILLE* p : ordreDeListe(maillage.points())) {
    while (PT_MAILLE* q = suivant(p, nullptr)) {
      CONTOUR contour;
      contour.points.push_back(p);
      q->voisins.push_back(p);
      const PT_MAILLE* precedent = p;
      PT_MAILLE* c = q;
      while (true) {
        contour.points.push_back(c);
        PT_MAILLE* n = suivant(c, precedent);
        if (!n) break;  // a chain that stops: open
        n->voisins.push_back(c);
        if (n == p) {
          contour.ferme = true;
          break;
        }
        precedent = c;
        c = n;
      }
      contours.push_back(std::move(contour));
    }
  }
  return contours;
}

}  // namespace terrain
