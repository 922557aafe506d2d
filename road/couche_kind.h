// The fixed table of cross-section layer kinds: code, kind name, end word of
// the layer in the file, the AutoLISP symbol that carries its points, and
// whether its points carry a name.
#pragma once
#include <array>
#include <string_view>

namespace road {

struct COUCHE_KIND {
  int code;
  const char* nom;
  const char* motFin;
  const char* symbole;
  bool pointsNommes;
};

constexpr int kNombreCoucheKinds = 9;

// The kinds in code order (0 to 8): the order every walk over all kinds takes.
const std::array<COUCHE_KIND, kNombreCoucheKinds>& coucheKinds();
// The kind of this code, or nullptr outside 0..8.
const COUCHE_KIND* coucheKind(int code);
// The code of a kind name in any letter case; -1 when it is not one.
int codeCoucheKind(std::string_view nom);

}  // namespace road
