#include "terrain/donnees_dessin.h"

#include <vector>

#include "framework/lecteur_entites.h"
#include "framework/sortie_entites.h"
#include "framework/types_objets.h"
#include "terrain/maillage.h"

namespace terrain {

namespace {

VECTEUR versVecteur(const framework::Point3D& p) { return VECTEUR(p[0], p[1], p[2]); }
framework::Point3D versPoint(const VECTEUR& v) { return {v.x, v.y, v.z}; }

class LECTEUR_DONNEES_3D : public framework::LECTEUR_ENTITES {
 public:
  explicit LECTEUR_DONNEES_3D(MAILLAGE& maillage)
      : LECTEUR_ENTITES(framework::kObjetPoint | framework::kObjetLigne |
                        framework::kObjetPolyligne | framework::kObjetPolyligneLegere),
        maillage_(maillage) {}

  int point(const framework::Point3D& p) override {
    if (!maillage_.sansHauteur(p[2])) maillage_.ajoutePoint(versVecteur(p));
    return 1;
  }
  int ligne(const framework::Point3D& debut, const framework::Point3D& fin) override {
    return chemin({debut, fin}, false);
  }
  int polyligne(int drapeaux, int, int, const std::vector<framework::SOMMET_LU>& sommets) override {
    return chemin(pointsDe(sommets), drapeaux & 1);
  }
  int polyligneLegere(int drapeaux, const std::vector<framework::SOMMET_LU>& sommets) override {
    return chemin(pointsDe(sommets), drapeaux & 1);
  }

 private:
  static std::vector<framework::Point3D> pointsDe(const std::vector<framework::SOMMET_LU>& s) {
    std::vector<framework::Point3D> points;
    points.reserve(s.size());
    for (const auto& sommet : s) points.push_back(sommet.point);
    return points;
  }
  int chemin(const std::vector<framework::Point3D>& sommets, bool ferme) {
    for (const auto& p : sommets)
      if (maillage_.sansHauteur(p[2])) return 1;
    std::vector<PT_MAILLE*> points;
    points.reserve(sommets.size());
    for (const auto& p : sommets) points.push_back(maillage_.ajoutePoint(versVecteur(p)));
    for (size_t k = 0; k + 1 < points.size(); ++k)
      maillage_.ajouteSegment(points[k], points[k + 1]);
    if (ferme && points.size() > 2) maillage_.ajouteSegment(points.back(), points.front());
    return 1;
  }

  MAILLAGE& maillage_;
};

class LECTEUR_FACES : public framework::LECTEUR_ENTITES {
 public:
  explicit LECTEUR_FACES(MAILLAGE& maillage)
      : LECTEUR_ENTITES(framework::kObjetFace3D), maillage_(maillage) {}
  int face3D(const framework::Point3D coins[4], int) override {
    PT_MAILLE* a = maillage_.ajoutePoint(versVecteur(coins[0]));
    PT_MAILLE* b = maillage_.ajoutePoint(versVecteur(coins[1]));
    PT_MAILLE* c = maillage_.ajoutePoint(versVecteur(coins[2]));
    maillage_.ajouteTriangle(a, b, c);
    // A fourth corner apart from the third (and the first) makes a quadrilateral.
    const VECTEUR d = versVecteur(coins[3]);
    if (!d.egal3D(*c) && !d.egal3D(*a)) maillage_.ajouteTriangle(a, c, maillage_.ajoutePoint(d));
    return 1;
  }

 private:
  MAILLAGE& maillage_;
};

}  // namespace

bool litDonnees3D(MAILLAGE& maillage, const ads_name selection) {
  LECTEUR_DONNEES_3D lecteur(maillage);
  return lecteur.parcourt(selection, false) > 0;
}

bool litFaces3D(MAILLAGE& maillage, const ads_name selection) {
  LECTEUR_FACES lecteur(maillage);
  return lecteur.parcourt(selection, false) > 0;
}

void dessineMaillage(const MAILLAGE& maillage, int quoi) {
  if (quoi & kDessinTriangles)
    for (const TRI_MAILLE* t : maillage.triangles()) {
      const framework::Point3D c = versPoint(*t->p[2]);
      framework::sortFace3D(versPoint(*t->p[0]), versPoint(*t->p[1]), c, c);
    }
  if (quoi & kDessinSegments)
    for (const SEG_MAILLE* s : maillage.segments())
      framework::sortLigne(versPoint(*s->a), versPoint(*s->b));
  if (quoi & kDessinPoints)
    for (const PT_MAILLE* p : maillage.points()) framework::sortPoint(versPoint(*p));
}

}  // namespace terrain
