// The functions that create, rename, renumber, shift and delete alignments.
#include <cstdint>
#include <memory>

#include "road/api_ecriture.h"
#include "road/api_ecriture_cadre.h"
#include "road/api_ecriture_listes.h"
#include "road/axe_en_plan.h"
#include "road/elements_plan.h"
#include "road/epais_structure.h"
#include "road/noms_api.h"
#include "road/variable_lisp.h"

namespace road {

using namespace api;

resbuf* CreationAxe(int32_t) {
  return protege("CreationAxe", [] {
    auto projet = ouvreProjet();
    ArgumentsAppel args;  // taken from the host, not examined

    auto axe = std::make_unique<AXE_EN_PLAN>();
    VARIABLE_LISP v("NMAXE-P");
    axe->nom = v.texte();
    v.nomme("ABSCD");
    axe->abscisseDebut = v.reel();
    v.nomme("ABSCF");
    axe->abscisseFin = v.reel();
    v.nomme("PREMPROF");
    axe->premierProfil = v.entier();
    v.nomme("VIT-REF");
    axe->vitesseReference = v.texte();
    v.nomme("PLAN-CONS");
    axe->planConstruction = v.texte();
    v.nomme("NB-EAXP");
    axe->nombreElementsDonne = v.entier();
    v.nomme("PBG-ZE");
    axe->basGauche = v.point();
    v.nomme("PHD-ZE");
    axe->hautDroit = v.point();
    v.nomme("LAXE-P");
    const auto elements = elementsPlanDe(v.liste().get());

    bool nomsBons = nomAcceptable(axe->nom);
    for (const auto& e : elements) nomsBons = nomsBons && nomAcceptable(e.nom);
    if (!nomsBons) return parametresIncorrects("CreationAxe");

    if (AXE_EN_PLAN* ancien = projet->trouveAxe(axe->nom)) projet->retireAxe(ancien);
    ELM_ELMAXEPLAN* liste = axe->elements(true);
    for (const auto& e : elements) liste->ajoute(e);
    axe->epaisseurs(true);  // eight undefined values
    projet->ajouteAxe(std::move(axe));
    enregistre(*projet, "CreationAxe");
  });
}

resbuf* ModifNomAxePlan(int32_t) {
  return protege("ModifNomAxePlan", [] {
    auto projet = ouvreProjet();
    ArgumentsAppel args;
    const auto noms = nomsArguments(args, 2, "ModifNomAxePlan");
    if (!noms) return;
    AXE_EN_PLAN* axe = projet->trouveAxe((*noms)[0]);
    if (!axe) return signale("ModifNomAxePlan", "axe inconnu");
    // Two alignments of one name: the second could no longer be reached.
    const AXE_EN_PLAN* homonyme = projet->trouveAxe((*noms)[1]);
    if (homonyme && homonyme != axe) return parametresIncorrects("ModifNomAxePlan");
    axe->nom = (*noms)[1];
    enregistre(*projet, "ModifNomAxePlan");
  });
}

resbuf* ModifNumProf(int32_t) {
  return protege("ModifNumProf", [] {
    auto projet = ouvreProjet();
    ArgumentsAppel args;
    const auto numero = args.entier(1);
    if (args.nombre() == 2 && !numero) return parametresIncorrects("ModifNumProf");
    AXE_EN_PLAN* axe = axeArgument(*projet, args, 2, "ModifNumProf");
    if (!axe) return;
    // The AutoLISP programs hand a short integer.
    axe->premierProfil = static_cast<int16_t>(*numero);
    enregistre(*projet, "ModifNumProf");
  });
}

resbuf* ModifAbsDebut(int32_t) {
  return protege("ModifAbsDebut", [] {
    auto projet = ouvreProjet();
    ArgumentsAppel args;
    const auto nom = args.texte(0);
    const auto debut = args.reel(1);
    if (args.nombre() != 2 || !nom || !nomAcceptable(*nom) || !debut)
      return parametresIncorrects("ModifAbsDebut");
    AXE_EN_PLAN* axe = projet->trouveAxe(*nom);
    // The callers know this message with its leading E.
    if (!axe) return signale("EModifAbsDebut", "axe inconnu");
    axe->decale(*debut - axe->abscisseDebut);
    enregistre(*projet, "ModifAbsDebut");
  });
}

resbuf* SupprAxePlan(int32_t) {
  return protege("SupprAxePlan", [] {
    auto projet = ouvreProjet();
    ArgumentsAppel args;
    AXE_EN_PLAN* axe = axeArgument(*projet, args, 1, "SupprAxePlan");
    if (!axe) return;
    projet->retireAxe(axe);
    enregistre(*projet, "SupprAxePlan");
  });
}

}  // namespace road
