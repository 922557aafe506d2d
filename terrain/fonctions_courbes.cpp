// Talvex's "courbesniveau": contour lines of the module-wide mesh as 3D
// polylines, index lines on a layer of their own.
#include <cmath>
#include <ostream>
#include <string>

#include "framework/error_stream.h"
#include "framework/nombres_c.h"
#include "framework/sortie_entites.h"
#include "framework/sortie_polyligne.h"
#include "road/appel_api.h"
#include "terrain/courbes_niveau.h"
#include "terrain/fonctions_terrain.h"
#include "terrain/maillage.h"

namespace terrain {

namespace {

// Whether level z is a multiple of the index interval (to a millimetre).
bool maitresse(double z, double intervalleMaitresse) {
  if (!(intervalleMaitresse > 0.0)) return false;
  const double k = std::round(z / intervalleMaitresse);
  return std::fabs(z - k * intervalleMaitresse) < 1e-3;
}

void dessine(const COURBE_NIVEAU& c) {
  framework::commencePolyligne(c.fermee, true);
  for (const VECTEUR& p : c.points) framework::sortPoint({p.x, p.y, c.z});
  framework::terminePolyligne();
}

}  // namespace

resbuf* courbesniveau(int32_t) {
  const road::api::ArgumentsAppel args;
  std::ostream& erreurs = framework::fluxErreur();
  double intervalle = 1.0, intervalleMaitresse = 5.0;
  std::string calque = "COURBES", calqueMaitresse = "COURBES_MAITRESSES";
  bool ok = args.nombre() <= 4;
  if (ok && args.nombre() > 0) ok = args.reel(0).has_value() && (intervalle = *args.reel(0), true);
  if (ok && args.nombre() > 1)
    ok = args.reel(1).has_value() && (intervalleMaitresse = *args.reel(1), true);
  if (ok && args.nombre() > 2) ok = args.texte(2).has_value() && (calque = *args.texte(2), true);
  if (ok && args.nombre() > 3)
    ok = args.texte(3).has_value() && (calqueMaitresse = *args.texte(3), true);
  if (!ok || !(intervalle > 0.0) || !std::isfinite(intervalle)) {
    erreurs << "Courbes de niveau : attend [équidistance > 0 [intervalle des maîtresses [calque "
               "[calque des maîtresses]]]]"
            << std::endl;
    return nullptr;
  }
  const MAILLAGE& maillage = maillageModule();
  if (maillage.triangles().empty()) {
    erreurs << "Courbes de niveau : pas de maillage (mailleterrain d'abord)" << std::endl;
    return nullptr;
  }
  const std::vector<COURBE_NIVEAU> courbes = courbesNiveau(maillage, intervalle);
  for (const COURBE_NIVEAU& c : courbes) {
    const framework::CalqueSortieTemporaire sortie(
        maitresse(c.z, intervalleMaitresse) ? calqueMaitresse : calque);
    dessine(c);
  }
  erreurs << "Courbes de niveau : " << courbes.size() << " polyligne(s)";
  if (!courbes.empty())
    erreurs << " de " << framework::texteReelG(courbes.front().z) << " à "
            << framework::texteReelG(courbes.back().z) << " m";
  erreurs << std::endl;
  return nullptr;
}

}  // namespace terrain
