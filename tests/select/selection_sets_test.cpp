// The selection-set functions other than ssget.
#include "drawing_fixture.h"

using testing_support::DrawingTest;

class SelectionSetTest : public DrawingTest {};

TEST_F(SelectionSetTest, SsaddMakesAndGrowsSetsWithoutDuplicates) {
  auto a = line(0, 0, 1, 1);
  auto b = point(5, 5);
  ads_name empty, one, grown;
  ASSERT_EQ(acedSSAdd(nullptr, nullptr, empty), RTNORM);
  int32_t n = -1;
  ASSERT_EQ(acedSSLength(empty, &n), RTNORM);
  EXPECT_EQ(n, 0);

  ASSERT_EQ(acedSSAdd(a.data(), nullptr, one), RTNORM);
  EXPECT_NE(one[0], empty[0]);
  ASSERT_EQ(acedSSAdd(b.data(), one, grown), RTNORM);
  EXPECT_EQ(grown[0], one[0]);
  EXPECT_EQ(grown[1], one[1]);
  ASSERT_EQ(acedSSAdd(a.data(), one, grown), RTNORM);  // already a member
  ASSERT_EQ(acedSSLength(one, &n), RTNORM);
  EXPECT_EQ(n, 2);

  ads_name e;
  ASSERT_EQ(acedSSName(one, 1, e), RTNORM);
  EXPECT_EQ(e[0], b[0]);
  EXPECT_EQ(e[1], b[1]);
  EXPECT_EQ(acedSSName(one, 2, e), RTERROR);
  EXPECT_EQ(acedSSName(one, -1, e), RTERROR);
}

TEST_F(SelectionSetTest, SetNamesAreNeverEntityNames) {
  auto a = line(0, 0, 1, 1);
  ads_name ss;
  ASSERT_EQ(acedSSAdd(a.data(), nullptr, ss), RTNORM);
  int32_t n;
  EXPECT_EQ(acedSSLength(a.data(), &n), RTERROR);  // an entity is not a set
  EXPECT_EQ(errnoValue(), 2);
  EXPECT_EQ(acedSSAdd(ss, nullptr, ss), RTERROR);  // nor is a set an entity
  EXPECT_EQ(errnoValue(), 2);
}

TEST_F(SelectionSetTest, DelMembAndFree) {
  auto a = line(0, 0, 1, 1);
  auto b = line(0, 0, 2, 2);
  ads_name ss;
  ASSERT_EQ(acedSSAdd(a.data(), nullptr, ss), RTNORM);
  ASSERT_EQ(acedSSAdd(b.data(), ss, ss), RTNORM);
  EXPECT_EQ(acedSSMemb(a.data(), ss), RTNORM);
  EXPECT_EQ(acedSSDel(a.data(), ss), RTNORM);
  EXPECT_EQ(acedSSMemb(a.data(), ss), RTERROR);
  EXPECT_EQ(acedSSDel(a.data(), ss), RTERROR);  // no longer there
  ads_name first;
  ASSERT_EQ(acedSSName(ss, 0, first), RTNORM);
  EXPECT_EQ(first[0], b[0]);

  EXPECT_EQ(acedSSFree(ss), RTNORM);
  EXPECT_EQ(acedSSFree(ss), RTERROR);
  EXPECT_EQ(errnoValue(), 2);
  EXPECT_EQ(acedSSMemb(b.data(), ss), RTERROR);
}

TEST_F(SelectionSetTest, DeletedOrForeignEntitiesAreRefused) {
  auto a = line(0, 0, 1, 1);
  ASSERT_EQ(acdbEntDel(a.data()), RTNORM);
  ads_name ss;
  EXPECT_EQ(acedSSAdd(a.data(), nullptr, ss), RTERROR);
  EXPECT_EQ(errnoValue(), 17);
  const int64_t bogus[2] = {999, a[1]};
  EXPECT_EQ(acedSSAdd(bogus, nullptr, ss), RTERROR);
  EXPECT_EQ(errnoValue(), 2);
}

TEST_F(SelectionSetTest, TooManyOpenSetsIsReportedNotOverflowed) {
  std::vector<std::array<int64_t, 2>> made;
  ads_name ss;
  for (size_t i = 0; i < host::SelectionSets::kMaxOpen; ++i) {
    ASSERT_EQ(acedSSAdd(nullptr, nullptr, ss), RTNORM);
    made.push_back({ss[0], ss[1]});
  }
  EXPECT_EQ(acedSSAdd(nullptr, nullptr, ss), RTERROR);
  EXPECT_EQ(errnoValue(), 3);
  point(0, 0);
  EXPECT_EQ(acedSSGet("X", nullptr, nullptr, nullptr, ss), RTERROR);
  EXPECT_EQ(errnoValue(), 3);
  // Freeing one makes room again.
  ASSERT_EQ(acedSSFree(made.back().data()), RTNORM);
  EXPECT_EQ(acedSSGet("X", nullptr, nullptr, nullptr, ss), RTNORM);
}
