// tria_ads: the points and cut lines picked, the faces drawn as they are
// found, the outline shown as temporary vectors, then the faces under the
// cut lines erased.
#include <string>
#include <vector>

#include "acedads.h"
#include "framework/liste_resbuf.h"
#include "tools3d/commande_hote.h"
#include "tools3d/fonctions_outils3d.h"
#include "tools3d/groupes_entite.h"
#include "tools3d/symboles.h"
#include "tools3d/triangulation_semis.h"

namespace tools3d {

namespace {

constexpr double kRayonParDefaut = 60.0;

// The selection set, freed when the call ends.
struct SELECTION {
  ads_name nom{};
  bool faite = false;
  ~SELECTION() {
    if (faite) acedSSFree(nom);
  }
};

struct SEMIS_LU {
  std::vector<Point3D> points;
  std::vector<std::pair<Point3D, Point3D>> coupures;  // segments of open 3D polylines
};

SEMIS_LU litSelection(const ads_name ss) {
  SEMIS_LU semis;
  int32_t nombre = 0;
  if (acedSSLength(ss, &nombre) != RTNORM) return semis;
  for (int32_t n = 0; n < nombre; ++n) {
    ads_name e;
    if (acedSSName(ss, n, e) != RTNORM) continue;
    const framework::ListeResbuf liste(acdbEntGet(e));
    if (estDeType(liste.get(), "POINT")) {
      const VALEUR_DXF p = find_dxf_group(liste.get(), 10);
      semis.points.push_back({p.point[0], p.point[1], p.point[2]});
    } else if (estDeType(liste.get(), "POLYLINE") &&
               find_dxf_group(liste.get(), 70).entierCourt == 8) {
      std::vector<Point3D> sommets;
      read_polyline_vertices(e, sommets);
      for (size_t i = 1; i < sommets.size(); ++i)
        semis.coupures.emplace_back(sommets[i - 1], sommets[i]);
    }
  }
  return semis;
}

class DESSIN_TRIANGULATION : public ECOUTE_TRIANGULATION {
 public:
  void face(const Point3D& a, const Point3D& b, const Point3D& c) override {
    COMMANDE_HOTE().texte("_3DFACE").point(a).point(b).point(c).texte("").texte("").execute();
  }
  void contour(int rang, int i, int j, const Point3D& a, const Point3D& b) override {
    acutPrintf("\n CONTOUR %i DU SEMIS", rang);
    acutPrintf(" : %i - %i", i, j);
    acedGrDraw(a.data(), b.data(), 3, 0);
  }
  void progression(size_t curseur, size_t longueur) override {
    acutPrintf("\n Iseg = %i *** SEG = %i", static_cast<int>(curseur), static_cast<int>(longueur));
  }
  bool interrompu() override { return acedUsrBrk() != 0; }
};

// Erases the faces that a cut segment crosses.
void effaceSous(const std::pair<Point3D, Point3D>& coupure) {
  const framework::ListeResbuf trajet(
      acutBuildList(RT3DPOINT, coupure.first.data(), RT3DPOINT, coupure.second.data(), 0));
  const framework::ListeResbuf filtre(acutBuildList(RTDXF0, "3DFACE", 0));
  SELECTION faces;
  if (acedSSGet("T", trajet.get(), nullptr, filtre.get(), faces.nom) != RTNORM) return;
  faces.faite = true;
  COMMANDE_HOTE().texte("_erase").selection(faces.nom).texte("").execute();
}

double rayonRecherche() {
  const NOMBRE_SYMBOLE n = nombreSymbole("DRAYMIN", true);
  if (n.etat == ETAT_SYMBOLE::Absent) return kRayonParDefaut;
  if (n.etat == ETAT_SYMBOLE::Valeur && n.valeur > 0) return n.valeur;
  acutPrintf("\n DRAYMIN n'est pas un rayon positif : 60 pris par défaut");
  return kRayonParDefaut;
}

}  // namespace

resbuf* tria_ads(int32_t) {
  const double rayon = rayonRecherche();
  acutPrintf("\n Selectionner les objets : ");
  SELECTION selection;
  if (acedSSGet(nullptr, nullptr, nullptr, nullptr, selection.nom) != RTNORM) {
    acutPrintf("\n Rien de sélectionné : aucune face dessinée.");
    return nullptr;
  }
  selection.faite = true;
  const SEMIS_LU semis = litSelection(selection.nom);
  if (semis.points.size() < 3) {
    acutPrintf("\n Moins de trois points sélectionnés : aucune face dessinée.");
    return nullptr;
  }
  DESSIN_TRIANGULATION dessin;
  const FIN_TRIANGULATION fin = trianguleSemis(semis.points, rayon, dessin);
  if (fin == FIN_TRIANGULATION::Limite)
    acutPrintf(
        "\n Triangulation arrêtée : plus de %i faces pour %i points, le front ne se "
        "referme pas.",
        static_cast<int>(kFacesParPoint * semis.points.size()),
        static_cast<int>(semis.points.size()));
  if (fin != FIN_TRIANGULATION::Complete) {
    acutPrintf("\n Termine.\n");
    return nullptr;
  }
  acutPrintf("\n ISEGPOL2 = %i ", static_cast<int>(semis.coupures.size()));
  for (const auto& coupure : semis.coupures) effaceSous(coupure);
  acutPrintf("\n Termine.\n");
  return nullptr;
}

}  // namespace tools3d
