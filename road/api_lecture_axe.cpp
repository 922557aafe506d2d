// "lec_info_0" and "lec_info_3": an alignment and one of its vertical
// profiles handed back in the shapes that "ecri_info_0" and "ecri_info_3" take.
#include "acedads.h"
#include "framework/error_stream.h"
#include "framework/point_entree.h"
#include "road/api_lecture.h"
#include "road/api_lecture_commun.h"
#include "road/axe_en_plan.h"
#include "road/axes_en_long.h"
#include "road/elements_plan.h"
#include "road/epais_structure.h"
#include "road/noms_api.h"
#include "road/projet_talvex.h"
#include "road/tabulation.h"

namespace road {

using namespace lecture;

namespace {

framework::ListeResbuf listeElements(const ELM_ELMAXEPLAN& elements) {
  framework::ListeResbuf liste;
  for (const ELEMENT_PLAN& e : elements.elements())
    liste.ajoute(acutBuildList(RTLB, RTSTR, e.nom.c_str(), RTREAL, e.valeur1, RTSHORT,
                               static_cast<int>(e.entier), RTREAL, e.valeur2, RTLE, 0));
  return liste;
}

framework::ListeResbuf listeTabulation(const TABLE_TABULATION& table) {
  framework::ListeResbuf liste;
  for (const POINT_TABULATION& p : table.points())
    liste.ajoute(acutBuildList(RTLB, RTREAL, p.x, RTREAL, p.y, RTREAL, p.z, RTREAL, p.abscisse,
                               RTSHORT, static_cast<int>(p.kind), RTREAL, p.valeur1, RTREAL,
                               p.valeur2, RTLE, 0));
  return liste;
}

void metProfil(const UN_AXELONG& profil) {
  metReel("ABSCL", profil.valeur1);
  metReel("SMAXL", profil.valeur2);
  metListe("LAXE-L", listeAxeLong(profil));
}

void metEntete(const AXE_EN_PLAN& axe) {
  metReel("ABSCD", axe.abscisseDebut);
  metReel("ABSCF", axe.abscisseFin);
  metEntier("PREMPROF", axe.premierProfil);
  metEntier("FINPROF", axe.premierProfil + axe.nombreProfils() - 1);
  metTexte("PLAN-CONS", axe.planConstruction);
  metEntier("NB-EAXP", axe.nombreElements());
  metPoint("PBG-ZE", axe.basGauche[0], axe.basGauche[1], axe.basGauche[2]);
  metPoint("PHD-ZE", axe.hautDroit[0], axe.hautDroit[1], axe.hautDroit[2]);
  metTexte("VIT-REF", axe.vitesseReference);
}

void metEpaisseurs(const EPAIS_STRUCTURE& epaisseurs) {
  for (int v = 0; v < EPAIS_STRUCTURE::kNombreValeurs; ++v) {
    const auto valeur = static_cast<EPAIS_STRUCTURE::Valeur>(v);
    const REEL_OPT& r = epaisseurs.valeur(valeur);
    if (r.defini) metReel(EPAIS_STRUCTURE::symbole(valeur), r.valeur);
  }
}

}  // namespace

resbuf* selectionAxe(int32_t) {
  metNil({"LTABUL", "LAXE-P",   "LAXE-L",    "LAXE3D",  "ABSCD",   "ABSCL",   "SMAXL",
          "ABSCF",  "PREMPROF", "PLAN-CONS", "NB-EAXP", "PBG-ZE",  "PHD-ZE",  "NB-PTAB",
          "NB-PT",  "FINPROF",  "PLONG-AC",  "NB-AXL",  "NB-PA3D", "VIT-REF", "EPG-RL",
          "EPG-BA", "EPG-FD",   "EPG-FR",    "EPD-RL",  "EPD-BA",  "EPD-FD",  "EPD-FR"});
  auto projet = ouvreProjet();
  const ArgumentsAppel args;
  const auto nom = args.texte(0);
  if (args.nombre() != 2 || !nom || !nomAcceptable(*nom)) {
    framework::fluxErreur() << "SelectionAxe: parametres incorrects" << std::endl;
    return nullptr;
  }
  const auto profilDemande = args.texte(1);
  AXE_EN_PLAN* axe = projet->trouveAxe(*nom);
  if (!axe) {
    framework::fluxErreur() << "SelectionAxe: Axe non trouve" << std::endl;
    return nullptr;
  }
  const std::string profil = profilDemande ? *profilDemande : axe->profilLongActif.value_or("");
  framework::changeTitre("TALVEX - Axe " + axe->nom + "/" + profil);

  metEntete(*axe);
  if (axe->nombrePointsTabulation() != 0 || axe->nombreProfils() != 0) {
    metEntier("NB-PTAB", axe->nombrePointsTabulation());
    metEntier("NB-PT", axe->nombreProfils());
  }
  if (axe->profilLongActif) {
    metEntier("NB-AXL", axe->nombreAxesEnLong());
    metTexte("PLONG-AC", *axe->profilLongActif);
  }
  if (axe->nombrePointsAxe3d() != 0) metEntier("NB-PA3D", axe->nombrePointsAxe3d());
  if (const ELM_ELMAXEPLAN* elements = axe->elements())
    metListe("LAXE-P", listeElements(*elements));
  if (const EPAIS_STRUCTURE* epaisseurs = axe->epaisseurs()) metEpaisseurs(*epaisseurs);
  if (const TABLE_TABULATION* table = axe->tabulation())
    metListe("LTABUL", listeTabulation(*table));
  if (const AXE_EN_LONG* profils = axe->axesEnLong())
    if (const UN_AXELONG* choisi = profils->trouve(profil)) metProfil(*choisi);
  if (axe->nombrePointsAxe3d() != 0) metListe("LAXE3D", listeAxe3d(*axe));
  return nullptr;
}

resbuf* selectionAxeLong(int32_t) {
  metNil({"LAXE-L", "NB-PA3D", "LAXE3D", "ABSCL", "SMAXL"});
  auto projet = ouvreProjet();
  const ArgumentsAppel args;
  const auto nom = args.texte(0);
  const auto nomProfil = args.texte(1);
  if (args.nombre() != 2 || !nom || !nomProfil || !nomAcceptable(*nom) ||
      !nomAcceptable(*nomProfil)) {
    framework::fluxErreur() << "SelectionAxeLong: parametres incorrects" << std::endl;
    return nullptr;
  }
  const AXE_EN_PLAN* axe = projet->trouveAxe(*nom);
  if (!axe) {
    framework::fluxErreur() << "SelectionAxeLong: Axe non trouve" << std::endl;
    return nullptr;
  }
  const AXE_EN_LONG* profils = axe->axesEnLong();
  if (!profils) {
    framework::fluxErreur() << "SelectionAxeLong: Pas de profil" << std::endl;
    return nullptr;
  }
  const UN_AXELONG* profil = profils->trouve(*nomProfil);
  if (!profil) {
    framework::fluxErreur() << "SelectionAxeLong: Profil inconnu" << std::endl;
    return nullptr;
  }
  metProfil(*profil);
  if (axe->nombrePointsAxe3d() != 0) metListe("LAXE3D", listeAxe3d(*axe));
  return nullptr;
}

}  // namespace road
