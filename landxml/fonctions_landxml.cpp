#include "landxml/fonctions_landxml.h"

#include <array>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "acedads.h"
#include "framework/error_stream.h"
#include "framework/sortie_entites.h"
#include "landxml/ecriture_landxml.h"
#include "landxml/lecture_landxml.h"
#include "platform.h"
#include "road/appel_api.h"
#include "terrain/fonctions_terrain.h"
#include "terrain/maillage.h"

namespace landxml {

resbuf* exportlandxml(int32_t) {
  const road::api::ArgumentsAppel args;
  std::ostream& erreurs = framework::fluxErreur();
  const std::optional<std::string> fichier = args.nombre() == 1 ? args.texte(0) : std::nullopt;
  if (!fichier || fichier->empty()) {
    erreurs << "exportlandxml : attend le nom du fichier LandXML" << std::endl;
    return nullptr;
  }
  terrain::MAILLAGE& maillage = terrain::maillageModule();
  const std::unique_ptr<road::PROJETTALVEX> projet = road::api::ouvreProjet();
  if (maillage.triangles().empty() && projet->nombreAxes() == 0) {
    erreurs << "LandXML : rien à exporter (ni maillage ni axe)" << std::endl;
    return nullptr;
  }
  CONTENU_EXPORT contenu;
  contenu.maillage = &maillage;
  contenu.projet = projet.get();
  BILAN_EXPORT bilan;
  // All or nothing: a file already there stays whole when the write fails.
  if (!platform::replaceFile(
          *fichier, [&](std::ostream& sortie) { return ecritLandXML(sortie, contenu, bilan); })) {
    erreurs << "LandXML : écriture impossible de " << *fichier << std::endl;
    return nullptr;
  }
  erreurs << "LandXML : " << *fichier << " écrit (" << bilan.points << " point(s), " << bilan.faces
          << " face(s), " << bilan.lignesRupture << " ligne(s) de rupture, " << bilan.axes
          << " axe(s))" << std::endl;
  return acutNewRb(RTT);
}

resbuf* importlandxml(int32_t) {
  const road::api::ArgumentsAppel args;
  std::ostream& erreurs = framework::fluxErreur();
  const std::optional<std::string> fichier = args.nombre() == 2 ? args.texte(0) : std::nullopt;
  const std::optional<std::string> calque = args.nombre() == 2 ? args.texte(1) : std::nullopt;
  if (!fichier || !calque || fichier->empty() || calque->empty()) {
    erreurs << "importlandxml : attend le nom du fichier LandXML et un calque" << std::endl;
    return nullptr;
  }
  std::string erreur;
  const std::optional<std::vector<SURFACE_LUE>> surfaces = lisFichierSurfaces(*fichier, erreur);
  if (!surfaces) {
    erreurs << erreur;
    if (erreur.find(*fichier) == std::string::npos) erreurs << " : " << *fichier << " n'est pas lu";
    erreurs << std::endl;
    return nullptr;
  }
  size_t faces = 0;
  for (const SURFACE_LUE& s : *surfaces) faces += s.faces.size();
  if (faces == 0) {
    erreurs << "LandXML : aucune face dans " << *fichier << std::endl;
    return nullptr;
  }
  const framework::CalqueSortieTemporaire sortie(*calque);
  for (const SURFACE_LUE& s : *surfaces)
    for (const std::array<uint32_t, 4>& f : s.faces) {
      auto coin = [&](size_t k) {
        const POINT_LU& p = s.points[f[k]];
        return framework::Point3D{p.x, p.y, p.z};
      };
      framework::sortFace3D(coin(0), coin(1), coin(2), coin(3));
    }
  erreurs << "LandXML : " << faces << " face(s) 3D de " << surfaces->size()
          << " surface(s) sur le calque " << *calque << std::endl;
  return acutNewRb(RTT);
}

}  // namespace landxml
