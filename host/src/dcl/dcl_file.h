// A loaded DCL file: its dialogs, with prototypes and includes resolved.
#pragma once
#include <map>
#include <string>
#include <string_view>

#include "dcl/tile.h"

namespace dcl {

struct DclFile {
  std::string path;
  // Dialogs of the file and of the files it includes, by name.
  std::map<std::string, Tile, std::less<>> dialogs;

  const Tile* dialog(std::string_view name) const;
};

// Reads the file, its @include files (looked for beside the including file,
// then on the support path) and resolves every definition. Throws DclError
// naming the file and line at fault.
DclFile loadDclFile(const std::string& path);
// The same from text already read; includes are looked for in `directory`.
DclFile loadDclText(std::string_view text, const std::string& name, const std::string& directory);

}  // namespace dcl
