// The grid drawn as 3D faces, lines or points coloured by altitude band, and
// the heights of a segment draped on it.
#pragma once
#include <optional>
#include <vector>

#include "dem/bandes_couleur.h"
#include "dem/fenetre.h"
#include "dem/grille_altitudes.h"

namespace dem {

struct Noeud {
  double x = 0, y = 0, z = 0;
};

// Where the drawing goes: the drawing database, the screen, a test.
class SortieDessin {
 public:
  virtual ~SortieDessin() = default;
  // A triangle repeats its third corner as the fourth.
  virtual void face(const Noeud& a, const Noeud& b, const Noeud& c, const Noeud& d,
                    int couleur) = 0;
  virtual void ligne(const Noeud& a, const Noeud& b, int couleur) = 0;
  virtual void point(const Noeud& a, int couleur) = 0;
};

enum class Trace { Faces, Lignes, Points };

// Draws the nodes of the snapped window (those beyond the grid are without
// data). Returns the number of entities drawn.
long tracerGrille(Trace mode, const GrilleAltitudes& g, const Calage& k, const TableBandes& t,
                  SortieDessin& sortie);

// The samples of the segment P-Q where it crosses the grid columns strictly
// east of the window's origin, from west to east. A sample beside a node
// without data takes the previous sample's height, 0 for the first.
std::vector<Noeud> echantillons(const GrilleAltitudes& g, const Calage& k, double px, double py,
                                double qx, double qy);

// The height at a point, bilinear in its cell; nothing when a corner of the
// cell is without data.
std::optional<double> altitudeAu(const GrilleAltitudes& g, const Calage& k, double x, double y);

}  // namespace dem
