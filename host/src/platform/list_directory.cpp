#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>

#include "platform.h"
#include "platform/stat_info.h"
#include "platform/support_path.h"
#include "platform/wildcard.h"

namespace platform {

std::vector<DirEntry> listDirectory(std::string_view pattern) {
  const std::string path = host::toFsPath(pattern);
  const size_t slash = path.rfind('/');
  std::string dir = slash == std::string::npos ? "." : path.substr(0, slash);
  if (dir.empty()) dir = "/";
  std::string mask = slash == std::string::npos ? path : path.substr(slash + 1);
  if (mask.empty()) mask = "*";

  std::vector<DirEntry> out;
  std::unique_ptr<DIR, int (*)(DIR*)> d(::opendir(dir.c_str()), &::closedir);
  if (!d) return out;
  while (const dirent* e = ::readdir(d.get())) {
    const std::string_view name = e->d_name;
    if (name == "." || name == ".." || !matchesWildcard(mask, name)) continue;
    struct stat st;
    if (::fstatat(dirfd(d.get()), e->d_name, &st, 0) != 0) continue;  // vanished, or a dead link
    DirEntry entry;
    entry.name = std::string(name);
    entry.info = infoFromStat(st);
    out.push_back(std::move(entry));
  }
  std::sort(out.begin(), out.end(),
            [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
  return out;
}

}  // namespace platform
