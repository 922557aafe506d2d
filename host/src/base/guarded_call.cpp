#include "base/guarded_call.h"

#include <string>

#include "base/context.h"
#include "base/host_errors.h"

namespace host {

void reportHostCallFailure(const char* what, const char* why, bool outOfMemory) {
  if (outOfMemory) context().setErrno(kErrOutOfMemory);
  context().print(std::string("** ") + (what ? what : "?") + ": " + (why ? why : "") + " **\n");
}

}  // namespace host
