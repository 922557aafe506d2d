#include "framework/point_entree.h"

#include <cstdlib>
#include <ostream>

#include "acdocman.h"
#include "aced.h"
#include "acedads.h"
#include "framework/commandes_application.h"
#include "framework/composant_module.h"
#include "framework/documents_mdi.h"
#include "framework/error_stream.h"
#include "framework/execution.h"
#include "framework/fonction_arx.h"
#include "framework/identite_module.h"
#include "framework/message_stream.h"

namespace framework {
namespace {

std::string& titreModule() {
  static std::string t;
  return t;
}

void*& instance() {
  static void* i = nullptr;
  return i;
}

// Pushes the module's resources for the time of one message.
class RessourcesModule {
 public:
  RessourcesModule() { acDocManager->pushResourceHandle(instance()); }
  ~RessourcesModule() { acDocManager->popResourceHandle(); }
};

void initialise(void* paquet) {
  instance() = paquet;
  acrxDynamicLinker->unlockApplication(paquet);
  if (identiteModule().documentsMdi)
    acrxDynamicLinker->registerAppMDIAware(paquet);
  else
    acrxDynamicLinker->registerAppNotMDIAware(paquet);
  demarrerFluxMessages();
  if (identiteModule().documentsMdi) creeDocumentsMdi();
  RessourcesModule ressources;
  if (!demarreComposants()) {
    fluxErreur() << "Arrêt du module suite à une erreur d'initialisation" << std::endl;
    std::exit(1);
  }
  declareTout();
  ajouteCommandesApplication();
}

void decharge() {
  retireCommandesApplication();
  retireTout();
  arreteComposants();
  arreterFluxMessages();
  if (identiteModule().documentsMdi) detruitDocumentsMdi();
}

void appelle() {
  RessourcesModule ressources;
  FONCTION_ARX* f = trouveParCode(acedGetFunCode());
  resbuf* resultat = f ? executeEntree(f, 0) : nullptr;
  if (resultat) {
    acedRetList(resultat);
    acutRelRb(resultat);
  } else {
    acedRetVoid();
  }
}

void quitte() {
  const bool trace = identiteModule().traceFin;
  if (trace) fluxErreur() << "DBX:CLBFIN" << std::endl;
  executeEvenement(kFinHote);
  if (trace) fluxErreur() << "DBX:CLBTERM" << std::endl;
  arreteComposants();
  if (trace) fluxErreur() << "DBX:CLBINIFLUX" << std::endl;
  arreterFluxMessages();
  if (trace) fluxErreur() << "DBX:CLBOK" << std::endl;
}

}  // namespace

const char* nomCommandeSansPrefixe() {
  const char* nom = identiteModule().nomCommande;
  if (nom && (nom[0] == 'C' || nom[0] == 'c') && nom[1] == ':') return nom + 2;
  return nom ? nom : "";
}

void changeTitre(const std::string& t) { titreModule() = t; }
const std::string& titre() { return titreModule(); }
void* instanceModule() { return instance(); }

AcRx::AppRetCode pointEntree(AcRx::AppMsgCode message, void* paquet) {
  try {
    switch (message) {
      case AcRx::kInitAppMsg: initialise(paquet); break;
      case AcRx::kUnloadAppMsg: decharge(); break;
      case AcRx::kLoadDwgMsg: {
        RessourcesModule ressources;
        declareTout();
        executeEvenement(kDessinCharge);
        break;
      }
      case AcRx::kUnloadDwgMsg: retireTout(); break;
      case AcRx::kInvkSubrMsg: appelle(); break;
      case AcRx::kSaveMsg: {
        RessourcesModule ressources;
        executeEvenement(kDessinSauve);
        break;
      }
      case AcRx::kQuitMsg: quitte(); break;
      default: break;
    }
  } catch (...) {
    // Nothing may reach the host; the run itself reports a function's failure.
    fluxErreur() << "!!!!!!! ERREUR DANS LE MODULE " << identiteModule().nomModule << std::endl;
  }
  if (!titreModule().empty()) acedSetMainWindowCaption(titreModule().c_str());
  return AcRx::kRetOK;
}

}  // namespace framework
