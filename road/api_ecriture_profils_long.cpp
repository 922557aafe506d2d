// The functions that write, rename and delete an alignment's vertical profiles.
#include <memory>

#include "framework/texte_ascii.h"
#include "road/api_ecriture.h"
#include "road/api_ecriture_cadre.h"
#include "road/api_ecriture_listes.h"
#include "road/axe_en_plan.h"
#include "road/axes_en_long.h"
#include "road/noms_api.h"
#include "road/synchronisation_tabulation.h"
#include "road/tabulation.h"
#include "road/variable_lisp.h"

namespace road {

using namespace api;

resbuf* CreationAxePL(int32_t) {
  return protege("CreationAxePL", [] {
    auto projet = ouvreProjet();
    ArgumentsAppel args;
    AXE_EN_PLAN* axe = axeArgument(*projet, args, 2, "CreationAxePL");
    if (!axe) return;

    VARIABLE_LISP v("LTABUL");
    remplaceTabulation(*axe, v.liste().get());
    AXE_EN_LONG* profils = axe->axesEnLong(true);
    v.nomme("NB-AXL");
    v.entier();  // the header's counts come from the children
    v.nomme("NMAXE-L");
    const std::string nom = v.texte();
    auto profil = std::make_unique<UN_AXELONG>(nom);
    v.nomme("ABSCL");
    profil->valeur1 = v.reel();
    v.nomme("SMAXL");
    profil->valeur2 = v.reel();
    v.nomme("LAXE-L");
    profil->sommets = sommetsLongDe(v.liste().get());

    bool nomsBons = nomAcceptable(nom);
    for (const auto& s : profil->sommets) nomsBons = nomsBons && nomAcceptable(s.nom);
    if (!nomsBons) return parametresIncorrects("CreationAxePL");

    axe->profilLongActif = nom;
    if (UN_AXELONG* ancien = profils->trouve(nom)) profils->retire(ancien);
    profils->ajoute(std::move(profil));
    enregistre(*projet, "CreationAxePL");
  });
}

resbuf* ModifNomAxeLong(int32_t) {
  return protege("ModifNomAxeLong", [] {
    auto projet = ouvreProjet();
    ArgumentsAppel args;
    const auto noms = nomsArguments(args, 3, "ModifNomAxeLong");
    if (!noms) return;
    const std::string& ancien = (*noms)[1];
    const std::string& nouveau = (*noms)[2];
    AXE_EN_PLAN* axe = projet->trouveAxe((*noms)[0]);
    if (!axe) return signale("ModifNomAxeLong", "Axe non trouve");
    AXE_EN_LONG* profils = axe->axesEnLong();
    if (!profils) return signale("ModifNomAxeLong", "Pas de profils en long");
    if (profils->trouve(nouveau))
      return signale("ModifNomAxeLong", "le nouveau nom est deja utilise");
    UN_AXELONG* profil = profils->trouve(ancien);
    if (!profil) return signale("ModifNomAxeLong", "Profil inconnu");
    profil->nom = nouveau;
    if (axe->profilLongActif && framework::egauxSansCasseAscii(*axe->profilLongActif, ancien))
      axe->profilLongActif = nouveau;
    enregistre(*projet, "ModifNomAxeLong");
  });
}

resbuf* SupprAxeLong(int32_t) {
  return protege("SupprAxeLong", [] {
    auto projet = ouvreProjet();
    ArgumentsAppel args;
    const auto noms = nomsArguments(args, 2, "SupprAxeLong");
    if (!noms) return;
    AXE_EN_PLAN* axe = projet->trouveAxe((*noms)[0]);
    if (!axe) return signale("SupprAxeLong", "Axe non trouve");
    AXE_EN_LONG* profils = axe->axesEnLong();
    if (!profils) return signale("SupprAxeLong", "Pas de profils en long");
    UN_AXELONG* profil = profils->trouve((*noms)[1]);
    if (!profil) return signale("SupprAxeLong", "Profil inconnu");
    profils->retire(profil);  // the active profile name stays as it was
    enregistre(*projet, "SupprAxeLong");
  });
}

}  // namespace road
