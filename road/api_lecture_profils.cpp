// "lec_info_1", "lec_info_2" and "lec_info_9": one cross-section with its
// layers, the station of a cross-section handle, and the construction table.
#include <strings.h>

#include "acedads.h"
#include "framework/error_stream.h"
#include "road/api_lecture.h"
#include "road/api_lecture_commun.h"
#include "road/axe_en_plan.h"
#include "road/construction_profil.h"
#include "road/couche.h"
#include "road/couche_kind.h"
#include "road/noms_api.h"
#include "road/profils_en_travers.h"
#include "road/projet_talvex.h"

namespace road {

using namespace lecture;

namespace {

bool estNil(const std::string& texte) { return strcasecmp(texte.c_str(), "nil") == 0; }

framework::ListeResbuf listePoints(const COUCHE& couche) {
  framework::ListeResbuf liste;
  for (const POINT_COUCHE& p : couche.points()) {
    if (!couche.pointsNommes())
      liste.ajoute(acutBuildList(RTLB, RTREAL, p.x, RTREAL, p.y, RTREAL, p.z, RTLE, 0));
    else if (estNil(p.nom))
      liste.ajoute(acutBuildList(RTLB, RTNIL, RTREAL, p.x, RTREAL, p.y, RTREAL, p.z, RTLE, 0));
    else
      liste.ajoute(acutBuildList(RTLB, RTSTR, p.nom.c_str(), RTREAL, p.x, RTREAL, p.y, RTREAL, p.z,
                                 RTLE, 0));
  }
  return liste;
}

framework::ListeResbuf listeConstruction(const CONSTRUCTION_PROFIL& table) {
  framework::ListeResbuf liste;
  for (const PROFILCONS& e : table.entrees()) {
    const auto& n = e.entiers;
    liste.ajoute(acutBuildList(RTLB, RTREAL, e.abscisse, RTSHORT, n[0], RTSHORT, n[1], RTSHORT,
                               n[2], RTSHORT, n[3], RTSHORT, n[4], RTSHORT, n[5], RTSTR,
                               e.numero.value_or("").c_str(), RTLE, 0));
  }
  return liste;
}

// The alignment named by the call's only argument; null after the message.
AXE_EN_PLAN* axeDeLAppel(PROJETTALVEX& projet, const char* operation) {
  const ArgumentsAppel args;
  const auto nom = args.texte(0);
  if (args.nombre() != 1 || !nom || !nomAcceptable(*nom)) {
    framework::fluxErreur() << operation << ": parametres incorrects" << std::endl;
    return nullptr;
  }
  AXE_EN_PLAN* axe = projet.trouveAxe(*nom);
  if (!axe) framework::fluxErreur() << operation << ": Axe non trouve" << std::endl;
  return axe;
}

bool aDesProfils(const AXE_EN_PLAN& axe) { return axe.profils() && axe.profils()->nombre() != 0; }

}  // namespace

resbuf* lectureProfLPT(int32_t) {
  std::vector<const char*> effaces = {"HANDPRO", "NPRO", "EP-DECAP", "PM-DECAP"};
  for (const COUCHE_KIND& k : coucheKinds()) effaces.push_back(k.symbole);
  metNil(effaces);
  auto projet = ouvreProjet();
  const AXE_EN_PLAN* axe = axeDeLAppel(*projet, "LectureProfLPT");
  if (!axe) return nullptr;
  const double abscisse = lisReel("ABSIPRO");
  auto& flux = framework::fluxErreur();
  if (!aDesProfils(*axe)) {
    flux << "LectureProfLPT: Pas de profil" << std::endl;
    return nullptr;
  }
  const UN_PROFIL* profil = axe->profils()->trouve(abscisse);
  if (!profil) {
    flux << "LectureProfLPT: Tabulation inconnue" << std::endl;
    return nullptr;
  }
  const CONSTRUCTION_PROFIL* construction = axe->construction();
  if (!construction) {
    flux << "LectureProfLPT: Pas de CONSTRUCTION_PROFIL" << std::endl;
    return nullptr;
  }
  const PROFILCONS* entree = construction->trouve(profil->abscisse);
  if (!entree) {
    flux << "LectureProfLPT: CONSTRUCTION_PROFIL non synchrone" << std::endl;
    return nullptr;
  }
  metTexte("NPRO", entree->numero.value_or(""));
  if (!estNil(profil->handle)) metTexte("HANDPRO", profil->handle);
  metReel("EP-DECAP", profil->epaisseurDecapage);
  metReel("PM-DECAP", profil->secondeDecapage);
  for (const COUCHE& couche : profil->couches())
    if (const COUCHE_KIND* kind = coucheKind(couche.kind()))
      metListe(kind->symbole, listePoints(couche));
  return nullptr;
}

resbuf* handlePT2PosPT(int32_t) {
  auto projet = ouvreProjet();
  const AXE_EN_PLAN* axe = axeDeLAppel(*projet, "HandlePT2PosPT");
  if (!axe) return nullptr;
  const std::string handle = lisTexte("HANDPRO");
  auto& flux = framework::fluxErreur();
  if (!aDesProfils(*axe)) {
    flux << "HandlePT2PosPT: Pas de profil" << std::endl;
    return nullptr;
  }
  const CONSTRUCTION_PROFIL* construction = axe->construction();
  if (!construction) {
    flux << "HandlePT2PosPT: Pas de CONSTRUCTION_PROFIL" << std::endl;
    return nullptr;
  }
  const UN_PROFIL* trouve = nullptr;
  for (const auto& profil : axe->profils()->profils())
    if (strcasecmp(profil->handle.c_str(), handle.c_str()) == 0) {
      trouve = profil.get();
      break;
    }
  if (!trouve) {
    metNil({"NPRO", "ABSIPRO"});
    return nullptr;
  }
  metReel("ABSIPRO", trouve->abscisse);
  if (const PROFILCONS* entree = construction->trouve(trouve->abscisse))
    metTexte("NPRO", entree->numero.value_or(""));
  else
    flux << "HandlePT2PosPT: CONSTRUCTION_PROFIL non synchrone" << std::endl;
  return nullptr;
}

resbuf* lectureLPTCons(int32_t) {
  metNil("LPT-CONS");
  auto projet = ouvreProjet();
  const AXE_EN_PLAN* axe = axeDeLAppel(*projet, "LectureLPTCons");
  if (!axe) return nullptr;
  const CONSTRUCTION_PROFIL* construction = axe->construction();
  if (!construction) {
    framework::fluxErreur() << "LectureLPTCons: Pas de cons. profil" << std::endl;
    return nullptr;
  }
  metListe("LPT-CONS", listeConstruction(*construction));
  return nullptr;
}

}  // namespace road
