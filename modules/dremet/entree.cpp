// Dremet's entry point: no framework, one command "dremet" defined in every
// drawing.
#include "acedads.h"
#include "dem/commande_dremet.h"
#include "rxapi.h"

namespace {

constexpr int kCodeDremet = 0;

void appeler() {
  acedRetVoid();
  if (acedGetFunCode() == kCodeDremet) dem::commandeDremet();
}

}  // namespace

ACRX_MODULE_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* pkt) {
  // Nothing may reach the host: a failure ends the command, not the session.
  try {
    switch (msg) {
      case AcRx::kInitAppMsg:
        acrxDynamicLinker->unlockApplication(pkt);
        acrxDynamicLinker->registerAppMDIAware(pkt);
        break;
      case AcRx::kLoadDwgMsg: acedDefun("c:dremet", kCodeDremet); break;
      case AcRx::kUnloadDwgMsg:
        acedUndef("c:dremet", kCodeDremet);
        acutPrintf("Unloading.\n");
        break;
      case AcRx::kInvkSubrMsg: appeler(); break;
      default: break;
    }
  } catch (...) {
    acutPrintf("\n Dremet : erreur interne, commande interrompue.\n");
  }
  return AcRx::kRetOK;
}

ACRX_MODULE_EXPORT int acrxGetApiVersion() { return ACRX_API_VERSION; }
