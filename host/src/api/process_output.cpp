#include <cstdio>
#include <cstdlib>

#include "platform.h"
#include "platform/support_path.h"

namespace platform {

void writeProcessOutput(std::string_view text) {
  static FILE* console = [] {
    const char* path = std::getenv("CADHOST_CONSOLE");
    return path && *path ? std::fopen(host::toFsPath(path).c_str(), "a") : nullptr;
  }();
  if (!console || text.empty()) return;
  std::fwrite(text.data(), 1, text.size(), console);
  std::fflush(console);
}

}  // namespace platform
