// File copy and rename for the project files, with the Windows rules the
// system relies on (read-only targets, same file under two names).
#pragma once
#include <string_view>

namespace road {

// Both names designate one existing file.
bool memeFichier(std::string_view a, std::string_view b);
// Copies with overwrite; a read-only target is made writable and the copy
// tried once more. The target ends with normal attributes. Same file: done.
bool copieFichier(std::string_view source, std::string_view cible);
// Same file: success without doing anything.
bool renommeFichier(std::string_view source, std::string_view cible);

}  // namespace road

#include <string>

namespace road {

// The path as the file system wants it ("\" becomes "/").
std::string cheminSysteme(std::string_view chemin);

}  // namespace road
