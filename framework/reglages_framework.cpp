// The framework's registered settings, declared in one place. The variables
// are function-local so that other code may use them during static
// initialisation; the accessors also pull this file into every module that
// reads one of them (a static library leaves unreferenced objects out).
#include "framework/reglages_framework.h"

#include "framework/parametre_enregistre.h"

namespace framework {

int& reglageMenuOnLoad() {
  static int menuOnLoad = 0;
  return menuOnLoad;
}

TEXTE_PARAMETRE& reglageGabarit() {
  static TEXTE_PARAMETRE gabarit("zizuroz.dwt");
  return gabarit;
}

std::string& reglageFichierClient() {
  static std::string fichierClient;
  return fichierClient;
}

std::string& reglageClientCourant() {
  static std::string clientCourant;
  return clientCourant;
}

double& reglageDiscArc() {
  static double discArc = 0;
  return discArc;
}

namespace {

PARAMETRE_ENREGISTRE pMenuOnLoad(reglagesUtilisateur(), reglageMenuOnLoad(), "MenuOnLoad",
                                 "Fichier", nullptr, nullptr, kJamaisCharge);
PARAMETRE_ENREGISTRE pGabarit(reglagesUtilisateur(), reglageGabarit(), "Gabarit", "General");
PARAMETRE_ENREGISTRE pFichierClient(reglagesUtilisateur(), reglageFichierClient(), "FichierClient",
                                    "Fichier", nullptr, nullptr, kJamaisCharge);
PARAMETRE_ENREGISTRE pClientCourant(reglagesUtilisateur(), reglageClientCourant(), "ClientCourant",
                                    "Fichier", nullptr, nullptr, kJamaisCharge);
PARAMETRE_ENREGISTRE pDiscArc(reglagesUtilisateur(), reglageDiscArc(), "DiscArc", "Global");

}  // namespace
}  // namespace framework
