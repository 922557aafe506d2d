// FileInfo from what stat() answered.
#pragma once
#include <sys/stat.h>

#include "platform.h"

namespace platform {

inline FileInfo infoFromStat(const struct stat& st) {
  FileInfo info;
  info.isDirectory = S_ISDIR(st.st_mode);
  info.readOnly = (st.st_mode & S_IWUSR) == 0;
  info.size = info.isDirectory ? 0 : static_cast<uint64_t>(st.st_size);
  info.modified = static_cast<int64_t>(st.st_mtim.tv_sec);
  return info;
}

}  // namespace platform
