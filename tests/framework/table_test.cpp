// The whole function table of this test program, in one file as a module's
// table is, so that its codes do not depend on the order the files are set up.
#include "table_test.h"

namespace table_test {

int appelsEvenement = 0;
std::string ordreEvenements;

namespace {
resbuf* evenementA(int32_t) {
  ++appelsEvenement;
  ordreEvenements += "A";
  return nullptr;
}
resbuf* evenementB(int32_t) {
  ordreEvenements += "B";
  return nullptr;
}
resbuf* rien(int32_t) { return nullptr; }
// A feature bit outside the module's mask: the entry is never declared.
constexpr int32_t kFonctionnaliteAbsente = 4;
}  // namespace

framework::FONCTION_ARX premiere("premiere", rien, "La premiere", framework::kToujoursDisponible,
                                 framework::kGardeEnvironnement);
framework::FONCTION_ARX cachee("_cachee", rien, "Cachee", framework::kToujoursDisponible,
                               framework::kGardeEnvironnement);
framework::FONCTION_ARX commandeCachee("C:_aussicachee", rien, "Cachee aussi",
                                       framework::kToujoursDisponible,
                                       framework::kGardeEnvironnement);
framework::FONCTION_ARX sansDescription("c:visible", rien, nullptr, framework::kToujoursDisponible,
                                        framework::kGardeEnvironnement);
framework::FONCTION_ARX indisponible("indispo", rien, "Jamais declaree", kFonctionnaliteAbsente,
                                     framework::kGardeEnvironnement);
framework::FONCTION_ARX evenement1(framework::kDessinCharge, evenementA, "Evenement A");
framework::FONCTION_ARX evenement1bis(framework::kDessinCharge, evenementB, "Evenement B");
framework::FONCTION_ARX imbriquee("*imbriquee", recursive, "Appel imbrique",
                                  framework::kToujoursDisponible, framework::kSansAccrochage);
framework::FONCTION_ARX fautive("fautive", lance, "Leve une exception",
                                framework::kToujoursDisponible, framework::kSansAccrochage);
framework::FONCTION_ARX gardeEnvironnement("garde", resultat, "Garde l'environnement",
                                           framework::kToujoursDisponible,
                                           framework::kGardeEnvironnement);

}  // namespace table_test
