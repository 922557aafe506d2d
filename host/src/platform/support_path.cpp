#include "platform/support_path.h"

#include <cstdlib>
#include <filesystem>

#include "base/context.h"
#include "base/sysvars.h"
#include "platform.h"

namespace host {

std::string toFsPath(std::string_view path) {
  std::string p(path);
  for (char& c : p)
    if (c == '\\') c = '/';
  return p;
}

std::optional<std::string> findSupportFile(std::string_view name) {
  namespace fs = std::filesystem;
  if (name.empty()) return std::nullopt;
  const std::string wanted = toFsPath(name);
  std::error_code ec;
  auto found = [&](const fs::path& p) { return fs::is_regular_file(p, ec); };
  const fs::path asGiven(wanted);
  if (found(asGiven)) return asGiven.string();
  if (asGiven.is_absolute()) return std::nullopt;

  std::vector<fs::path> dirs;
  dirs.push_back(fs::current_path(ec));
  if (const SysVars* vars = context().currentVars()) {
    const SysVar* prefix = vars->find("DWGPREFIX");
    if (prefix && !prefix->s.empty()) dirs.emplace_back(toFsPath(prefix->s));
  }
  for (const std::string& dir : context().moduleDirectories()) dirs.emplace_back(dir);
  if (const char* extra = std::getenv("CADHOST_SUPPORT_PATH")) {
    std::string list(extra);
    size_t start = 0;
    while (start <= list.size()) {
      size_t end = list.find(':', start);
      if (end == std::string::npos) end = list.size();
      if (end > start) dirs.emplace_back(list.substr(start, end - start));
      start = end + 1;
    }
  }
  for (const auto& d : dirs) {
    const fs::path candidate = d / asGiven;
    if (found(candidate)) return candidate.string();
  }
  return std::nullopt;
}

}  // namespace host

std::string platform::systemPath(std::string_view path) { return host::toFsPath(path); }
