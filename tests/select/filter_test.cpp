// Filter lists of ssget: groups, relational and bitwise tests, logical
// clauses, and the ERRNO of malformed lists.
#include <algorithm>

#include "drawing_fixture.h"

using testing_support::DrawingTest;
using testing_support::RbList;
using Name = std::array<int64_t, 2>;

class FilterTest : public DrawingTest {
 protected:
  void SetUp() override {
    DrawingTest::SetUp();
    lineA = line(0, 0, 10, 0, "AXE_1");
    lineB = line(0, 0, 0, 10, "talus");
    small = circle(5, 5, 1, "AXE_2");
    large = circle(5, 5, 8, "0");
    label = text(1, 1, "PK 100", "#NOTES");
    const double red[3] = {20, 20, 0};
    redPoint = make(acutBuildList(RTDXF0, "POINT", 8, "0", 62, 1, 10, red, 0));
    closedPoly = make(acutBuildList(RTDXF0, "LWPOLYLINE", 90, 2, 70, 1, 10,
                                    std::array<double, 3>{0, 0, 0}.data(), 10,
                                    std::array<double, 3>{4, 4, 0}.data(), 0));
  }

  // ssget "X" with the filter; empty when nothing (or an error) comes back.
  std::vector<Name> where(resbuf* filterList, int expect = RTNORM) {
    RbList filter(filterList);
    ads_name ss;
    const int rc = acedSSGet("X", nullptr, nullptr, filter.get(), ss);
    EXPECT_EQ(rc, expect);
    std::vector<Name> out;
    if (rc != RTNORM) return out;
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
  // The ERRNO a malformed filter leaves, with no set made.
  int failure(resbuf* filterList) {
    const size_t before = host::selectionSets().openCount();
    where(filterList, RTERROR);
    EXPECT_EQ(host::selectionSets().openCount(), before);
    return errnoValue();
  }

  Name lineA, lineB, small, large, label, redPoint, closedPoly;
};

TEST_F(FilterTest, TypeNamesWithWildcardsAndAlternatives) {
  EXPECT_EQ(where(acutBuildList(RTDXF0, "LINE", 0)), (std::vector<Name>{lineA, lineB}));
  EXPECT_EQ(where(acutBuildList(RTDXF0, "circle,TEXT", 0)),
            (std::vector<Name>{small, large, label}));
  EXPECT_EQ(where(acutBuildList(RTDXF0, "*POLYLINE", 0)), std::vector<Name>{closedPoly});
  // acutBuildList stores RTDXF0 as group 0; a list may also carry RTDXF0 itself.
  resbuf* typed = acutBuildList(RTSTR, "~*E*", 0);
  typed->restype = RTDXF0;
  EXPECT_EQ(where(typed), std::vector<Name>{redPoint});
}

TEST_F(FilterTest, LayerPatternsIgnoreCaseAndHonourEscapes) {
  EXPECT_EQ(where(acutBuildList(8, "axe_#", 0)), (std::vector<Name>{lineA, small}));
  EXPECT_EQ(where(acutBuildList(8, "TALUS", 0)), std::vector<Name>{lineB});
  EXPECT_EQ(where(acutBuildList(8, "`#*", 0)), std::vector<Name>{label});
  EXPECT_EQ(where(acutBuildList(8, "[~0]*", 0)).size(), 4u);
  where(acutBuildList(8, "NOWHERE", 0), RTERROR);
}

TEST_F(FilterTest, ValuesAnEntityHasWithoutStoringThem) {
  // Colour 256 (BYLAYER) for every entity that does not set one.
  EXPECT_EQ(where(acutBuildList(62, 1, 0)), std::vector<Name>{redPoint});
  EXPECT_EQ(where(acutBuildList(62, 256, 0)).size(), 6u);
}

TEST_F(FilterTest, RelationalOperatorsOnNumbers) {
  EXPECT_EQ(where(acutBuildList(RTDXF0, "CIRCLE", -4, "<", 40, 2.0, 0)), std::vector<Name>{small});
  EXPECT_EQ(where(acutBuildList(RTDXF0, "CIRCLE", -4, ">=", 40, 8.0, 0)), std::vector<Name>{large});
  EXPECT_EQ(where(acutBuildList(RTDXF0, "CIRCLE", -4, "<=", 40, 8.0, 0)).size(), 2u);
  EXPECT_EQ(where(acutBuildList(RTDXF0, "CIRCLE", -4, ">", 40, 8.0, 0), RTERROR).size(), 0u);
  EXPECT_EQ(where(acutBuildList(RTDXF0, "CIRCLE", -4, "/=", 40, 1.0, 0)), std::vector<Name>{large});
  EXPECT_EQ(where(acutBuildList(RTDXF0, "CIRCLE", -4, "<>", 40, 1.0, 0)), std::vector<Name>{large});
  EXPECT_EQ(where(acutBuildList(RTDXF0, "CIRCLE", -4, "!=", 40, 1.0, 0)), std::vector<Name>{large});
  EXPECT_EQ(where(acutBuildList(RTDXF0, "CIRCLE", -4, "=", 40, 1.0, 0)), std::vector<Name>{small});
  EXPECT_EQ(where(acutBuildList(RTDXF0, "CIRCLE", -4, "*", 40, 99.0, 0)).size(), 2u);
}

TEST_F(FilterTest, BitwiseOperatorsOnFlags) {
  // The closed polyline has flags 1; ask for "any of 1|128" and "all of 1|128".
  EXPECT_EQ(where(acutBuildList(-4, "&", 70, 129, 0)), std::vector<Name>{closedPoly});
  where(acutBuildList(-4, "&=", 70, 129, 0), RTERROR);
  EXPECT_EQ(where(acutBuildList(-4, "&=", 70, 1, 0)), std::vector<Name>{closedPoly});
}

TEST_F(FilterTest, PointTestsPerCoordinate) {
  // Insertion / start points with x > 0.5 whatever y and z.
  const double half[3] = {0.5, 0, 0};
  const auto right = where(acutBuildList(-4, ">,*,*", 10, half, 0));
  // any vertex of the polyline will do
  EXPECT_EQ(right, (std::vector<Name>{small, large, label, redPoint, closedPoly}));
  const double at[3] = {20, 20, 0};
  EXPECT_EQ(where(acutBuildList(10, at, 0)), std::vector<Name>{redPoint});
  EXPECT_EQ(failure(acutBuildList(-4, ">,&,*", 10, half, 0)), 65);
}

TEST_F(FilterTest, TextGroupsMatchPatterns) {
  EXPECT_EQ(where(acutBuildList(1, "pk #*", 0)), std::vector<Name>{label});
  EXPECT_EQ(where(acutBuildList(RTDXF0, "TEXT", -4, "!=", 1, "PK*", 0), RTERROR).size(), 0u);
}

TEST_F(FilterTest, LogicalClauses) {
  EXPECT_EQ(where(acutBuildList(-4, "<OR", RTDXF0, "LINE", 62, 1, -4, "OR>", 0)),
            (std::vector<Name>{lineA, lineB, redPoint}));
  EXPECT_EQ(where(acutBuildList(-4, "<AND", RTDXF0, "CIRCLE", 8, "AXE*", -4, "AND>", 0)),
            std::vector<Name>{small});
  EXPECT_EQ(where(acutBuildList(-4, "<NOT", 8, "AXE*,TALUS,`#*", -4, "NOT>", 0)),
            (std::vector<Name>{large, redPoint, closedPoly}));
  // Either on an AXE layer or a circle, but not both.
  EXPECT_EQ(where(acutBuildList(-4, "<XOR", 8, "AXE*", RTDXF0, "CIRCLE", -4, "XOR>", 0)),
            (std::vector<Name>{lineA, large}));
  // Nested: lines, or circles not on layer 0; lower-case operators.
  EXPECT_EQ(where(acutBuildList(-4, "<or", RTDXF0, "LINE", -4, "<and", RTDXF0, "CIRCLE", -4, "<not",
                                8, "0", -4, "not>", -4, "and>", -4, "or>", 0)),
            (std::vector<Name>{lineA, lineB, small}));
}

TEST_F(FilterTest, MalformedListsGiveTheHostErrno) {
  EXPECT_EQ(failure(acutBuildList(-4, "<OR", RTDXF0, "LINE", 0)), 56);
  EXPECT_EQ(failure(acutBuildList(-4, "<", 0)), 57);
  EXPECT_EQ(failure(acutBuildList(-4, "<", -4, "<OR", 0)), 57);
  EXPECT_EQ(failure(acutBuildList(-4, "~", 62, 1, 0)), 58);
  EXPECT_EQ(failure(acutBuildList(-4, "<AND", -4, "AND>", 0)), 59);
  EXPECT_EQ(failure(acutBuildList(-4, "<OR", RTDXF0, "LINE", -4, "AND>", 0)), 60);
  EXPECT_EQ(failure(acutBuildList(RTDXF0, "LINE", -4, "OR>", 0)), 60);
  EXPECT_EQ(failure(acutBuildList(-4, "<NOT", 62, 1, 62, 2, -4, "NOT>", 0)), 61);
  EXPECT_EQ(failure(acutBuildList(-4, "<XOR", 62, 1, -4, "XOR>", 0)), 61);
  EXPECT_EQ(failure(acutBuildList(RTSTR, "LINE", 0)), 63);
  EXPECT_EQ(failure(acutBuildList(-4, "<", 8, "A", 0)), 64);
  EXPECT_EQ(failure(acutBuildList(-4, "&", 40, 1.0, 0)), 66);
  EXPECT_EQ(failure(acutBuildList(-4, "~=", 62, 1, 0)), 58);
}

TEST_F(FilterTest, NestingTooDeepIsRefused) {
  RbList deep(nullptr);
  resbuf** tail = nullptr;
  auto append = [&](resbuf* rb) {
    if (!deep)
      deep.reset(rb);
    else
      *tail = rb;
    tail = &rb->rbnext;
    while (*tail) tail = &(*tail)->rbnext;
  };
  for (int i = 0; i < 100; ++i) append(acutBuildList(-4, "<AND", 0));
  append(acutBuildList(62, 1, 0));
  for (int i = 0; i < 100; ++i) append(acutBuildList(-4, "AND>", 0));
  ads_name ss;
  EXPECT_EQ(acedSSGet("X", nullptr, nullptr, deep.get(), ss), RTERROR);
  EXPECT_EQ(errnoValue(), 62);
}

TEST_F(FilterTest, FilterAppliesToWindowsToo) {
  const double a[3] = {-1, -1, 0}, b[3] = {11, 11, 0};
  RbList onlyLines(acutBuildList(RTDXF0, "LINE", 0));
  ads_name ss;
  ASSERT_EQ(acedSSGet("W", a, b, onlyLines.get(), ss), RTNORM);
  int32_t n = 0;
  acedSSLength(ss, &n);
  EXPECT_EQ(n, 2);
}
