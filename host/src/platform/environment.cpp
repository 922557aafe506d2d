#include <cstdlib>

#include "platform.h"

namespace platform {
namespace {

bool validName(const std::string& name) {
  return !name.empty() && name.find('=') == std::string::npos;
}

}  // namespace

std::optional<std::string> environmentVariable(std::string_view name) {
  const std::string n(name);
  if (!validName(n)) return std::nullopt;
  const char* v = std::getenv(n.c_str());
  if (!v) return std::nullopt;
  return std::string(v);
}

bool setEnvironmentVariable(std::string_view name, std::string_view value) {
  const std::string n(name);
  return validName(n) && ::setenv(n.c_str(), std::string(value).c_str(), 1) == 0;
}

bool removeEnvironmentVariable(std::string_view name) {
  const std::string n(name);
  return validName(n) && ::unsetenv(n.c_str()) == 0;
}

}  // namespace platform
