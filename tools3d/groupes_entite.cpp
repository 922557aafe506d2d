#include "tools3d/groupes_entite.h"

#include <cstring>

#include "acedads.h"
#include "framework/groupes_dxf.h"
#include "framework/liste_resbuf.h"

namespace tools3d {

namespace {

void tracePoint(const char* titre, int code, const double* p) {
  acutPrintf(titre, code);
  acutPrintf("\n Valeur X  : %f", p[0]);
  acutPrintf("\n Valeur Y  : %f", p[1]);
  acutPrintf("\n Valeur Z  : %f", p[2]);
}

}  // namespace

VALEUR_DXF find_dxf_group(const resbuf* liste, int code) {
  VALEUR_DXF v;
  std::memset(&v, 0, sizeof v);
  const resbuf* g = framework::groupeDxf(liste, code);
  if (!g) return v;
  const ads_u_val& val = g->resval;
  if (code < -1) {
    acutPrintf("\n Code DXF < 0 : %d", code);
    v.entier32 = val.rlong;
  } else if (code == -1) {
    acutPrintf("\n Code DXF < 0 : %d", code);
    v.nom[0] = val.rlname[0];
    v.nom[1] = val.rlname[1];
  } else if (code <= 9) {
    v.texte = val.rstring;
  } else if (code <= 19) {
    std::memcpy(v.point, val.rpoint, sizeof v.point);
  } else if (code <= 59) {
    acutPrintf("\n Code DXF REAL : %d", code);
    acutPrintf("\n Valeur        : %f", val.rreal);
    v.reel = val.rreal;
  } else if (code <= 79) {
    v.entierCourt = val.rint;
  } else if (code <= 209) {
    acutPrintf("\n Autre cas non traiti !!!");
  } else if (code <= 239) {
    tracePoint("\n Code DXF < 240 3DPoint : %d", code, val.rpoint);
    std::memcpy(v.point, val.rpoint, sizeof v.point);
  } else if (code <= 998) {
    acutPrintf("\n Autre cas non traiti !!!");
  } else if (code <= 1009) {
    acutPrintf("\n Code DXF : %d", code);
    acutPrintf("\n Valeur   : %s", val.rstring ? val.rstring : "");
    v.texte = val.rstring;
  } else if (code <= 1019) {
    tracePoint("\n Code DXF 3DPoint : %d", code, val.rpoint);
    std::memcpy(v.point, val.rpoint, sizeof v.point);
  } else if (code <= 1059) {
    acutPrintf("\n Code DXF REAL : %d", code);
    acutPrintf("\n Valeur        : %f", val.rreal);
    v.reel = val.rreal;
  } else if (code <= 1079) {
    acutPrintf("\n Code DXF SHORT : %d", code);
    acutPrintf("\n Valeur         : %d", val.rlong);
    v.entier32 = val.rlong;
  }
  return v;
}

bool estDeType(const resbuf* liste, const char* type) {
  const char* t = find_dxf_group(liste, 0).texte;
  return t && std::strcmp(t, type) == 0;
}

int read_polyline_vertices(const ads_name polyligne, std::vector<framework::Point3D>& sommets) {
  int lus = 0;
  ads_name courant = {polyligne[0], polyligne[1]};
  ads_name suivant;
  while (acdbEntNext(courant, suivant) == RTNORM) {
    const framework::ListeResbuf liste(acdbEntGet(suivant));
    if (!estDeType(liste.get(), "VERTEX")) break;
    const VALEUR_DXF p = find_dxf_group(liste.get(), 10);
    sommets.push_back({p.point[0], p.point[1], p.point[2]});
    ++lus;
    courant[0] = suivant[0];
    courant[1] = suivant[1];
  }
  return lus;
}

}  // namespace tools3d
