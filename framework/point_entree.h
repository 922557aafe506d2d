// The module's entry point: the host's application messages handled as the
// framework's lifecycle. Each module exports it with TALVEX_MODULE_EXPORTS().
#pragma once
#include <string>

#include "rxapi.h"

namespace framework {

AcRx::AppRetCode pointEntree(AcRx::AppMsgCode message, void* paquet);

// The module's title text: when not empty, the host main window's caption is
// set to it after every message.
void changeTitre(const std::string& titre);
const std::string& titre();

// The module instance given by the host at initialisation (its resources).
void* instanceModule();

}  // namespace framework

// The two exports every framework module has.
#define TALVEX_MODULE_EXPORTS()                                                         \
  ACRX_MODULE_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* pkt) { \
    return framework::pointEntree(msg, pkt);                                            \
  }                                                                                     \
  ACRX_MODULE_EXPORT int acrxGetApiVersion() { return ACRX_API_VERSION; }
