// The identity and table of the framework as this test program carries it.
#include "framework/fonction_arx.h"
#include "framework/identite_module.h"
#include "table_test.h"

namespace framework {

const IDENTITE_MODULE& identiteModule() {
  static constexpr IDENTITE_MODULE kIdentite{"Testeur", "1.01", "MV12", "C:Testeur", "Essais",
                                             "", "1.0", "https://exemple.test", -1, false, false};
  return kIdentite;
}

}  // namespace framework

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
}  // namespace

framework::FONCTION_ARX premiere("premiere", rien, "La premiere", -1, 1);
framework::FONCTION_ARX cachee("_cachee", rien, "Cachee", -1, 1);
framework::FONCTION_ARX commandeCachee("C:_aussicachee", rien, "Cachee aussi", -1, 1);
framework::FONCTION_ARX sansDescription("c:visible", rien, nullptr, -1, 1);
framework::FONCTION_ARX indisponible("indispo", rien, "Jamais declaree", 4, 1);
framework::FONCTION_ARX evenement1(framework::kDessinCharge, evenementA, "Evenement A");
framework::FONCTION_ARX evenement1bis(framework::kDessinCharge, evenementB, "Evenement B");

}  // namespace table_test
