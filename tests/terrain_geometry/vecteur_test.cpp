// The point and vector type: angles and their ranges, turns, norms, equality
// and the printed form.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "terrain/vecteur.h"

namespace terrain {
namespace {

// Same components (0 and -0 alike).
void attendComposantes(const VECTEUR& v, double x, double y, double z) {
  EXPECT_EQ(v.x, x);
  EXPECT_EQ(v.y, y);
  EXPECT_EQ(v.z, z);
}

TEST(Vecteur, AnglesDansLeursIntervalles) {
  EXPECT_DOUBLE_EQ(VECTEUR(0, -1).angleDirection(), 1.5 * PI);
  const double presqueZero = VECTEUR(1, -1e-300).angleDirection();
  EXPECT_TRUE(presqueZero >= 0 && presqueZero < 2 * PI) << presqueZero;
  const VECTEUR est(1, 0), sud(0, -1), ouest(-1, 0);
  EXPECT_DOUBLE_EQ(angleEntre(est, sud), -0.5 * PI);
  EXPECT_DOUBLE_EQ(angleEntre(est, sud, false, true), 1.5 * PI);
  EXPECT_DOUBLE_EQ(angleEntre(est, ouest), PI);  // the upper end of (-pi, pi]
  EXPECT_DOUBLE_EQ(angleEntre(ouest, est), PI);
  EXPECT_DOUBLE_EQ(angleEntre(est, ouest, true), 0);
  EXPECT_DOUBLE_EQ(angleEntre(sud, est, true), -0.5 * PI);
}

TEST(Vecteur, RotationsEtNormes) {
  const VECTEUR a(600001, 6500001, 5), b(600004, 6500001, 9);
  attendComposantes(directionTournee(a, b, 1), 0, 3, 4);
  attendComposantes(directionTournee(a, b, -1), 0, -3, 4);
  attendComposantes(directionTournee(a, b, 6), -3, 0, 4);
  VECTEUR t(2, 0, 7);
  t.tourne(PI / 6);
  EXPECT_NEAR(t.x, std::sqrt(3.0), 1e-12);
  EXPECT_NEAR(t.y, 1, 1e-12);
  EXPECT_EQ(t.z, 7);

  VECTEUR nul(0, 0, 0);
  EXPECT_FALSE(nul.normalise());
  VECTEUR vertical(0, 0, 3);
  EXPECT_FALSE(vertical.normaliseXY());
  EXPECT_TRUE(vertical.egalExact(VECTEUR(0, 0, 3)));
  VECTEUR pente(3, 4, 10);
  EXPECT_TRUE(pente.normaliseXY());
  EXPECT_NEAR(pente.z, 2, 1e-12);
  EXPECT_DOUBLE_EQ(pente.normeXY(), 1);
  EXPECT_DOUBLE_EQ(VECTEUR(1, 2, 2).norme(), 3);
  EXPECT_DOUBLE_EQ(a.distanceXY(b), 3);
  EXPECT_DOUBLE_EQ(a.distance(b), 5);
}

TEST(Vecteur, EgalitesEtImpression) {
  EXPECT_FALSE(VECTEUR(0.0, 1, 2).egalExact(VECTEUR(-0.0, 1, 2)));
  VECTEUR marque(1, 2, 3);
  marque.drapeaux = 4;
  EXPECT_TRUE(marque.egalExact(VECTEUR(1, 2, 3)));
  EXPECT_TRUE(VECTEUR(1, 2, 3).egal2D(VECTEUR(1.0009, 1.9991, 50)));
  EXPECT_FALSE(VECTEUR(1, 2, 3).egal3D(VECTEUR(1.0009, 1.9991, 50)));
  EXPECT_FALSE(VECTEUR(1, 2, 3).egal2D(VECTEUR(1.0011, 2, 3)));
  EXPECT_TRUE(VECTEUR(0.0009, -0.0009, 0.0009).estNul());
  EXPECT_FALSE(VECTEUR(0, 0, 0.001).estNul());

  VECTEUR v(1, 2, 3);
  v += VECTEUR(1, 1, 1);
  v *= 2;
  v /= 4;
  EXPECT_TRUE(v.oppose());
  std::ostringstream os;
  os << v;
  EXPECT_EQ(os.str(), "(-1, -1.5, -2)");
}

}  // namespace
}  // namespace terrain
