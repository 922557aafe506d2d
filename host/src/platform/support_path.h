// Where the host looks for support files (scripts, DCL files, data) named without a full path.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace host {

// Maps "\" to "/" so that paths written the host's way reach the file system.
std::string toFsPath(std::string_view path);

// Looks for `name` as given, then in the current directory, the current
// drawing's directory, the directories of the loaded modules and the
// directories of CADHOST_SUPPORT_PATH (':'-separated). Returns the path found.
std::optional<std::string> findSupportFile(std::string_view name);

}  // namespace host
