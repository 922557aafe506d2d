#include "road/export_profils.h"

#include <fstream>

#include "acedads.h"
#include "framework/error_stream.h"
#include "framework/sortie_entites.h"
#include "road/construction_profil.h"
#include "road/couche.h"
#include "road/profils_en_travers.h"

namespace road {
namespace {

constexpr char kPrefixeExport[] = "tv_";

}  // namespace

std::string calqueExport(const COUCHE& couche) {
  return std::string(kPrefixeExport) + couche.nomKind();
}

std::string fichierInfoExport(const COUCHE& couche) { return calqueExport(couche) + ".info"; }

void exporteCouche(const COUCHE& couche, const std::string& etiquette) {
  const auto& points = couche.points();
  {
    framework::CalqueSortieTemporaire calque(calqueExport(couche));
    for (const auto& p : points) framework::sortPoint({p.x, p.y, p.z});
  }
  // The line shows the layer's two ends: a layer without point has none.
  if (points.empty()) return;
  const std::string nom = fichierInfoExport(couche);
  std::ofstream info(nom, std::ios::app | std::ios::binary);
  if (!info) {
    framework::fluxErreur() << "Impossible d'ouvrir le fichier <" << nom << ">" << std::endl;
    return;
  }
  const auto& premier = points.front();
  const auto& dernier = points.back();
  info << etiquette << ' ' << formatPointCouche(premier.x, premier.y, premier.z)
       << formatPointCouche(dernier.x, dernier.y, dernier.z) << '\n';
}

void exporteProfils(const PROFILS_EN_TRAVERS& profils, const CONSTRUCTION_PROFIL* construction) {
  for (const auto& profil : profils.profils()) {
    const PROFILCONS* entree = construction ? construction->trouve(profil->abscisse) : nullptr;
    if (!entree) acutPrintf("POSITION NON TROUVE\n");
    const std::string etiquette = entree && entree->numero ? *entree->numero : "???";
    for (const auto& couche : profil->couches()) exporteCouche(couche, etiquette);
  }
}

}  // namespace road
