// entmod: what may change, what may not, and what stays as it was.
#include <string>

#include "host_db_fixture.h"

namespace {

const double kA[3] = {1, 2, 3};
const double kB[3] = {4, 5, 6};
const double kC[3] = {7, 8, 9};

using EntMod = HostDb;

ads_name& nameOf(size_t index) {
  static ads_name n;
  n[0] = static_cast<int64_t>(index) + 1;
  n[1] = HostDb::db().serial();
  return n;
}

TEST_F(EntMod, ChangesTheGroupsGivenAndKeepsTheOthers) {
  auto line = makeList(RTDXF0, "LINE", 8, "A", 10, kA, 11, kB, 62, 1);
  ASSERT_EQ(acdbEntMake(line.get()), RTNORM);
  auto change = makeList(-1, nameOf(0), 11, kC, 8, "B");
  ASSERT_EQ(acdbEntMod(change.get()), RTNORM);
  host::RbList got(acdbEntGet(nameOf(0)));
  EXPECT_EQ(findGroup(got.get(), 11)->resval.rpoint[0], kC[0]);
  EXPECT_EQ(findGroup(got.get(), 10)->resval.rpoint[0], kA[0]);
  EXPECT_EQ(findGroup(got.get(), 62)->resval.rint, 1);
  EXPECT_STREQ(findGroup(got.get(), 8)->resval.rstring, "B");
}

TEST_F(EntMod, AListFromEntgetEditedAndGivenBackIsApplied) {
  auto circle = makeList(RTDXF0, "CIRCLE", 10, kA, 40, 1.0);
  ASSERT_EQ(acdbEntMake(circle.get()), RTNORM);
  host::RbList got(acdbEntGet(nameOf(0)));
  const_cast<resbuf*>(findGroup(got.get(), 40))->resval.rreal = 7.5;
  const uint64_t handle = db().entities[0].handle;
  ASSERT_EQ(acdbEntMod(got.get()), RTNORM);
  EXPECT_EQ(db().find(db().entities[0], 40)->v[0], 7.5);
  EXPECT_EQ(db().entities[0].handle, handle);
}

TEST_F(EntMod, RefusesTypeHandleAndNameChanges) {
  auto line = makeList(RTDXF0, "LINE", 10, kA, 11, kB);
  ASSERT_EQ(acdbEntMake(line.get()), RTNORM);
  auto retype = makeList(-1, nameOf(0), RTDXF0, "CIRCLE", 40, 1.0);
  EXPECT_EQ(acdbEntMod(retype.get()), RTERROR);
  EXPECT_EQ(lastErrno(), 24);
  auto rehandle = makeList(-1, nameOf(0), 5, "FFFF");
  EXPECT_EQ(acdbEntMod(rehandle.get()), RTERROR);
  EXPECT_EQ(lastErrno(), 33);
  auto badLayer = makeList(-1, nameOf(0), 8, "a*b");
  EXPECT_EQ(acdbEntMod(badLayer.get()), RTERROR);
  EXPECT_EQ(lastErrno(), 25);
  auto noName = makeList(10, kC);
  EXPECT_EQ(acdbEntMod(noName.get()), RTERROR);
  EXPECT_EQ(lastErrno(), 2);
  EXPECT_EQ(acdbEntMod(nullptr), RTERROR);
  // Nothing of the refused changes reached the line.
  EXPECT_EQ(db().entities[0].type, db::EntityType::Line);
  EXPECT_EQ(db().find(db().entities[0], 10)->v[0], kA[0]);
  EXPECT_EQ(db().entities[0].layer, 0u);
}

TEST_F(EntMod, RefusesDeletedEntitiesAndSeqends) {
  auto pline = makeList(RTDXF0, "POLYLINE", 66, 1, RTDXF0, "VERTEX", 10, kA, RTDXF0, "SEQEND");
  ASSERT_EQ(acdbEntMake(pline.get()), RTNORM);
  auto touchSeqend = makeList(-1, nameOf(2), 62, 2);
  EXPECT_EQ(acdbEntMod(touchSeqend.get()), RTERROR);
  EXPECT_EQ(lastErrno(), 32);
  ASSERT_EQ(acdbEntDel(nameOf(0)), RTNORM);
  auto touchHeader = makeList(-1, nameOf(0), 62, 2);
  EXPECT_EQ(acdbEntMod(touchHeader.get()), RTERROR);
  EXPECT_EQ(lastErrno(), 31);
}

TEST_F(EntMod, VerticesAreModifiedOneByOne) {
  auto pline = makeList(RTDXF0, "POLYLINE", 66, 1, RTDXF0, "VERTEX", 10, kA, RTDXF0, "VERTEX", 10,
                        kB, RTDXF0, "SEQEND");
  ASSERT_EQ(acdbEntMake(pline.get()), RTNORM);
  auto move = makeList(-1, nameOf(2), 10, kC);
  ASSERT_EQ(acdbEntMod(move.get()), RTNORM);
  EXPECT_EQ(db().find(db().entities[2], 10)->v[2], kC[2]);
  EXPECT_EQ(db().find(db().entities[1], 10)->v[2], kA[2]);
}

TEST_F(EntMod, ANewLwpolylineVertexListReplacesTheOldOne) {
  auto lw = makeList(RTDXF0, "LWPOLYLINE", 10, kA, 42, 0.5, 10, kB, 10, kC, 43, 0.25);
  ASSERT_EQ(acdbEntMake(lw.get()), RTNORM);
  auto shorter = makeList(-1, nameOf(0), 10, kC, 10, kA);
  ASSERT_EQ(acdbEntMod(shorter.get()), RTNORM);
  host::RbList got(acdbEntGet(nameOf(0)));
  EXPECT_EQ(countGroups(got.get(), 10), 2);
  EXPECT_EQ(countGroups(got.get(), 42), 0);  // the old bulge went with the old vertices
  EXPECT_EQ(findGroup(got.get(), 90)->resval.rlong, 2);
  EXPECT_EQ(findGroup(got.get(), 10)->resval.rpoint[0], kC[0]);
  EXPECT_EQ(findGroup(got.get(), 43)->resval.rreal, 0.25);  // not a vertex group: kept
}

TEST_F(EntMod, EntupdAcceptsLiveEntitiesOnly) {
  auto point = makeList(RTDXF0, "POINT", 10, kA);
  ASSERT_EQ(acdbEntMake(point.get()), RTNORM);
  EXPECT_EQ(acdbEntUpd(nameOf(0)), RTNORM);
  ASSERT_EQ(acdbEntDel(nameOf(0)), RTNORM);
  EXPECT_EQ(acdbEntUpd(nameOf(0)), RTERROR);
  EXPECT_EQ(lastErrno(), 17);
}

}  // namespace
