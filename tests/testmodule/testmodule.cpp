// A minimal module: prints every application message it gets and defines a
// few LISP functions that exercise the host's exchange of values.
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>

#include "acedads.h"
#include "rxapi.h"

namespace {

const char* const kPrefix = TESTMOD_NAME;
int callCount = 0;  // per module: two modules loaded together count apart

std::string fname(const char* suffix) { return std::string(kPrefix) + "-" + suffix; }

enum Function { kCount, kEcho, kGetSym, kPutSym, kThrow, kVoid, kNil, kFunctionCount };
const char* const kNames[kFunctionCount] = {"count", "echo", "getsym", "putsym",
                                            "throw", "void", "nil"};

void defineAll() {
  for (int i = 0; i < kFunctionCount; ++i) acedDefun(fname(kNames[i]).c_str(), i);
}

void undefineAll() {
  for (int i = 0; i < kFunctionCount; ++i) acedUndef(fname(kNames[i]).c_str(), i);
}

int invoke() {
  const int code = acedGetFunCode();
  resbuf* args = acedGetArgs();
  switch (code) {
    case kCount: acedRetInt(++callCount); break;
    case kEcho:  // gives back its arguments exactly as they arrived
      if (args)
        acedRetList(args);
      else
        acedRetNil();
      break;
    case kGetSym: {
      resbuf* value = nullptr;
      if (args && args->restype == RTSTR && acedGetSym(args->resval.rstring, &value) == RTNORM &&
          value) {
        acedRetList(value);
        acutRelRb(value);
      } else {
        acedRetNil();
      }
      break;
    }
    case kPutSym:
      if (args && args->restype == RTSTR && args->rbnext)
        acedPutSym(args->resval.rstring, args->rbnext);
      acedRetVoid();
      break;
    case kThrow: acutRelRb(args); throw std::runtime_error("module failure");
    case kVoid: acedRetVoid(); break;
    case kNil: acedRetNil(); break;
    default: acedRetVoid();
  }
  acutRelRb(args);
  return RTNORM;
}

}  // namespace

ACRX_MODULE_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* pkt) {
  if (msg != AcRx::kInvkSubrMsg) acutPrintf("[%s] message %d\n", kPrefix, static_cast<int>(msg));
  switch (msg) {
    case AcRx::kInitAppMsg:
      acrxDynamicLinker->unlockApplication(pkt);
      acrxDynamicLinker->registerAppMDIAware(pkt);
      break;
    case AcRx::kLoadDwgMsg: defineAll(); break;
    case AcRx::kUnloadDwgMsg: undefineAll(); break;
    case AcRx::kInvkSubrMsg:
      invoke();  // lets kThrow's exception out: the host must survive it
      break;
    default: break;
  }
  return AcRx::kRetOK;
}

ACRX_MODULE_EXPORT int acrxGetApiVersion() { return ACRX_API_VERSION; }
