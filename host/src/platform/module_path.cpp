#include <dlfcn.h>
#include <unistd.h>

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

std::string programPath() {
  // The kernel's own record: right whatever the program was started as.
  char buf[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  return n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string();
}

}  // namespace platform
