// Selecting the entities of some kinds on some layers, telling an empty
// selection from a failed one.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "adsdef.h"

namespace terrain {

struct SELECTION_CALQUES {
  ads_name nom{};
  bool vide = true;  // nothing matched: no set was made
};

// The entities of the kinds in `masque` (framework/types_objets.h) on the
// layers `calques` (comma-separated), selected with `mode` ("X", or "C" with
// the two corners). No layer selects nothing. Empty when nothing matched;
// none when the selection failed otherwise.
std::optional<SELECTION_CALQUES> selectionne(const std::string& calques, int32_t masque,
                                             const char* mode, const double* p1 = nullptr,
                                             const double* p2 = nullptr);

}  // namespace terrain
