// Drive aliases of the mapping service: a name standing for a directory, and
// the alias paths ("NAME:\dir\file.dxf") of the files under it.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host::map {

struct Alias {
  std::string name;
  std::string path;
};

class AliasTable {
 public:
  // Names compare without regard to case. Adding a name already defined, or
  // updating one that is not, fails; so do an empty name or path.
  bool add(std::string_view name, std::string_view path);
  bool update(std::string_view name, std::string_view path);
  const std::vector<Alias>& all() const { return aliases_; }

  // The file an alias path names: the alias's directory joined with the rest
  // ("\" or "/" separated); where the exact name is missing, each component
  // is looked up without regard to case. None for an unknown alias.
  std::optional<std::string> actualPath(std::string_view aliasPath) const;
  // The alias path of a file under one of the aliases' directories (the
  // longest that holds it); none when no alias holds it.
  std::optional<std::string> aliasPath(std::string_view actualPath) const;

 private:
  const Alias* find(std::string_view name) const;
  Alias* find(std::string_view name);
  std::vector<Alias> aliases_;
};

}  // namespace host::map
