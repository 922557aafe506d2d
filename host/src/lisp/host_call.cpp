#include "lisp/host_call.h"

#include <cstdlib>

#include "acedads.h"
#include "base/context.h"
#include "base/sysvars.h"
#include "lisp/error.h"

namespace lisp {

int getVarInt(const char* name, int fallback) {
  const host::SysVars* vars = host::context().currentVars();
  return vars ? vars->getInt(name, fallback) : fallback;
}

void stopIfCancelled(int status) {
  if (status == RTCAN) raise(kCancelled);
}

}  // namespace lisp
