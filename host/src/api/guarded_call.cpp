#include "api/guarded_call.h"

#include <string>

#include "core/host_errors.h"
#include "core/session.h"

namespace host {

void reportHostCallFailure(const char* what, const char* why, bool outOfMemory) {
  if (outOfMemory) session().setErrno(kErrOutOfMemory);
  session().print(std::string("** ") + (what ? what : "?") + ": " + (why ? why : "") + " **\n");
}

}  // namespace host
