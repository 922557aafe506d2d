// The host's colour indices (ACI) as the colours a plot on white paper shows.
#pragma once
#include <cstdint>

namespace plot {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// 1..255 as the host's standard table gives them, but 7 (white on a dark
// screen) is black on paper. Anything else, BYBLOCK (0) included, is black too:
// a plot has no block to take a colour from.
Rgb aciColour(int index);

}  // namespace plot
