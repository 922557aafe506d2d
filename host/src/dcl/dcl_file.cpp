#include "dcl/dcl_file.h"

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "dcl/base_definitions.h"
#include "dcl/dcl_error.h"
#include "dcl/parser.h"
#include "dcl/resolver.h"
#include "platform/support_path.h"

namespace fs = std::filesystem;

namespace dcl {
namespace {

constexpr size_t kMaxIncludeDepth = 16;

bool readFile(const std::string& path, std::string& out) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  if (in.bad()) return false;
  out = s.str();
  return true;
}

std::string canonical(const std::string& path) {
  std::error_code ec;
  fs::path p = fs::weakly_canonical(path, ec);
  return ec ? path : p.string();
}

// Parses a file and, before it, everything it includes, in the order their
// definitions must enter the scope.
class Loader {
 public:
  void loadText(std::string_view text, const std::string& name, const std::string& directory) {
    ParsedFile parsed = parseDcl(text, name);
    stack_.push_back(canonical(name));
    for (const IncludeDirective& inc : parsed.includes) loadInclude(inc, name, directory);
    stack_.pop_back();
    files_.push_back(std::move(parsed));
  }

  DclFile finish(const std::string& path) {
    Resolver resolver;
    resolver.add(baseDefinitions());
    for (const ParsedFile& f : files_) resolver.add(f);
    DclFile out;
    out.path = path;
    for (const ParsedFile& f : files_) {
      for (const Definition& d : f.definitions) {
        Tile t = resolver.resolve(d);  // every definition, so every fault is found now
        if (t.type == "dialog")
          out.dialogs[d.name] = std::move(t);
        else
          out.dialogs.erase(d.name);  // a later prototype hides an earlier dialog
      }
    }
    return out;
  }

 private:
  void loadInclude(const IncludeDirective& inc, const std::string& from, const std::string& dir) {
    const std::string wanted = host::toFsPath(inc.file);
    std::string found;
    std::error_code ec;
    const fs::path beside = fs::path(dir) / wanted;
    if (!dir.empty() && fs::is_regular_file(beside, ec))
      found = beside.string();
    else if (auto p = host::findSupportFile(inc.file))
      found = *p;
    if (found.empty())
      throw DclError(from, inc.line, "fichier inclus introuvable \"" + inc.file + "\"");
    const std::string key = canonical(found);
    if (std::find(stack_.begin(), stack_.end(), key) != stack_.end())
      throw DclError(from, inc.line, "inclusion circulaire de \"" + inc.file + "\"");
    if (stack_.size() >= kMaxIncludeDepth)
      throw DclError(from, inc.line, "inclusions imbriquées trop profondément");
    std::string text;
    if (!readFile(found, text))
      throw DclError(from, inc.line, "lecture impossible de \"" + found + "\"");
    loadText(text, found, fs::path(found).parent_path().string());
  }

  std::deque<ParsedFile> files_;  // stable addresses: the resolver points into them
  std::vector<std::string> stack_;
};

}  // namespace

const Tile* DclFile::dialog(std::string_view name) const {
  auto it = dialogs.find(name);
  return it == dialogs.end() ? nullptr : &it->second;
}

DclFile loadDclText(std::string_view text, const std::string& name, const std::string& directory) {
  Loader loader;
  loader.loadText(text, name, directory);
  return loader.finish(name);
}

DclFile loadDclFile(const std::string& path) {
  std::string text;
  if (!readFile(path, text)) throw DclError(path, 0, "lecture impossible");
  return loadDclText(text, path, fs::path(path).parent_path().string());
}

}  // namespace dcl
