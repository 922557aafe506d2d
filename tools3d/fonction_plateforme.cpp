// c3d_dep and dep_plgfos: the alignment points and the profile from the
// arguments, the stations from LTABUL, the edge drawn with 3DPOLY.
#include <optional>
#include <vector>

#include "acedads.h"
#include "framework/liste_resbuf.h"
#include "framework/valeurs_lisp.h"
#include "road/articles_lisp.h"
#include "tools3d/commande_hote.h"
#include "tools3d/fonctions_outils3d.h"
#include "tools3d/plateforme.h"

namespace tools3d {

namespace {

// The numbers of one argument list, records and points taken apart; none
// when the argument is not a list or holds anything but numbers and points.
std::optional<std::vector<double>> nombresListe(const resbuf*& rb) {
  if (!rb || rb->restype != RTLB) return std::nullopt;
  std::vector<double> nombres;
  int profondeur = 0;
  for (; rb; rb = rb->rbnext) {
    switch (rb->restype) {
      case RTLB: ++profondeur; break;
      case RTLE:
        if (--profondeur == 0) {
          rb = rb->rbnext;
          return nombres;
        }
        break;
      case RTREAL: nombres.push_back(rb->resval.rreal); break;
      case RTSHORT: nombres.push_back(rb->resval.rint); break;
      case RTLONG: nombres.push_back(rb->resval.rlong); break;
      case RTPOINT: nombres.insert(nombres.end(), rb->resval.rpoint, rb->resval.rpoint + 2); break;
      case RT3DPOINT:
        nombres.insert(nombres.end(), rb->resval.rpoint, rb->resval.rpoint + 3);
        break;
      default: return std::nullopt;
    }
  }
  return std::nullopt;
}

std::vector<STATION_TABULATION> stationsLtabul() {
  std::vector<STATION_TABULATION> stations;
  int drapeau = 1;
  const framework::ListeResbuf ltabul(
      framework::lisVariableListe("LTABUL", &drapeau, framework::kSymboleLisp));
  for (const road::ARTICLE_LISP& a : road::articlesListe(ltabul.get()))
    stations.push_back({a.reel(3), a.entier(4)});
  return stations;
}

resbuf* plateforme(const char* nom, bool gradue) {
  const framework::ListeResbuf arguments(acedGetArgs());
  const resbuf* rb = arguments.get();
  const auto axe = nombresListe(rb);
  const auto profil = nombresListe(rb);
  if (!axe || !profil || axe->size() % 5 != 0 || profil->size() % 3 != 0 || rb) {
    acutPrintf(
        "\n %s : attend la liste des points d'axe (abscisse direction x y z) et le profil "
        "(abscisse décalage hauteur)",
        nom);
    return nullptr;
  }
  std::vector<POINT_AXE_PLATEFORME> points;
  for (size_t i = 0; i < axe->size(); i += 5) {
    const double* v = axe->data() + i;
    points.push_back({v[0], v[1], {v[2], v[3], v[4]}});
  }
  std::vector<PROFIL_PLATEFORME> lignes;
  for (size_t i = 0; i < profil->size(); i += 3) {
    const double* v = profil->data() + i;
    lignes.push_back({v[0], v[1], v[2]});
  }
  const std::vector<PROFIL_PLATEFORME> fusionne = fusionneProfil(lignes, stationsLtabul());
  const std::vector<Point3D> bord = pointsEnvoyes(pointsBord(points, fusionne, gradue));
  if (bord.size() < 2) {
    acutPrintf(
        "\n %s : pas de bord de plateforme à dessiner (profil, LTABUL ou points d'axe "
        "insuffisants)",
        nom);
    return nullptr;
  }
  COMMANDE_HOTE commande;
  commande.texte("_3DPOLY");
  for (const Point3D& p : bord) commande.point(p);
  commande.texte("");
  commande.execute();
  return nullptr;
}

}  // namespace

resbuf* c3d_dep(int32_t) { return plateforme("c3d_dep", false); }
resbuf* dep_plgfos(int32_t) { return plateforme("dep_plgfos", true); }

}  // namespace tools3d
