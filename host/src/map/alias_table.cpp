#include "map/alias_table.h"

#include <strings.h>

#include <filesystem>

#include "platform/support_path.h"

namespace host::map {

namespace {

namespace fs = std::filesystem;

bool sameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

// Without a trailing separator, "/" for "\".
std::string directory(std::string_view path) {
  std::string d = toFsPath(path);
  while (d.size() > 1 && d.back() == '/') d.pop_back();
  return d;
}

// `rest` under `base`, component by component, each matched without regard
// to case when the exact name is not there.
std::string resolveUnder(const std::string& base, std::string_view rest) {
  fs::path path(base);
  std::error_code ec;
  for (const auto& part : fs::path(toFsPath(rest))) {
    const std::string name = part.string();
    if (name.empty() || name == "/") continue;
    fs::path next = path / name;
    if (!fs::exists(next, ec)) {
      for (const auto& entry : fs::directory_iterator(path, ec)) {
        if (sameName(entry.path().filename().string(), name)) {
          next = entry.path();
          break;
        }
      }
    }
    path = next;
  }
  return path.string();
}

}  // namespace

const Alias* AliasTable::find(std::string_view name) const {
  for (const Alias& a : aliases_)
    if (sameName(a.name, name)) return &a;
  return nullptr;
}

Alias* AliasTable::find(std::string_view name) {
  return const_cast<Alias*>(static_cast<const AliasTable&>(*this).find(name));
}

bool AliasTable::add(std::string_view name, std::string_view path) {
  if (name.empty() || path.empty() || find(name)) return false;
  aliases_.push_back({std::string(name), std::string(path)});
  return true;
}

bool AliasTable::update(std::string_view name, std::string_view path) {
  if (path.empty()) return false;
  Alias* found = find(name);
  if (!found) return false;
  found->path = std::string(path);
  return true;
}

std::optional<std::string> AliasTable::actualPath(std::string_view aliasPath) const {
  const size_t colon = aliasPath.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const Alias* alias = find(aliasPath.substr(0, colon));
  if (!alias) return std::nullopt;
  std::string_view rest = aliasPath.substr(colon + 1);
  while (!rest.empty() && (rest.front() == '\\' || rest.front() == '/')) rest.remove_prefix(1);
  if (rest.find("..") != std::string_view::npos) return std::nullopt;  // stays under the alias
  return resolveUnder(directory(alias->path), rest);
}

std::optional<std::string> AliasTable::aliasPath(std::string_view actualPath) const {
  const std::string file = toFsPath(actualPath);
  const Alias* best = nullptr;
  size_t bestLength = 0;
  for (const Alias& a : aliases_) {
    const std::string dir = directory(a.path);
    if (file.size() > dir.size() + 1 && file.compare(0, dir.size(), dir) == 0 &&
        file[dir.size()] == '/' && dir.size() >= bestLength) {
      best = &a;
      bestLength = dir.size();
    }
  }
  if (!best) return std::nullopt;
  std::string rest = file.substr(bestLength + 1);
  for (char& c : rest)
    if (c == '/') c = '\\';
  return best->name + ":\\" + rest;
}

}  // namespace host::map
