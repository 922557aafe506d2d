// The shell's open / print / explore, with file associations from the
// registry and xdg-open as the last resort for opening.
#include <sys/stat.h>
#include <unistd.h>

#include <strings.h>
#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "platform.h"
#include "platform/support_path.h"

namespace fs = std::filesystem;

namespace platform {
namespace {

constexpr int kShellSuccess = 33;
const char* const kClassesRoot = "HKEY_CLASSES_ROOT\\";

bool isExecutableFile(const std::string& fsPath) {
  struct stat st;
  return ::stat(fsPath.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
         ::access(fsPath.c_str(), X_OK) == 0;
}

std::optional<std::string> findInPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  if (!path) return std::nullopt;
  std::string list(path);
  size_t start = 0;
  while (start <= list.size()) {
    size_t end = list.find(':', start);
    if (end == std::string::npos) end = list.size();
    const std::string dir = end > start ? list.substr(start, end - start) : ".";
    const std::string candidate = dir + "/" + name;
    if (isExecutableFile(candidate)) return candidate;
    start = end + 1;
  }
  return std::nullopt;
}

// ".dxf" from "plan.dxf", "C:\\x\\plan.DXF" or ".dxf" itself.
std::string extensionOf(std::string_view fileOrExtension) {
  const std::string p = host::toFsPath(fileOrExtension);
  if (!p.empty() && p[0] == '.' && p.find('/') == std::string::npos &&
      p.find('.', 1) == std::string::npos)
    return p;
  return fs::path(p).extension().string();
}

// The command line registered for `verb` on files of type `typeName`
// (".ext" or "Folder"): a program path, or a type's shell command.
std::optional<std::string> commandFor(const std::string& typeName, std::string_view verb) {
  if (typeName.empty()) return std::nullopt;
  std::string type = typeName;
  if (typeName[0] == '.') {
    auto registered = readRegistryString(kClassesRoot + typeName, "");
    if (!registered || registered->empty()) return std::nullopt;
    if (isExecutableFile(host::toFsPath(*registered))) {
      if (strcasecmp(std::string(verb).c_str(), "open") != 0) return std::nullopt;
      return "\"" + *registered + "\" \"%1\"";
    }
    type = *registered;
  }
  auto command =
      readRegistryString(kClassesRoot + type + "\\shell\\" + std::string(verb) + "\\command", "");
  if (!command || command->empty()) return std::nullopt;
  return command;
}

void replaceAll(std::string& s, std::string_view what, std::string_view with) {
  for (size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + with.size()))
    s.replace(at, what.size(), with);
}

int errorFor(int err) {
  switch (err) {
    case ENOENT: return SE_ERR_FNF;
    case ENOTDIR: return SE_ERR_PNF;
    case EACCES:
    case EPERM: return SE_ERR_ACCESSDENIED;
    default: return 0;
  }
}

int launch(const std::vector<std::string>& args, std::string_view directory) {
  if (args.empty()) return SE_ERR_NOASSOC;
  std::vector<std::string> rest(args.begin() + 1, args.end());
  ProcessResult r = startProgram(args[0], rest, false, directory);
  return r.started ? kShellSuccess : SE_ERR_FNF;
}

// Runs a registered command with "%1" as the file and "%*" as the parameters;
// without "%1" the file goes last.
int runCommand(std::string command, const std::string& file, std::string_view parameters,
               std::string_view directory) {
  const bool hasFile =
      command.find("%1") != std::string::npos || command.find("%L") != std::string::npos;
  replaceAll(command, "%*", parameters);
  replaceAll(command, "%1", file);
  replaceAll(command, "%L", file);
  std::vector<std::string> args = splitCommandLine(command);
  if (!hasFile) args.push_back(file);
  return launch(args, directory);
}

}  // namespace

int shellExecute(std::string_view verbGiven, std::string_view file, std::string_view parameters,
                 std::string_view directory) {
  try {
    const std::string verb = verbGiven.empty() ? "open" : std::string(verbGiven);
    const bool open = strcasecmp(verb.c_str(), "open") == 0;
    const bool explore = strcasecmp(verb.c_str(), "explore") == 0;
    const std::string path = host::toFsPath(file);
    struct stat st;
    if (path.empty()) return SE_ERR_FNF;
    if (::stat(path.c_str(), &st) != 0) {
      const int err = errno;
      // As the shell says it: a missing directory is a missing path.
      const std::string parent = fs::path(path).parent_path().string();
      if (err == ENOENT && !parent.empty() && ::access(parent.c_str(), F_OK) != 0)
        return SE_ERR_PNF;
      return errorFor(err);
    }
    const bool isDir = S_ISDIR(st.st_mode);
    if (explore && !isDir) return SE_ERR_NOASSOC;

    if (open && !isDir && isExecutableFile(path))
      return launch(
          [&] {
            std::vector<std::string> args{path};
            for (std::string& a : splitCommandLine(parameters)) args.push_back(std::move(a));
            return args;
          }(),
          directory);

    const std::string type = isDir ? "Folder" : extensionOf(path);
    if (auto command = commandFor(type, verb))
      return runCommand(*command, path, parameters, directory);
    if (open || explore)
      if (auto xdg = findInPath("xdg-open")) return launch({*xdg, path}, directory);
    return SE_ERR_NOASSOC;
  } catch (...) {
    return 0;
  }
}

std::optional<std::string> associatedProgram(std::string_view fileOrExtension) {
  try {
    const std::string path = host::toFsPath(fileOrExtension);
    if (isExecutableFile(path)) return std::string(fileOrExtension);
    auto command = commandFor(extensionOf(fileOrExtension), "open");
    if (!command) return std::nullopt;
    std::vector<std::string> args = splitCommandLine(*command);
    if (args.empty() || args[0].empty()) return std::nullopt;
    return args[0];
  } catch (...) {
    return std::nullopt;
  }
}

}  // namespace platform
