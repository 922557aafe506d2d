#include "road/api_lecture_commun.h"

#include "acedads.h"
#include "framework/valeurs_lisp.h"
#include "road/axe_en_plan.h"
#include "road/axes_en_long.h"
#include "road/points_axe3d.h"
#include "road/projet_talvex.h"
#include "road/variable_lisp.h"

namespace road::lecture {

namespace {

void met(const char* symbole, resbuf* valeur) {
  acedPutSym(symbole, valeur);
  acutRelRb(valeur);
}

}  // namespace

void metNil(const char* symbole) { met(symbole, acutNewRb(RTNIL)); }

void metNil(const std::vector<const char*>& symboles) {
  for (const char* s : symboles) metNil(s);
}

void metEntier(const char* symbole, int valeur) {
  framework::ecritEntierCourt(framework::kSymboleLisp, symbole, valeur, nullptr);
}

void metReel(const char* symbole, double valeur) {
  framework::ecritReel(framework::kSymboleLisp, symbole, valeur, nullptr);
}

void metTexte(const char* symbole, const std::string& valeur) {
  framework::ecritTexte(framework::kSymboleLisp, symbole, valeur.c_str(), nullptr);
}

void metPoint(const char* symbole, double x, double y, double z) {
  const ads_point p = {x, y, z};
  framework::ecritPoint(framework::kSymboleLisp, symbole, p, nullptr);
}

void metListe(const char* symbole, framework::ListeResbuf elements) {
  if (!elements) {
    metNil(symbole);
    return;
  }
  framework::ListeResbuf liste(acutBuildList(RTLB, 0));
  liste.ajoute(std::move(elements));
  liste.ajoute(acutBuildList(RTLE, 0));
  acedPutSym(symbole, liste.get());
}

double lisReel(const char* symbole) { return VARIABLE_LISP(symbole).reel(); }

std::string lisTexte(const char* symbole) { return VARIABLE_LISP(symbole).texte(); }

framework::ListeResbuf listeAxeLong(const UN_AXELONG& profil) {
  framework::ListeResbuf liste;
  for (const SOMMET_LONG& s : profil.sommets)
    liste.ajoute(acutBuildList(RTLB, RTSTR, s.nom.c_str(), RTREAL, s.valeur1, RTREAL, s.valeur2,
                               RTSHORT, static_cast<int>(s.entier), RTREAL, s.valeur3, RTLE, 0));
  return liste;
}

framework::ListeResbuf listeAxe3d(const AXE_EN_PLAN& axe) {
  framework::ListeResbuf liste;
  const POINTS_AXE3D* points = axe.pointsAxe3d();
  if (!points) return liste;
  for (const POINT_AXE3D& p : points->points()) {
    const auto& q = p.points;
    liste.ajoute(acutBuildList(RTLB, RTREAL, p.abscisse, RTREAL, p.valeur, RTREAL, q[0][0], RTREAL,
                               q[0][1], RTREAL, q[0][2], RTREAL, q[1][0], RTREAL, q[1][1], RTREAL,
                               q[1][2], RTREAL, q[2][0], RTREAL, q[2][1], RTREAL, q[2][2], RTLE,
                               0));
  }
  return liste;
}

}  // namespace road::lecture
