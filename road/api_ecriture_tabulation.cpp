// The functions that write an alignment's stations and construction table.
#include "road/api_ecriture.h"
#include "road/api_ecriture_cadre.h"
#include "road/axe_en_plan.h"
#include "road/synchronisation_tabulation.h"
#include "road/variable_lisp.h"

namespace road {

using namespace api;

namespace {

void miseAJour(const char* operation, SUITE_TABULATION suite) {
  auto projet = ouvreProjet();
  ArgumentsAppel args;
  AXE_EN_PLAN* axe = axeArgument(*projet, args, 1, operation, true);
  if (!axe) return;
  // A failed renumbering has reported; the new stations are kept all the same.
  miseAJourTabulation(*axe, suite);
  enregistre(*projet, operation);
}

}  // namespace

resbuf* EcritureTabulation(int32_t) {
  return protege("EcritureTabulation",
                 [] { miseAJour("EcritureTabulation", SUITE_TABULATION::Renumerotation); });
}

resbuf* ModifTabulation(int32_t) {
  return protege("ModifTabulation",
                 [] { miseAJour("ModifTabulation", SUITE_TABULATION::Rechargement); });
}

resbuf* EcritureSC(int32_t) {
  return protege("EcritureSC", [] {
    auto projet = ouvreProjet();
    ArgumentsAppel args;
    AXE_EN_PLAN* axe = axeArgument(*projet, args, 1, "EcritureSC");
    if (!axe) return;
    rechargeConstruction(*axe, VARIABLE_LISP("LPT-CONS").liste().get());
    enregistre(*projet, "EcritureSC");
  });
}

}  // namespace road
