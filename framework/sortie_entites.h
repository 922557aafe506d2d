// Drawing output: the module-wide output layer and linetype, and the simple
// entities (points, 3D faces, lines, solids) made at once in the drawing.
// Every refusal of the host is reported on the error stream; output goes on.
#pragma once
#include <string>

#include "framework/liste_resbuf.h"
#include "framework/point_3d.h"

namespace framework {

// The layer of what is output next, cut at its first character that is not
// a letter, a digit, "$", "-" or "_" ("Terrain naturel" gives "Terrain"). A
// null or blank name, or one that cuts to nothing, means no layer group (the
// host's current layer). Answers the previous layer ("" for none).
std::string changeCalqueSortie(const char* nom);
const std::string& calqueSortie();
// The output layer for the life of the object, the previous one put back
// whatever happens meanwhile.
class CalqueSortieTemporaire {
 public:
  explicit CalqueSortieTemporaire(const std::string& calque)
      : precedent_(changeCalqueSortie(calque.c_str())) {}
  ~CalqueSortieTemporaire() {
    changeCalqueSortie(precedent_.empty() ? nullptr : precedent_.c_str());
  }
  CalqueSortieTemporaire(const CalqueSortieTemporaire&) = delete;
  CalqueSortieTemporaire& operator=(const CalqueSortieTemporaire&) = delete;

 private:
  std::string precedent_;
};

// Takes the drawing's current layer (clayer) as output layer.
bool prendCalqueCourant();

// The linetype of lines and polylines output next; null or blank: none.
std::string changeTypeLigneSortie(const char* nom);

// Groups appended to the next point entity, then dropped.
void ajouteAuPointSuivant(ListeResbuf groupes);

// A point: a vertex of the open polyline (sortie_polyligne.h), else a POINT.
bool sortPoint(const Point3D& p);
bool sortFace3D(const Point3D& a, const Point3D& b, const Point3D& c, const Point3D& d);
bool sortLigne(const Point3D& debut, const Point3D& fin);
// Corners in order along the quadrilateral's edge.
bool sortSolide(const Point3D& a, const Point3D& b, const Point3D& c, const Point3D& d);

}  // namespace framework
