#include "lisp/host_call.h"

#include <cstdlib>

#include "acedads.h"
#include "lisp/error.h"

namespace lisp {

int getVarInt(const char* name, int fallback) {
  resbuf rb{};
  if (acedGetVar(name, &rb) != RTNORM) return fallback;
  switch (rb.restype) {
    case RTSHORT: return rb.resval.rint;
    case RTLONG: return rb.resval.rlong;
    case RTREAL: return static_cast<int>(rb.resval.rreal);
    case RTSTR: std::free(rb.resval.rstring); return fallback;
    default: return fallback;
  }
}

void stopIfCancelled(int status) {
  if (status == RTCAN) raise(kCancelled);
}

}  // namespace lisp
