#include "earthworks/fonctions_cubature.h"

#include <cctype>
#include <ostream>
#include <string>
#include <vector>

#include "acedads.h"
#include "earthworks/aires_profil.h"
#include "earthworks/cubature_prisme.h"
#include "framework/error_stream.h"
#include "framework/nombres_c.h"
#include "framework/types_objets.h"
#include "framework/valeurs_lisp.h"
#include "road/appel_api.h"
#include "terrain/donnees_dessin.h"
#include "terrain/maillage.h"
#include "terrain/selection_calques.h"

namespace earthworks {

namespace {

// The mesh of the 3D faces on one layer; false when the selection failed.
bool litSurface(const std::string& calque, MAILLAGE& surface) {
  const auto selection = terrain::selectionne(calque, framework::kObjetFace3D, "X");
  if (!selection) {
    framework::fluxErreur() << "cubeterrain : sélection impossible sur le calque " << calque
                            << std::endl;
    return false;
  }
  if (selection->vide) {
    framework::fluxErreur() << "cubeterrain : aucune face 3D sur le calque " << calque << std::endl;
  } else if (!terrain::litFaces3D(surface, selection->nom)) {
    framework::fluxErreur() << "cubeterrain : lecture des faces 3D du calque " << calque
                            << " interrompue" << std::endl;
    return false;
  }
  surface.construitGrille(true);
  return true;
}

void metReel(const char* symbole, double valeur) {
  framework::ecritReel(framework::kSymboleLisp, symbole, valeur, nullptr);
}

// "%.3f" and back: points that differ only after the millimetre are one point.
double auMillimetre(double v) { return framework::lireReelC(framework::texteReelFixe(v, 3)); }

// The points of a line as the section has them, up to the break key.
std::vector<VECTEUR> ligneProfil(const std::vector<framework::Point3D>& points) {
  std::vector<VECTEUR> ligne;
  ligne.reserve(points.size());
  for (const framework::Point3D& p : points) {
    if (acedUsrBrk()) break;
    ligne.emplace_back(auMillimetre(p[0]), auMillimetre(p[1]));
  }
  return ligne;
}

}  // namespace

resbuf* cubeterrain(int32_t) {
  const road::api::ArgumentsAppel args;
  const auto calqueSol = args.nombre() >= 2 ? args.texte(0) : std::nullopt;
  const auto calqueProjet = args.nombre() >= 2 ? args.texte(1) : std::nullopt;
  if (!calqueSol || !calqueProjet) {
    framework::fluxErreur()
        << "cubeterrain : attend le calque du terrain naturel et le calque du projet" << std::endl;
    return nullptr;
  }
  int32_t niveau = CUBATUREPRISME::kVolumes;
  if (const auto option = args.texte(2); option && !option->empty()) {
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>((*option)[0])));
    if (c == 's') niveau = CUBATUREPRISME::kAires3D;
    if (c == 'z') niveau = CUBATUREPRISME::kDessin;
  }
  MAILLAGE sol, projet;
  if (!litSurface(*calqueSol, sol) || !litSurface(*calqueProjet, projet)) return nullptr;

  CUBATUREPRISME cubature(sol, projet);
  const double bilan = cubature.calcule(niveau);
  metReel("CUBEDEB", cubature.volumeDeblai);
  metReel("CUBEREMB", cubature.volumeRemblai);
  metReel("CUBESURFD", cubature.surfaceDeblai);
  metReel("CUBESURFR", cubature.surfaceRemblai);
  metReel("CUBESURF", cubature.surfaceTotale);
  metReel("CUBE", bilan);
  metReel("CUBES3DTN", cubature.surface3DDeblai1);
  metReel("CUBES3RTN", cubature.surface3DRemblai1);
  metReel("CUBES3DPRJ", cubature.surface3DDeblai2);
  metReel("CUBES3RPRJ", cubature.surface3DRemblai2);
  return nullptr;
}

resbuf* lignept(int32_t) {
  const road::api::ArgumentsAppel args;
  const auto sol = args.nombre() == 2 ? args.listePoints(0) : std::nullopt;
  const auto projet = args.nombre() == 2 ? args.listePoints(1) : std::nullopt;
  if (!sol || !projet) {
    framework::fluxErreur() << "lignept : attend deux listes de points (terrain puis projet)"
                            << std::endl;
    return nullptr;
  }
  const std::vector<VECTEUR> ligneSol = ligneProfil(*sol);
  const std::vector<VECTEUR> ligneProjet = ligneProfil(*projet);
  const AIRES_PROFIL aires = airesDeblaiRemblai(ligneSol, ligneProjet);
  metReel("SDEB", aires.deblai);
  metReel("SREMB", aires.remblai);
  return nullptr;
}

}  // namespace earthworks
