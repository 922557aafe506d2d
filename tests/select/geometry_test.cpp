// acedTrans, acdbInters, acedOsnap, the point helpers and temporary vectors.
#include <cmath>

#include "drawing_fixture.h"

using testing_support::DrawingTest;
using testing_support::RbList;

namespace {

constexpr double kPi = 3.14159265358979323846;

resbuf code(short c) {
  resbuf rb{};
  rb.restype = RTSHORT;
  rb.resval.rint = c;
  return rb;
}

resbuf direction(double x, double y, double z) {
  resbuf rb{};
  rb.restype = RT3DPOINT;
  rb.resval.rpoint[0] = x;
  rb.resval.rpoint[1] = y;
  rb.resval.rpoint[2] = z;
  return rb;
}

resbuf entity(const std::array<int64_t, 2>& n) {
  resbuf rb{};
  rb.restype = RTENAME;
  rb.resval.rlname[0] = n[0];
  rb.resval.rlname[1] = n[1];
  return rb;
}

#define EXPECT_POINT(p, x, y, z)  \
  do {                            \
    EXPECT_NEAR((p)[0], x, 1e-9); \
    EXPECT_NEAR((p)[1], y, 1e-9); \
    EXPECT_NEAR((p)[2], z, 1e-9); \
  } while (0)

}  // namespace

class GeometryTest : public DrawingTest {};

TEST_F(GeometryTest, TransBetweenWorldAndAUserSystem) {
  // A user system moved to (10,0,0) and turned a quarter round Z.
  doc().vars().setPoint("UCSORG", 10, 0, 0, true);
  doc().vars().setPoint("UCSXDIR", 0, 1, 0, true);
  doc().vars().setPoint("UCSYDIR", -1, 0, 0, true);
  resbuf world = code(0), user = code(1), display = code(2);
  const double p[3] = {10, 5, 2};
  double r[3];
  ASSERT_EQ(acedTrans(p, &world, &user, 0, r), RTNORM);
  EXPECT_POINT(r, 5, 0, 2);
  ASSERT_EQ(acedTrans(r, &user, &world, 0, r), RTNORM);
  EXPECT_POINT(r, 10, 5, 2);
  // A displacement ignores the origin.
  const double d[3] = {1, 0, 0};
  ASSERT_EQ(acedTrans(d, &world, &user, 1, r), RTNORM);
  EXPECT_POINT(r, 0, -1, 0);
  ASSERT_EQ(acedTrans(p, &world, &display, 0, r), RTNORM);
  EXPECT_POINT(r, 5, 0, 2);
}

TEST_F(GeometryTest, TransWithAnEntityWhoseExtrusionIsNotZ) {
  // Extrusion (0,0,-1): the arbitrary axis rule gives X = (-1,0,0), Y = (0,1,0).
  const double c[3] = {1, 2, 3}, down[3] = {0, 0, -1};
  auto flipped = make(acutBuildList(RTDXF0, "CIRCLE", 10, c, 40, 1.0, 210, down, 0));
  resbuf ent = entity(flipped), world = code(0);
  double r[3];
  ASSERT_EQ(acedTrans(c, &ent, &world, 0, r), RTNORM);
  EXPECT_POINT(r, -1, 2, -3);

  // A tilted extrusion: there and back is the identity, and the OCS Z is the extrusion.
  resbuf tilted = direction(1, 1, 1);
  const double q[3] = {3, -4, 5};
  double o[3], back[3];
  ASSERT_EQ(acedTrans(q, &world, &tilted, 0, o), RTNORM);
  ASSERT_EQ(acedTrans(o, &tilted, &world, 0, back), RTNORM);
  EXPECT_POINT(back, 3, -4, 5);
  EXPECT_NEAR(o[2], (3 - 4 + 5) / std::sqrt(3.0), 1e-9);
  // |N.x|, |N.y| < 1/64: X comes from world Y x N, here (1,0,0) for N = Z.
  resbuf up = direction(0.001, 0, 1);
  const double ox[3] = {1, 0, 0};
  ASSERT_EQ(acedTrans(ox, &up, &world, 1, r), RTNORM);
  EXPECT_NEAR(r[0], 1, 1e-5);
  EXPECT_NEAR(r[1], 0, 1e-9);
}

TEST_F(GeometryTest, TransOfWorldEntitiesAndBadArguments) {
  const double a[3] = {1, 2, 3}, b[3] = {4, 5, 6}, tilt[3] = {1, 0, 0};
  auto l = make(acutBuildList(RTDXF0, "LINE", 10, a, 11, b, 210, tilt, 0));
  resbuf ent = entity(l), world = code(0);
  double r[3];
  ASSERT_EQ(acedTrans(a, &ent, &world, 0, r), RTNORM);  // a LINE is in world coordinates
  EXPECT_POINT(r, 1, 2, 3);

  resbuf space = code(7);
  EXPECT_EQ(acedTrans(a, &world, &space, 0, r), RTERROR);
  EXPECT_EQ(errnoValue(), 16);
  resbuf none = direction(0, 0, 0);
  EXPECT_EQ(acedTrans(a, &none, &world, 0, r), RTERROR);
  EXPECT_EQ(errnoValue(), 15);
  resbuf stale = entity({l[0] + 100, l[1]});
  EXPECT_EQ(acedTrans(a, &stale, &world, 0, r), RTERROR);
  EXPECT_EQ(errnoValue(), 2);
  EXPECT_EQ(acedTrans(a, nullptr, &world, 0, r), RTERROR);
}

TEST_F(GeometryTest, IntersSegmentsAndLines) {
  const double a[3] = {0, 0, 0}, b[3] = {10, 10, 0}, c[3] = {0, 10, 0}, d[3] = {10, 0, 0};
  double r[3];
  ASSERT_EQ(acdbInters(a, b, c, d, 1, r), RTNORM);
  EXPECT_POINT(r, 5, 5, 0);
  // Short segments that only meet when extended.
  const double b2[3] = {1, 1, 0}, c2[3] = {9, 1, 0}, d2[3] = {10, 0, 0};
  EXPECT_EQ(acdbInters(a, b2, c2, d2, 1, r), RTNONE);
  ASSERT_EQ(acdbInters(a, b2, c2, d2, 0, r), RTNORM);
  EXPECT_POINT(r, 5, 5, 0);
  // Parallel lines never meet.
  const double e[3] = {0, 1, 0}, f[3] = {10, 11, 0};
  EXPECT_EQ(acdbInters(a, b, e, f, 0, r), RTNONE);
}

TEST_F(GeometryTest, IntersIn3DNeedsOnePlane) {
  const double a[3] = {0, 0, 0}, b[3] = {10, 10, 10}, c[3] = {0, 10, 0}, d[3] = {10, 0, 10};
  double r[3];
  ASSERT_EQ(acdbInters(a, b, c, d, 1, r), RTNORM);
  EXPECT_POINT(r, 5, 5, 5);
  // Skew: crossing in plan but 1 apart in height.
  const double c2[3] = {0, 10, 1}, d2[3] = {10, 0, 11};
  EXPECT_EQ(acdbInters(a, b, c2, d2, 0, r), RTNONE);
}

TEST_F(GeometryTest, PolarDistanceAngle) {
  const double o[3] = {1, 1, 7};
  double p[3];
  acutPolar(o, kPi / 2, 2, p);
  EXPECT_POINT(p, 1, 3, 7);
  const double q[3] = {4, 5, 7 + 12};
  EXPECT_DOUBLE_EQ(acutDistance(o, q), 13.0);
  const double left[3] = {0, 1, 99};
  EXPECT_DOUBLE_EQ(acutAngle(o, left), kPi);
  const double below[3] = {1, 0, 0};
  EXPECT_DOUBLE_EQ(acutAngle(o, below), 1.5 * kPi);  // never negative
}

TEST_F(GeometryTest, OsnapModes) {
  line(0, 0, 10, 0);
  line(5, -5, 5, 5);
  circle(30, 0, 4);
  point(50, 50);
  const double nearEnd[3] = {9.5, 0.1, 0};
  double r[3];
  ASSERT_EQ(acedOsnap(nearEnd, "_end", r), RTNORM);
  EXPECT_POINT(r, 10, 0, 0);
  const double nearMid[3] = {3, 0.1, 0};
  ASSERT_EQ(acedOsnap(nearMid, "_mid", r), RTNORM);
  EXPECT_POINT(r, 5, 0, 0);  // the horizontal line's middle, also where they cross
  const double nearCross[3] = {5.2, 0.3, 0};
  ASSERT_EQ(acedOsnap(nearCross, "_int", r), RTNORM);
  EXPECT_POINT(r, 5, 0, 0);
  const double onCircle[3] = {34.1, 0.2, 0};
  ASSERT_EQ(acedOsnap(onCircle, "_cen", r), RTNORM);
  EXPECT_POINT(r, 30, 0, 0);
  ASSERT_EQ(acedOsnap(onCircle, "pro", r), RTNORM);  // French "proche"
  EXPECT_NEAR(std::hypot(r[0] - 30, r[1]), 4, 0.01);
  const double nearNode[3] = {50.5, 50, 0};
  ASSERT_EQ(acedOsnap(nearNode, "_nod", r), RTNORM);
  EXPECT_POINT(r, 50, 50, 0);
  // Several modes: the candidate nearest the point wins.
  ASSERT_EQ(acedOsnap(nearEnd, "_mid,_end", r), RTNORM);
  EXPECT_POINT(r, 10, 0, 0);

  const double empty[3] = {100, -100, 0};
  EXPECT_EQ(acedOsnap(empty, "_end", r), RTERROR);
  ASSERT_EQ(acedOsnap(empty, "_non", r), RTNORM);
  EXPECT_POINT(r, 100, -100, 0);
  EXPECT_EQ(acedOsnap(empty, "_xyz", r), RTERROR);
}

TEST_F(GeometryTest, GrDrawIsRecordedAndRedrawWipesIt) {
  const double a[3] = {0, 0, 0}, b[3] = {1, 2, 0};
  ASSERT_EQ(acedGrDraw(a, b, 1, 0), RTNORM);
  ASSERT_EQ(acedGrDraw(b, a, -1, 1), RTNORM);
  ASSERT_EQ(host::session().grVectors.size(), 2u);
  EXPECT_EQ(host::session().grVectors[1].color, -1);
  EXPECT_DOUBLE_EQ(host::session().grVectors[0].to[1], 2.0);
  auto l = line(0, 0, 1, 1);
  EXPECT_EQ(acedRedraw(l.data(), 3), RTNORM);
  EXPECT_EQ(host::session().grVectors.size(), 2u);
  EXPECT_EQ(acedRedraw(nullptr, 0), RTNORM);
  EXPECT_TRUE(host::session().grVectors.empty());
  const int64_t bad[2] = {l[0] + 50, l[1]};
  EXPECT_EQ(acedRedraw(bad, 1), RTERROR);
}
