// acedSSGet: modes, frozen layers, interactive selection.
#include <algorithm>

#include "drawing_fixture.h"

using testing_support::DrawingTest;
using testing_support::RbList;
using Name = std::array<int64_t, 2>;

class SsGetTest : public DrawingTest {
 protected:
  // Members of the set ssget makes, or nothing when it answers otherwise.
  std::vector<Name> select(const char* mode, const void* p1 = nullptr, const void* p2 = nullptr,
                           const resbuf* filter = nullptr, int expect = RTNORM) {
    ads_name ss = {0, 0};
    const size_t before = host::selectionSets().openCount();
    const int rc = acedSSGet(mode, p1, p2, filter, ss);
    EXPECT_EQ(rc, expect);
    std::vector<Name> out;
    if (rc != RTNORM) {
      EXPECT_EQ(host::selectionSets().openCount(), before);  // no set made
      return out;
    }
    int32_t n = 0;
    acedSSLength(ss, &n);
    for (int32_t i = 0; i < n; ++i) {
      ads_name e;
      acedSSName(ss, i, e);
      out.push_back({e[0], e[1]});
    }
    acedSSFree(ss);
    return out;
  }
  static bool has(const std::vector<Name>& v, const Name& n) {
    return std::find(v.begin(), v.end(), n) != v.end();
  }
};

TEST_F(SsGetTest, AllTakesMainEntitiesOnlyAndSkipsErased) {
  auto l = line(0, 0, 10, 0);
  auto p = poly3d({{{0, 0, 0}}, {{1, 1, 1}}, {{2, 0, 2}}});
  auto gone = point(3, 3);
  ASSERT_EQ(acdbEntDel(gone.data()), RTNORM);
  const auto all = select("X");
  ASSERT_EQ(all.size(), 2u);  // no VERTEX, no SEQEND, no erased point
  EXPECT_EQ(all[0], l);
  EXPECT_EQ(all[1], p);
  EXPECT_EQ(select("_X"), all);
}

TEST_F(SsGetTest, FrozenLayersOnlyReachedByX) {
  auto visible = line(0, 0, 1, 1, "A");
  auto frozen = line(0, 0, 1, 1, "COLD");
  freezeLayer("COLD");
  EXPECT_TRUE(has(select("X"), frozen));
  EXPECT_EQ(select("A"), std::vector<Name>{visible});
  const double a[3] = {-1, -1, 0}, b[3] = {2, 2, 0};
  EXPECT_EQ(select("W", a, b), std::vector<Name>{visible});
  EXPECT_EQ(select("C", a, b), std::vector<Name>{visible});
}

TEST_F(SsGetTest, WindowNeedsWholeEntityCrossingAnyPart) {
  auto inside = line(1, 1, 2, 2);
  auto across = line(1, 1, 20, 1);
  auto outside = line(30, 30, 40, 40);
  auto ring = circle(5, 5, 4);     // reaches x = 9: inside a 0..10 window
  auto big = circle(5, 5, 5.5);    // pokes out of it
  auto around = circle(5, 5, 50);  // encloses the window without touching it
  const double a[3] = {0, 0, 0}, b[3] = {10, 10, 0};
  const auto w = select("W", a, b);
  EXPECT_TRUE(has(w, inside));
  EXPECT_TRUE(has(w, ring));
  EXPECT_FALSE(has(w, across));
  EXPECT_FALSE(has(w, big));
  const auto c = select("C", b, a);  // corners in any order
  EXPECT_TRUE(has(c, inside));
  EXPECT_TRUE(has(c, across));
  EXPECT_TRUE(has(c, big));
  EXPECT_FALSE(has(c, outside));
  EXPECT_FALSE(has(c, around));
}

TEST_F(SsGetTest, CrossingWindowFindsSegmentsPassingThrough) {
  // Both ends outside, the segment crosses the window.
  auto through = line(-5, 5, 15, 5);
  auto poly = poly3d({{{-5, -5, 0}}, {{15, -5, 0}}, {{5, 15, 3}}});
  const double a[3] = {0, 0, 0}, b[3] = {10, 10, 0};
  const auto c = select("C", a, b);
  EXPECT_TRUE(has(c, through));
  EXPECT_TRUE(has(c, poly));  // only its last segment crosses the window
  EXPECT_TRUE(select("W", a, b, nullptr, RTERROR).empty());
}

TEST_F(SsGetTest, ExtrudedEntitiesAreTestedWhereTheyReallyAre) {
  // Centre (5,0) in the system of extrusion (0,0,-1) is (-5,0) in the world.
  const double c[3] = {5, 0, 0}, down[3] = {0, 0, -1};
  auto flipped = make(acutBuildList(RTDXF0, "CIRCLE", 10, c, 40, 1.0, 210, down, 0));
  const double a[3] = {-7, -2, 0}, b[3] = {-3, 2, 0};
  EXPECT_EQ(select("W", a, b), std::vector<Name>{flipped});
}

TEST_F(SsGetTest, WindowCornersAreUserCoordinates) {
  // User X along world Y: the user window (0,0)-(10,2) covers world x in [-2,0], y in [0,10].
  doc().vars().setPoint("UCSXDIR", 0, 1, 0, true);
  doc().vars().setPoint("UCSYDIR", -1, 0, 0, true);
  auto along = line(-1, 1, -1, 9);
  line(1, 1, 9, 1);  // inside the same window read as world coordinates
  const double a[3] = {0, 0, 0}, b[3] = {10, 2, 0};
  EXPECT_EQ(select("W", a, b), std::vector<Name>{along});
}

TEST_F(SsGetTest, BulgedPolylineArcCountsForTheWindow) {
  // From (0,0) to (10,0) with bulge 1: a half circle reaching y = -5.
  const double p0[2] = {0, 0}, p1[2] = {10, 0};
  double pp0[3] = {p0[0], p0[1], 0}, pp1[3] = {p1[0], p1[1], 0};
  auto arc = make(acutBuildList(RTDXF0, "LWPOLYLINE", 90, 2, 70, 0, 10, pp0, 42, 1.0, 10, pp1, 0));
  const double a[3] = {-1, -1, 0}, b[3] = {11, 1, 0};
  EXPECT_TRUE(select("W", a, b, nullptr, RTERROR).empty());
  const double lo[3] = {-1, -6, 0};
  EXPECT_EQ(select("W", lo, b), std::vector<Name>{arc});
}

TEST_F(SsGetTest, FenceInBothSpellings) {
  auto crossed = line(5, -5, 5, 5);
  auto missed = line(20, -5, 20, 5);
  auto onFence = point(0, 0);
  RbList fence(acutBuildList(RTPOINT, std::array<double, 3>{-10, 0, 0}.data(), RT3DPOINT,
                             std::array<double, 3>{10, 0, 0}.data(), 0));
  const auto f = select("F", fence.get());
  EXPECT_TRUE(has(f, crossed));
  EXPECT_TRUE(has(f, onFence));
  EXPECT_FALSE(has(f, missed));
  EXPECT_EQ(select("T", fence.get()), f);
  RbList single(acutBuildList(RTPOINT, std::array<double, 3>{0, 0, 0}.data(), 0));
  select("F", single.get(), nullptr, nullptr, RTERROR);  // a fence needs two points
}

TEST_F(SsGetTest, PolygonWindows) {
  // An L-shaped polygon: the segment from (1,9) to (9,9) leaves it.
  RbList poly(acutBuildList(
      RT3DPOINT, std::array<double, 3>{0, 0, 0}.data(), RT3DPOINT,
      std::array<double, 3>{10, 0, 0}.data(), RT3DPOINT, std::array<double, 3>{10, 10, 0}.data(),
      RT3DPOINT, std::array<double, 3>{8, 10, 0}.data(), RT3DPOINT,
      std::array<double, 3>{8, 2, 0}.data(), RT3DPOINT, std::array<double, 3>{0, 2, 0}.data(), 0));
  auto inside = line(1, 1, 9, 1);
  auto leaving = line(9, 9, 1, 9);
  const auto wp = select("WP", poly.get());
  EXPECT_EQ(wp, std::vector<Name>{inside});
  const auto cp = select("CP", poly.get());
  EXPECT_TRUE(has(cp, leaving));
}

TEST_F(SsGetTest, LastAndPrevious) {
  auto first = line(0, 0, 1, 0);
  auto second = line(0, 0, 2, 0);
  EXPECT_EQ(select("L"), std::vector<Name>{second});
  const double a[3] = {-1, -1, 0}, b[3] = {1.5, 1, 0};
  ads_name ss;
  ASSERT_EQ(acedSSGet("W", a, b, nullptr, ss), RTNORM);
  ASSERT_EQ(acedSSFree(ss), RTNORM);  // previous survives the set being freed
  EXPECT_EQ(select("P"), std::vector<Name>{first});
}

TEST_F(SsGetTest, EmptyResultMakesNoSet) {
  line(0, 0, 1, 1);
  RbList onlyCircles(acutBuildList(RTDXF0, "CIRCLE", 0));
  select("X", nullptr, nullptr, onlyCircles.get(), RTERROR);
  select("BOGUS", nullptr, nullptr, nullptr, RTERROR);
  const double a[3] = {0, 0, 0};
  select("W", a, nullptr, nullptr, RTERROR);  // a window needs both corners
}

TEST_F(SsGetTest, PointGivenWithoutModePicksThere) {
  auto l = line(0, 0, 100, 0);
  const double near[3] = {50, 0.2, 0};
  EXPECT_EQ(select(nullptr, near), std::vector<Name>{l});
}

TEST_F(SsGetTest, InteractiveSelectionFromTheScriptedUser) {
  auto a = line(0, 0, 10, 0);
  auto b = circle(50, 50, 2);
  auto c = point(100, 100);
  answerEntity(a);
  answerPoint(52, 50);  // on the circle
  answerEntity(a);      // twice is once
  answer(host::Answer::Enter);
  EXPECT_EQ(select(nullptr), (std::vector<Name>{a, b}));
  EXPECT_NE(output.find("Choix des objets: "), std::string::npos);

  answerText("F");  // window, French keyword
  answerPoint(90, 90);
  answerText("110,110");
  answer(host::Answer::Enter);
  EXPECT_EQ(select(""), std::vector<Name>{c});

  answerText("TOUT");
  answer(host::Answer::Enter);
  EXPECT_EQ(select(nullptr).size(), 3u);
}

TEST_F(SsGetTest, InteractiveCancelAndEmptyQueue) {
  line(0, 0, 10, 0);
  answer(host::Answer::Cancel);
  select(nullptr, nullptr, nullptr, nullptr, RTCAN);
  output.clear();
  select(nullptr, nullptr, nullptr, nullptr, RTCAN);  // nothing queued: Escape
  EXPECT_NE(output.find("aucune réponse"), std::string::npos);
  answer(host::Answer::Enter);  // nothing chosen: nil
  select(nullptr, nullptr, nullptr, nullptr, RTERROR);
}

TEST_F(SsGetTest, InteractiveFilterAppliesToPicks) {
  auto a = line(0, 0, 10, 0, "KEEP");
  auto b = line(0, 5, 10, 5, "DROP");
  RbList filter(acutBuildList(8, "KEEP", 0));
  answerEntity(a);
  answerEntity(b);
  answer(host::Answer::Enter);
  EXPECT_EQ(select(nullptr, nullptr, nullptr, filter.get()), std::vector<Name>{a});
}
