// Where a disk-command script may reach: the paths of its arguments, written from its two
// roots, and the places on disk they lead to.
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace maj {

struct RACINES {
  std::string premiere;                // "@1"
  std::optional<std::string> seconde;  // "@2"; absent, "@2" stays as written
};

// The argument with a leading "@1" or "@2" replaced by its root.
std::string resoutChemin(std::string_view texte, const RACINES& racines);

// The rule on the text: no ".." anywhere, and the path begins with a root followed by "\"
// (compared exactly); an empty root is none.
bool cheminTexteValide(std::string_view chemin, const RACINES& racines);

// Every character of `de` equals the one at the same place in `vers`, ignoring the case of
// ASCII letters (a path is a prefix of itself).
bool estPrefixe(std::string_view de, std::string_view vers);

// Where a path leads once every symbolic link in it is followed, a link that points at nothing
// yet included; relative paths start from the current directory. Nothing when a link cannot be
// read or links loop.
std::optional<std::filesystem::path> destinationReelle(std::string_view chemin);

// `chemin` is `dossier` or lies below it, both real paths.
bool estDessous(const std::filesystem::path& chemin, const std::filesystem::path& dossier);

// The directories a script works in, as they are on disk when it starts: a path is allowed when
// it leads into one of them, so that a symbolic link cannot take a command outside.
class CONFINEMENT {
 public:
  explicit CONFINEMENT(const std::vector<std::string>& dossiers);
  explicit CONFINEMENT(const RACINES& racines);
  bool permet(std::string_view chemin) const;

 private:
  std::vector<std::filesystem::path> dossiers_;
};

}  // namespace maj
