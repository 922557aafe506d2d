// The registry of record kinds: a tag and the function that makes an empty
// record of that kind. Filled once at module start.
#pragma once
#include <memory>
#include <string_view>

#include "road/objet_es.h"

namespace road {

using CREATEUR_OBJET = std::unique_ptr<OBJET_ES> (*)();

class REGISTRE_OBJETS {
 public:
  // Registers a kind (newest first) and writes "ID = <tag>" to the error stream.
  static void enregistre(const char* tag, CREATEUR_OBJET createur);
  // The registered tag matching `mot` (ASCII case folded), or nullptr.
  static const char* trouve(std::string_view mot);
  // A new empty record of that kind, or nullptr for an unknown tag.
  static std::unique_ptr<OBJET_ES> cree(std::string_view tag);
  static bool estEnregistre(std::string_view mot) { return trouve(mot) != nullptr; }
  // Registers the nine kinds of the project file (once).
  static void enregistreTout();
};

// Compares ASCII letters without case, other bytes exactly.
bool memeMot(std::string_view a, std::string_view b);

}  // namespace road
