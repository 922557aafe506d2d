#include <dlfcn.h>

#include <climits>
#include <cstdlib>

#include "platform.h"

namespace platform {

std::string modulePath(const void* addressInModule) {
  Dl_info info{};
  if (!addressInModule || dladdr(addressInModule, &info) == 0 || !info.dli_fname) return {};
  // dladdr reports the name the library was loaded under, possibly relative.
  char resolved[PATH_MAX];
  if (realpath(info.dli_fname, resolved)) return resolved;
  return info.dli_fname;
}

}  // namespace platform
