// The host's colour indices as red, green and blue, and back.
#pragma once
#include <array>

namespace dem {

struct Rvb {
  double r = 0, v = 0, b = 0;  // fractions, 0 to 1
};

// 1 to 9 the basic colours, 10 to 249 hues by shade and saturation, 250 to
// 255 greys, above white; below 1 black.
Rvb couleurIndex(int i);
// Components 0 to 255.
std::array<int, 3> composantes(int i);
// The index from 1 to 255 nearest to the colour; the lower one on a tie.
int indexProche(const Rvb& c);
// The index nearest to the colour j / n of the way from p's to q's.
int indexInterpole(int p, int q, int j, int n);

}  // namespace dem
