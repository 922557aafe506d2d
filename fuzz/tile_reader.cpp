// Any bytes as an elevation-model tile: a refused tile stores nothing, an
// accepted one stores only altitudes (never the no-data marker's neighbours
// outside the grid), and the pass's count and extremes match what the grid
// holds.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "dem/dalle.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static dem::GrilleAltitudes grille;
  grille.vider();
  dem::BilanPasse bilan;
  std::vector<int32_t> tampon;
  const std::string_view texte(reinterpret_cast<const char*>(data), size);
  const dem::ResultatDalle r =
      dem::lireDalle(texte, dem::Coins{-1000, -1000, 30000, 30000}, grille, bilan, tampon);
  if (r.issue == dem::IssueDalle::Refusee && (r.motif.empty() || bilan.noeuds != 0)) std::abort();
  int64_t noeuds = 0;
  for (int64_t i = 0; i < dem::kCoteGrille; ++i)
    for (int64_t j = 0; j < dem::kCoteGrille; ++j) {
      const int32_t z = grille.z(i, j);
      if (z == dem::kSansDonnee) continue;
      if (z < 0 || z > bilan.zmax || z < bilan.zmin) std::abort();
      ++noeuds;
    }
  if (noeuds != bilan.noeuds) std::abort();
  return 0;
}
