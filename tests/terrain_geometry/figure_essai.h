// Figures drawn near the origin and again at national-grid coordinates: every
// answer must be the same. Coordinates are multiples of powers of two, so that
// the translated figure is exactly the same figure.
#pragma once
#include <gtest/gtest.h>

#include <span>

#include "terrain/pointgrp.h"

namespace terrain {

class FigureEssai : public ::testing::TestWithParam<VECTEUR> {
 protected:
  // The point (x, y, z) of the figure.
  VECTEUR P(double x, double y, double z = 0.0) const {
    return VECTEUR(GetParam().x + x, GetParam().y + y, z);
  }
  // Expects q to be the point (x, y, z) of the figure.
  void attendPoint(const VECTEUR& q, double x, double y, double z) const {
    EXPECT_NEAR(q.x - GetParam().x, x, 1e-6);
    EXPECT_NEAR(q.y - GetParam().y, y, 1e-6);
    EXPECT_NEAR(q.z, z, 1e-6);
  }
};

#define FIGURES_AUX_DEUX_ORIGINES(Suite) \
  INSTANTIATE_TEST_SUITE_P(              \
      OrigineEtGrilleNationale, Suite,   \
      ::testing::Values(VECTEUR(0.0, 0.0, 0.0), VECTEUR(600000.0, 6500000.0, 0.0)))

}  // namespace terrain
