// Cut and fill areas of a cross-section on hand-checked lines.
#include <gtest/gtest.h>

#include <vector>

#include "earthworks/aires_profil.h"

namespace {

using earthworks::airesDeblaiRemblai;
using terrain::VECTEUR;

struct Cas {
  std::vector<VECTEUR> sol, projet;
  double deblai, remblai;
};

TEST(AiresProfil, GroundAndProjectLines) {
  const std::vector<VECTEUR> plat{{0, 0}, {10, 0}};
  const Cas cas[] = {
      {plat, {{0, 1}, {10, 1}}, 0.0, 10.0},    // all fill
      {plat, {{0, -1}, {10, 1}}, 2.5, 2.5},    // crossing at x = 5
      {plat, {{0, 1}, {10, 0}}, 0.0, 5.0},     // meeting at the right end only
      {plat, {{0, -2}, {10, -2}}, 20.0, 0.0},  // all cut
      {plat, {{10, 1}, {0, 1}}, 0.0, 0.0},     // running backwards: nothing
      // The backward piece skipped, the others counted whole.
      {plat, {{0, 1}, {4, 1}, {2, 5}, {10, 1}}, 0.0, 4.0 + 8.0 * 3.0},
      // A ground slope crossing the project at x = 5: half a square metre on each side.
      {{{0, 0}, {4, 0}, {6, 2}, {10, 2}}, {{-5, 1}, {20, 1}}, 0.5 + 4.0, 4.0 + 0.5},
      {plat, {}, 0.0, 0.0},
      {plat, {{3, 3}}, 0.0, 0.0},
  };
  for (const Cas& c : cas) {
    const auto aires = airesDeblaiRemblai(c.sol, c.projet);
    EXPECT_NEAR(aires.deblai, c.deblai, 1e-9) << c.projet.size();
    EXPECT_NEAR(aires.remblai, c.remblai, 1e-9) << c.projet.size();
  }
}

}  // namespace
