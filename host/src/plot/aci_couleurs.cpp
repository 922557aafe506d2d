#include "plot/aci_couleurs.h"

#include <cmath>

namespace plot {

namespace {

constexpr Rgb kFirstNine[] = {{255, 0, 0},   {255, 255, 0},   {0, 255, 0},
                              {0, 255, 255}, {0, 0, 255},     {255, 0, 255},
                              {0, 0, 0},     {128, 128, 128}, {192, 192, 192}};

// 10..249: 24 hues 15 degrees apart, each in ten shades. Even indices are the
// pure hue, odd ones at half saturation; each pair is darker than the last.
// Components are truncated, as the host's table is.
Rgb shade(int index) {
  constexpr double kValues[] = {1.0, 0.8, 0.6, 0.5, 0.3};
  const double hue = (index / 10 - 1) * 15.0;
  const double value = 255.0 * kValues[(index % 10) / 2];
  const double saturation = index % 2 ? 0.5 : 1.0;
  const double sector = hue / 60.0;
  const int k = static_cast<int>(sector);
  const double f = sector - k;
  const double p = value * (1 - saturation), q = value * (1 - saturation * f),
               t = value * (1 - saturation * (1 - f));
  double c[3];
  switch (k) {
    case 0: c[0] = value, c[1] = t, c[2] = p; break;
    case 1: c[0] = q, c[1] = value, c[2] = p; break;
    case 2: c[0] = p, c[1] = value, c[2] = t; break;
    case 3: c[0] = p, c[1] = q, c[2] = value; break;
    case 4: c[0] = t, c[1] = p, c[2] = value; break;
    default: c[0] = value, c[1] = p, c[2] = q; break;
  }
  auto byte = [](double v) { return static_cast<uint8_t>(std::floor(v + 1e-9)); };
  return {byte(c[0]), byte(c[1]), byte(c[2])};
}

}  // namespace

Rgb aciColour(int index) {
  if (index >= 1 && index <= 9) return kFirstNine[index - 1];
  if (index >= 10 && index <= 249) return shade(index);
  if (index >= 250 && index <= 255) {
    const auto grey = static_cast<uint8_t>(51 + (index - 250) * 40.8 + 1e-9);
    return {grey, grey, grey};
  }
  return {0, 0, 0};
}

}  // namespace plot
