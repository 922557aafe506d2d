#include "road/points_axe3d.h"

#include <algorithm>
#include <climits>

#include "framework/error_stream.h"
#include "road/createurs.h"
#include "road/jetons_projet.h"
#include "road/rapport_lecture.h"
#include "road/tags.h"

namespace road {

const char* POINTS_AXE3D::identifiant() const { return kTagPointsAxe3d; }

bool POINTS_AXE3D::ecrit(std::ostream& sortie) const {
  sortie << kTagPointsAxe3d << '\n';
  for (const POINT_AXE3D& p : points_) {
    sortie << p.abscisse << ' ' << p.valeur;
    for (const framework::Point3D& point : p.points)
      sortie << ' ' << point[0] << ' ' << point[1] << ' ' << point[2];
    sortie << '\n';
  }
  return sortie.good();
}

bool POINTS_AXE3D::ES(std::istream& entree, OBJET_ES*, std::string&) {
  points_.clear();
  // A failed entry fails the stream, and a failed stream shows no next
  // character: every pass consumes input or ends the table.
  while (debutNombre(regardeSuivant(entree))) {
    POINT_AXE3D p;
    bool lu = lisReel(entree, p.abscisse) && lisReel(entree, p.valeur);
    for (framework::Point3D& point : p.points)
      for (double& coordonnee : point) lu = lu && lisReel(entree, coordonnee);
    if (!lu) erreurLecture("Erreur de lecture d'un ptaxe");
    points_.push_back(p);
  }
  return true;
}

void POINTS_AXE3D::decale(double d) {
  for (POINT_AXE3D& p : points_) p.abscisse += d;
}

int32_t POINTS_AXE3D::nombre() const {
  return points_.size() > INT32_MAX ? INT32_MAX : static_cast<int32_t>(points_.size());
}

std::unique_ptr<OBJET_ES> creePointsAxe3d() { return std::make_unique<POINTS_AXE3D>(); }

bool POINTS_AXE3D::relisible() const {
  return std::all_of(points_.begin(), points_.end(), [](const POINT_AXE3D& p) {
    bool finis = reelRelisible(p.abscisse) && reelRelisible(p.valeur);
    for (const framework::Point3D& point : p.points)
      for (double coordonnee : point) finis = finis && reelRelisible(coordonnee);
    return finis;
  });
}

}  // namespace road
