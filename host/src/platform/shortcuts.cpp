// Desktop shortcuts as freedesktop launcher files.
#include <sys/stat.h>
#include <unistd.h>

#include <pwd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform.h"
#include "platform/support_path.h"

namespace fs = std::filesystem;

namespace platform {
namespace {

// A value of a launcher file: one line, backslash escaped.
std::string entryValue(std::string_view s) {
  std::string out;
  for (char c : s) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default: out += c;
    }
  }
  return out;
}

// One argument of an Exec line: quoted when it holds a reserved character,
// with ", `, $ and \ escaped inside the quotes; '%' is doubled everywhere.
std::string execArgument(std::string_view arg) {
  static constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
  std::string out;
  const bool quote = arg.empty() || arg.find_first_of(kReserved) != std::string_view::npos;
  if (quote) out += '"';
  for (char c : arg) {
    if (c == '%')
      out += "%%";
    else if (quote && (c == '"' || c == '`' || c == '$' || c == '\\'))
      out += std::string("\\") + c;
    else
      out += c;
  }
  if (quote) out += '"';
  return out;
}

std::string fileNameFor(std::string_view name) {
  std::string out(name);
  for (char& c : out)
    if (c == '/' || c == '\\' || c == '\0') c = '_';
  return out + ".desktop";
}

}  // namespace

std::string desktopDirectory() {
  if (const char* d = std::getenv("CADHOST_DESKTOP"); d && *d) return host::toFsPath(d);
  std::string home;
  if (const char* h = std::getenv("HOME"); h && *h)
    home = h;
  else if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir)
    home = pw->pw_dir;
  else
    home = ".";
  return home + "/Desktop";
}

std::string desktopShortcutPath(std::string_view name) {
  return desktopDirectory() + "/" + fileNameFor(name);
}

bool createDesktopShortcut(const Shortcut& s) {
  try {
    if (s.name.empty() || s.target.empty()) return false;
    std::error_code ec;
    fs::create_directories(desktopDirectory(), ec);
    std::string exec = execArgument(host::toFsPath(s.target));
    for (const std::string& a : s.arguments) exec += " " + execArgument(a);
    std::string text = "[Desktop Entry]\nType=Application\nVersion=1.0\n";
    text += "Name=" + entryValue(s.name) + "\n";
    if (!s.description.empty()) text += "Comment=" + entryValue(s.description) + "\n";
    text += "Exec=" + entryValue(exec) + "\n";
    if (!s.workingDirectory.empty())
      text += "Path=" + entryValue(host::toFsPath(s.workingDirectory)) + "\n";
    if (!s.icon.empty()) text += "Icon=" + entryValue(host::toFsPath(s.icon)) + "\n";
    text += "Terminal=false\n";
    const std::string path = desktopShortcutPath(s.name);
    {
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out << text;
      if (!out.flush()) return false;
    }
    ::chmod(path.c_str(), 0755);  // desktops run only launchers marked executable
    return true;
  } catch (...) {
    return false;
  }
}

bool removeDesktopShortcut(std::string_view name) {
  if (name.empty()) return false;
  return ::unlink(desktopShortcutPath(name).c_str()) == 0;
}

bool desktopShortcutExists(std::string_view name) {
  struct stat st;
  return !name.empty() && ::stat(desktopShortcutPath(name).c_str(), &st) == 0 &&
         S_ISREG(st.st_mode);
}

}  // namespace platform
