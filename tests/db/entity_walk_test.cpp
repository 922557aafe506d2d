// entnext / entlast / entdel / entupd / handent, and names that are not ours.
#include <string>

#include "host_db_fixture.h"

namespace {

const double kA[3] = {1, 2, 3};
const double kB[3] = {4, 5, 6};

class EntityWalk : public HostDb {
 protected:
  // LINE, POLYLINE (2 vertices + SEQEND), CIRCLE: names 1, 2..5, 6.
  void SetUp() override {
    HostDb::SetUp();
    auto line = makeList(RTDXF0, "LINE", 10, kA, 11, kB);
    auto pline = makeList(RTDXF0, "POLYLINE", 66, 1, RTDXF0, "VERTEX", 10, kA, RTDXF0, "VERTEX", 10,
                          kB, RTDXF0, "SEQEND");
    auto circle = makeList(RTDXF0, "CIRCLE", 10, kA, 40, 1.0);
    ASSERT_EQ(acdbEntMake(line.get()), RTNORM);
    ASSERT_EQ(acdbEntMake(pline.get()), RTNORM);
    ASSERT_EQ(acdbEntMake(circle.get()), RTNORM);
    ASSERT_EQ(db().entities.size(), 6u);
  }
  static std::string typeOf(const ads_name n) {
    host::RbList l(acdbEntGet(n));
    return l ? findGroup(l.get(), 0)->resval.rstring : "";
  }
  // Types met by entnext from the start to the end.
  static std::string walk() {
    std::string types;
    ads_name cur;
    int rc = acdbEntNext(nullptr, cur);
    while (rc == RTNORM) {
      types += typeOf(cur) + " ";
      ads_name next;
      rc = acdbEntNext(cur, next);
      cur[0] = next[0];
      cur[1] = next[1];
    }
    return types;
  }
};

TEST_F(EntityWalk, EntnextStepsIntoPolylineVerticesAndEndsWithErrno8) {
  EXPECT_EQ(walk(), "LINE POLYLINE VERTEX VERTEX SEQEND CIRCLE ");
  ads_name circle = {6, db().serial()}, after;
  EXPECT_EQ(acdbEntNext(circle, after), RTERROR);
  EXPECT_EQ(lastErrno(), 8);
}

TEST_F(EntityWalk, EntlastGivesTheLastMainEntity) {
  ads_name last;
  ASSERT_EQ(acdbEntLast(last), RTNORM);
  EXPECT_EQ(typeOf(last), "CIRCLE");
  ads_name circle = {6, db().serial()};
  ASSERT_EQ(acdbEntDel(circle), RTNORM);
  ASSERT_EQ(acdbEntLast(last), RTNORM);
  EXPECT_EQ(typeOf(last), "POLYLINE");  // not its SEQEND
}

TEST_F(EntityWalk, EntlastOnAnEmptyDrawingFailsWithErrno10) {
  HostDb::SetUp();
  ads_name last;
  EXPECT_EQ(acdbEntLast(last), RTERROR);
  EXPECT_EQ(lastErrno(), 10);
  EXPECT_EQ(acdbEntNext(nullptr, last), RTERROR);
  EXPECT_EQ(lastErrno(), 8);
}

TEST_F(EntityWalk, EntdelTogglesAndTakesVerticesWithThePolyline) {
  ads_name pline = {2, db().serial()};
  ASSERT_EQ(acdbEntDel(pline), RTNORM);
  EXPECT_EQ(walk(), "LINE CIRCLE ");
  EXPECT_EQ(acdbEntGet(pline), nullptr);
  EXPECT_EQ(lastErrno(), 17);
  ASSERT_EQ(acdbEntDel(pline), RTNORM);  // again: back in the drawing
  EXPECT_EQ(walk(), "LINE POLYLINE VERTEX VERTEX SEQEND CIRCLE ");
}

TEST_F(EntityWalk, EntdelRefusesSubEntities) {
  ads_name vertex = {3, db().serial()};
  EXPECT_EQ(acdbEntDel(vertex), RTERROR);
  EXPECT_FALSE(db().entities[2].erased);
  EXPECT_EQ(walk(), "LINE POLYLINE VERTEX VERTEX SEQEND CIRCLE ");
}

TEST_F(EntityWalk, ErasedFirstEntityIsSkipped) {
  ads_name line = {1, db().serial()}, first;
  ASSERT_EQ(acdbEntDel(line), RTNORM);
  ASSERT_EQ(acdbEntNext(nullptr, first), RTNORM);
  EXPECT_EQ(typeOf(first), "POLYLINE");
}

TEST_F(EntityWalk, NamesOutsideTheDrawingAreRefusedWithErrno2) {
  ads_name oldName = {1, db().serial()}, out;
  const ads_name badIndex[] = {{0, db().serial()}, {7, db().serial()}, {-3, db().serial()}};
  for (const auto& n : badIndex) {
    host::session().setErrno(0);
    EXPECT_EQ(acdbEntGet(n), nullptr);
    EXPECT_EQ(lastErrno(), 2);
    EXPECT_EQ(acdbEntNext(n, out), RTERROR);
    EXPECT_EQ(acdbEntDel(n), RTERROR);
    EXPECT_EQ(acdbEntUpd(n), RTERROR);
  }
  // The drawing is replaced (closed and another opened): its names mean nothing now.
  HostDb::SetUp();
  auto line = makeList(RTDXF0, "LINE", 10, kA, 11, kB);
  ASSERT_EQ(acdbEntMake(line.get()), RTNORM);
  EXPECT_EQ(acdbEntGet(oldName), nullptr);
  EXPECT_EQ(lastErrno(), 2);
  EXPECT_EQ(acdbEntDel(oldName), RTERROR);
  EXPECT_FALSE(db().entities[0].erased);
}

TEST_F(EntityWalk, HandentFindsEntitiesByTheHandleEntgetGives) {
  ads_name vertex = {4, db().serial()}, found;
  host::RbList l(acdbEntGet(vertex));
  const std::string handle = findGroup(l.get(), 5)->resval.rstring;
  ASSERT_EQ(acdbHandEnt(handle.c_str(), found), RTNORM);
  EXPECT_EQ(found[0], 4);
  EXPECT_EQ(found[1], db().serial());
  // Erased entities keep their handle during the session.
  ads_name pline = {2, db().serial()};
  ASSERT_EQ(acdbEntDel(pline), RTNORM);
  EXPECT_EQ(acdbHandEnt(handle.c_str(), found), RTNORM);
  for (const char* bad : {"", "XYZ", "FFFFFF", "12 "}) {
    host::session().setErrno(0);
    EXPECT_EQ(acdbHandEnt(bad, found), RTERROR) << bad;
    EXPECT_EQ(lastErrno(), 13);
  }
  EXPECT_EQ(acdbHandEnt(nullptr, found), RTERROR);
}

TEST_F(EntityWalk, HandlesAreUniqueAndIncreasing) {
  for (size_t i = 1; i < db().entities.size(); ++i)
    EXPECT_GT(db().entities[i].handle, db().entities[i - 1].handle);
  EXPECT_GT(db().nextHandle, db().entities.back().handle);
}

}  // namespace
