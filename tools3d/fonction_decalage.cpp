// dec3d_arx: the polyline picked, the dialog, the part and the side chosen,
// the offset drawn with the host's 3DPOLY command.
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "acedads.h"
#include "adsdlg.h"
#include "framework/liste_resbuf.h"
#include "tools3d/commande_hote.h"
#include "tools3d/decalage.h"
#include "tools3d/dialogue_decale.h"
#include "tools3d/fonctions_outils3d.h"
#include "tools3d/groupes_entite.h"
#include "tools3d/plan.h"
#include "tools3d/symboles.h"

namespace tools3d {

namespace {

constexpr double kSommetDouble = 0.0001;

// The DCL file, unloaded when the call ends.
class FICHIER_DCL {
 public:
  explicit FICHIER_DCL(const std::string& chemin) {
    if (ads_load_dialog(chemin.c_str(), &id_) != RTNORM) id_ = -1;
  }
  ~FICHIER_DCL() {
    if (id_ >= 0) ads_unload_dialog(id_);
  }
  FICHIER_DCL(const FICHIER_DCL&) = delete;
  FICHIER_DCL& operator=(const FICHIER_DCL&) = delete;
  int id() const { return id_; }

 private:
  int id_ = -1;
};

// Asks for the polyline until one is given; false when the user cancels.
bool choisitPolyligne(ads_name polyligne) {
  for (;;) {
    ads_point pick;
    const int statut = acedEntSel("\n Selectionner la polyligne 3D à décaler : ", polyligne, pick);
    if (statut == RTCAN) {
      acutPrintf("\n ** Arret de la commande **");
      return false;
    }
    if (statut != RTNORM) {
      acutPrintf("\n Pas d'entité !!!");
      continue;
    }
    const framework::ListeResbuf liste(acdbEntGet(polyligne));
    if (estDeType(liste.get(), "POLYLINE")) return true;
    acutPrintf("\n L'entité sélectionnée n'est pas une polyligne !!!");
  }
}

// The vertices without their near-repeats, the layer of the first one, the lengths.
void litSommets(const ads_name polyligne, ETAT_DECALAGE& e) {
  acutPrintf("\n-- Lecture des points de la polyligne en cours --");
  ads_name premier;
  if (acdbEntNext(polyligne, premier) == RTNORM) {
    const framework::ListeResbuf liste(acdbEntGet(premier));
    if (estDeType(liste.get(), "VERTEX")) {
      const char* calque = find_dxf_group(liste.get(), 8).texte;
      e.calque = calque ? calque : "";
    }
  }
  std::vector<Point3D> lus;
  read_polyline_vertices(polyligne, lus);
  for (const Point3D& p : lus) {
    if (!e.sommets.empty()) {
      const Point3D& avant = e.sommets.back();
      if (distancePlan(avant, p) <= kSommetDouble) continue;
      e.longueurPlan += distancePlan(avant, p);
      e.longueur3D += distance3D(avant, p);
    }
    e.sommets.push_back(p);
  }
}

bool surSegmentHote(const Point3D& a, const Point3D& b, const Point3D& p, Point3D& x) {
  ads_point r;
  if (acdbInters(a.data(), b.data(), p.data(), p.data(), 1, r) != RTNORM) return false;
  x = {r[0], r[1], r[2]};
  return true;
}

// The point of the polyline nearest in plan to p, z along its segment.
Point3D projeteSurPolyligne(const std::vector<Point3D>& s, const Point3D& p) {
  Point3D meilleur = s.front();
  double distance = distancePlan(meilleur, p);
  for (size_t j = 1; j < s.size(); ++j) {
    const double l = distancePlan(s[j - 1], s[j]);
    const double dx = s[j][0] - s[j - 1][0], dy = s[j][1] - s[j - 1][1];
    double t = ((p[0] - s[j - 1][0]) * dx + (p[1] - s[j - 1][1]) * dy) / (l * l);
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    const Point3D q = pointADistance(s[j - 1], s[j], t * l);
    if (distancePlan(q, p) < distance) {
      distance = distancePlan(q, p);
      meilleur = q;
    }
  }
  return meilleur;
}

// One end of the part, picked on the polyline and snapped onto it; false
// when the user cancels. The snap may land on another entity crossing there:
// the point is then brought back onto the polyline.
bool choisitPoint(const char* invite, const ads_name polyligne, const std::vector<Point3D>& s,
                  Point3D& point) {
  for (;;) {
    ads_name nom;
    ads_point pick;
    const int statut = acedEntSel(invite, nom, pick);
    if (statut == RTCAN) return false;
    if (statut != RTNORM) {
      acutPrintf("\n Pas d'entité !!!");
      continue;
    }
    if (nom[0] != polyligne[0] || nom[1] != polyligne[1]) {
      acutPrintf("\n Le point n'est pas sur la polyligne !!!");
      continue;
    }
    ads_point accroche;
    if (acedOsnap(pick, "PRO", accroche) == RTNORM)
      point = {accroche[0], accroche[1], accroche[2]};
    else
      point = {pick[0], pick[1], pick[2]};
    Point3D surSegment;
    bool dessus = false;
    for (size_t j = 1; j < s.size() && !dessus; ++j)
      dessus = surSegmentHote(s[j - 1], s[j], point, surSegment);
    if (!dessus) point = projeteSurPolyligne(s, point);
    return true;
  }
}

double reelVariable(const char* nom, int indice) {
  resbuf rb{};
  if (acedGetVar(nom, &rb) != RTNORM) return 0;
  if (rb.restype == RTREAL) return rb.resval.rreal;
  if (rb.restype == RTPOINT || rb.restype == RT3DPOINT) return rb.resval.rpoint[indice];
  if (rb.restype == RTSHORT) return rb.resval.rint;
  if (rb.restype == RTSTR) std::free(rb.resval.rstring);
  return 0;
}

// Brings the first point into view when it is outside; true when zoomed.
bool montrePoint(const Point3D& a0) {
  const double hauteur = reelVariable("VIEWSIZE", 0);
  const double largeurPx = reelVariable("SCREENSIZE", 0), hauteurPx = reelVariable("SCREENSIZE", 1);
  const Point3D centre{reelVariable("VIEWCTR", 0), reelVariable("VIEWCTR", 1), 0};
  if (!(hauteur > 0) || !(hauteurPx > 0)) return false;
  const double demiLargeur = largeurPx / hauteurPx * hauteur * 0.5, demiHauteur = hauteur * 0.5;
  if (std::fabs(a0[0] - centre[0]) <= demiLargeur && std::fabs(a0[1] - centre[1]) <= demiHauteur)
    return false;
  const Point3D milieu{(centre[0] + a0[0]) / 2, (centre[1] + a0[1]) / 2, 0};
  const double nouvelleHauteur = std::fabs(a0[1] - centre[1]) + hauteur;
  acedCommandS(RTSTR, "_ZOOM", RTSTR, "_C", RT3DPOINT, milieu.data(), RTREAL, nouvelleHauteur,
               RTNONE);
  return true;
}

}  // namespace

resbuf* dec3d_arx(int32_t) {
  const std::string dossierDcl = texteSymbole("OCHEML").value_or("");
  ads_name polyligne;
  if (!choisitPolyligne(polyligne)) return nullptr;
  int drapeaux = 0;
  {
    const framework::ListeResbuf liste(acdbEntGet(polyligne));
    drapeaux = find_dxf_group(liste.get(), 70).entierCourt;
  }
  if (!(drapeaux & 8)) {
    acutPrintf("\n L'entité sélectionnée n'est pas une polyligne 3D !!!");
    return nullptr;
  }
  const bool fermee = drapeaux & 1;

  ETAT_DECALAGE e;
  litSommets(polyligne, e);
  if (e.sommets.size() < 2) {
    acutPrintf("\n La polyligne n'a pas deux sommets distincts !!!");
    return nullptr;
  }
  e.debut = e.sommets.front();
  e.fin = e.sommets.back();

  const FICHIER_DCL dcl(dossierDcl + "3dtools.dcl");
  if (dcl.id() < 0) {
    acutPrintf("\n Impossible de charger la boîte de dialogue <%s3dtools.dcl> !!!",
               dossierDcl.c_str());
    return nullptr;
  }
  int statut = 3;
  while (statut > 1) {
    statut = afficheDialogueDecale(dcl.id(), e);
    if (statut < 0) {
      acutPrintf("\n Impossible d'ouvrir la boîte de dialogue <decale> !!!");
      return nullptr;
    }
    if (statut == kStatutSaisie) {
      if (choisitPoint("\n Cliquer le point de DEPART sur cette polyligne : ", polyligne, e.sommets,
                       e.debut))
        choisitPoint("\n Cliquer le point de FIN sur cette polyligne : ", polyligne, e.sommets,
                     e.fin);
    }
  }
  if (statut == DLGCANCEL) {
    acutPrintf("\n Arret !!!");
    return nullptr;
  }

  const std::vector<Point3D> points =
      e.entier ? e.sommets : partie(e.sommets, e.debut, e.fin, surSegmentHote);
  if (points.size() < 2) {
    acutPrintf("\n Les points choisis ne sont pas sur la polyligne !!!");
    return nullptr;
  }
  const bool zoome = montrePoint(points[0]);
  ads_point q;
  if (acedGetPoint(points[0].data(), "\n Coté à décaler", q) != RTNORM) {
    acutPrintf("\n Arret !!!");
  } else {
    const int cote = coteDecalage(points[0], points[1], {q[0], q[1], q[2]});
    acutPrintf("\n Nombre de sommets à traiter = %i\n", static_cast<int>(points.size()));
    const REGLAGES_DECALAGE& r = reglagesDecalage();
    std::vector<Point3D> resultat = decale(points, r.distance, cote, r.deltaZ1,
                                           [](int i) { acutPrintf("\r Sommet en cours : %i", i); });
    appliqueRampe(resultat, r.deltaZ1, r.deltaZ2);
    COMMANDE_HOTE commande;
    commande.texte("_3DPOLY");
    for (const Point3D& p : resultat) commande.point(p);
    commande.texte(fermee && e.entier ? "_C" : "");
    commande.execute();
  }
  if (zoome) acedCommandS(RTSTR, "_ZOOM", RTSTR, "_P", RTNONE);
  return nullptr;
}

}  // namespace tools3d
