#include "framework/extrusion_objets.h"

#include <charconv>
#include <ostream>
#include <string>

#include "acedads.h"
#include "framework/error_stream.h"
#include "framework/groupes_dxf.h"
#include "framework/statut_hote.h"

namespace framework {
namespace {

// Decimals of the drawing's linear units, as the user sees coordinates.
int decimalesUnites() {
  resbuf rb{};
  if (acedGetVar("luprec", &rb) != RTNORM) return 3;
  int n;
  if (rb.restype == RTSHORT)
    n = rb.resval.rint;
  else if (rb.restype == RTLONG)
    n = rb.resval.rlong;
  else
    return 3;
  return n < 0 || n > 16 ? 3 : n;
}

// The tiny offset keeps a value such as -0.0000000001 from showing as "-0.000".
std::string coordonnee(double valeur, int decimales) {
  char texte[512];
  const auto r = std::to_chars(texte, texte + sizeof texte, valeur + 1e-11,
                               std::chars_format::fixed, decimales);
  return r.ec == std::errc() ? std::string(texte, r.ptr) : std::string("?");
}

}  // namespace

bool convertitExtrusion(const resbuf* liste, std::vector<SOMMET_LU>& sommets) {
  const resbuf* groupe = groupeDxf(liste, 210);
  if (!groupe) return true;
  const double* d = groupe->resval.rpoint;
  if (d[0] == 0 && d[1] == 0 && d[2] == 1) return true;

  const int decimales = decimalesUnites();
  fluxErreur() << "Des entités continennent des extrusions autour du point ("
               << coordonnee(d[0], decimales) << ", " << coordonnee(d[1], decimales) << ", "
               << coordonnee(d[2], decimales) << ")" << std::endl;

  resbuf depuis{};
  depuis.restype = RT3DPOINT;
  depuis.resval.rpoint[0] = d[0];
  depuis.resval.rpoint[1] = d[1];
  depuis.resval.rpoint[2] = d[2];
  resbuf monde{};
  monde.restype = RTSHORT;
  monde.resval.rint = 0;
  for (SOMMET_LU& s : sommets) {
    ads_point resultat;
    if (verifieStatut(acedTrans(s.point.data(), &depuis, &monde, 0, resultat)) != 0) return false;
    s.point = {resultat[0], resultat[1], resultat[2]};
  }
  return true;
}

}  // namespace framework
