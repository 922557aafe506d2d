// The files that the updater and Talvex's update check share: the version, support and
// opt-out files of the installation directory and the version file of the update directory,
// the versions they hold and the copy that replaces a file.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace maj {

inline constexpr const char* kFichierVersion = "talvex-version.inf";
inline constexpr const char* kFichierSupport = "talvex-support.inf";
inline constexpr const char* kFichierSansMaj = "talvex-sans-maj.inf";
inline constexpr const char* kTexteSansMaj =
    "Effacer ce fichier pour reactiver les mises a jour automatiques";
inline constexpr const char* kVersionInconnue = "???";
// Local files are read as lines of at most this many characters.
inline constexpr size_t kLongueurLigne = 360;

// The first `nombre` lines of a text file (fewer when it is shorter), without their line ends,
// each cut at kLongueurLigne characters; nothing when the file cannot be opened.
std::optional<std::vector<std::string>> lisLignes(std::string_view chemin, size_t nombre);
// The first blank-separated word of a text file; nothing when unreadable or without a word.
std::optional<std::string> lisPremierMot(std::string_view chemin);

// A version without the blanks and control characters at its ends.
std::string versionNettoyee(std::string_view version);
// Equal once cleaned, ignoring the case of ASCII letters.
bool memesVersions(std::string_view a, std::string_view b);

// `dossier` + "\" + `nom`, the system's way of joining.
std::string joint(std::string_view dossier, std::string_view nom);
// The directory part of a path ("." when it has none).
std::string dossierDe(std::string_view chemin);

// Writes the marker that switches automatic updates off, with its one line.
bool ecritMarqueurSansMaj(std::string_view dossierInstallation);

// Copies a file over another: when the copy is refused (a read-only target), the target is made
// writable and the copy tried once more; a copy made is never read-only. The bytes go to a
// temporary file that takes the target's place only once whole, so a target is never left half
// written.
bool copieEcrasant(std::string_view source, std::string_view cible);

}  // namespace maj
