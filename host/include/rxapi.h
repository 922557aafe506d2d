// Application messages, the exported entry points, the dynamic linker and the
// run-time service registry.
#pragma once
#include "adsdef.h"

namespace AcRx {
enum AppMsgCode {
  kNullMsg = 0,
  kInitAppMsg = 1,
  kUnloadAppMsg = 2,
  kLoadDwgMsg = 3,
  kUnloadDwgMsg = 4,
  kInvkSubrMsg = 5,
  kCfgMsg = 6,
  kEndMsg = 7,
  kQuitMsg = 8,
  kSaveMsg = 9,
  kDependencyMsg = 10,
  kNoDependencyMsg = 11,
  kOleUnloadAppMsg = 12,
  kPreQuitMsg = 13,
  kInitDialogMsg = 14,
  kEndDialogMsg = 15,
  kSuspendMsg = 16,
};
enum AppRetCode { kRetOK = 0, kRetError = 3 };
}  // namespace AcRx

// The API version stamp a module must answer from acrxGetApiVersion.
#define ACRX_API_VERSION 0x17000001

// Exported by every module.
#define ACRX_MODULE_EXPORT extern "C" __attribute__((visibility("default")))
// ACRX_MODULE_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* pkt);
// ACRX_MODULE_EXPORT int acrxGetApiVersion();
typedef AcRx::AppRetCode (*AcrxEntryPointFn)(AcRx::AppMsgCode, void*);
typedef int (*AcrxGetApiVersionFn)();

class HOST_API AcRxDynamicLinker {
 public:
  virtual ~AcRxDynamicLinker() = default;
  virtual bool unlockApplication(void* appId) = 0;
  virtual bool lockApplication(void* appId) = 0;
  virtual bool registerAppMDIAware(void* appId) = 0;
  virtual bool registerAppNotMDIAware(void* appId) = 0;
  virtual bool isApplicationMDIAware(void* appId) const = 0;
};

// Named services of the run-time registry ("DynamicLinker", "Map_Class", ...).
class HOST_API AcRxService {
 public:
  virtual ~AcRxService() = default;
  virtual const ACHAR* serviceName() const = 0;
};

extern "C" {
HOST_API AcRxDynamicLinker* acrxDynamicLinkerInstance();
// Looks a service up by name; nullptr when it is not registered.
HOST_API AcRxService* acrxServiceLookup(const ACHAR* name);
HOST_API bool acrxServiceRegister(AcRxService* service);
HOST_API void acrxServiceUnregister(const ACHAR* name);
}
#define acrxDynamicLinker (acrxDynamicLinkerInstance())
