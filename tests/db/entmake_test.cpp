// entmake / entmakex / entget: simple entities, layers, complex entities and refusals.
#include <cstring>
#include <string>

#include "host_db_fixture.h"

namespace {

const double kA[3] = {1.5, -2.25, 3.0};
const double kB[3] = {10.0, 20.0, 30.0};
const double kC[3] = {5.0, 5.0, 0.0};

using EntMake = HostDb;

TEST_F(EntMake, LineComesBackWithNameTypeHandleLayerThenItsGroups) {
  auto line = makeList(RTDXF0, "LINE", 8, "ROUTE", 10, kA, 11, kB, 62, 3);
  ASSERT_EQ(acdbEntMake(line.get()), RTNORM);
  ads_name last;
  ASSERT_EQ(acdbEntLast(last), RTNORM);
  host::RbList got(acdbEntGet(last));
  ASSERT_TRUE(got);
  const resbuf* rb = got.get();
  ASSERT_EQ(rb->restype, -1);
  EXPECT_EQ(rb->resval.rlname[0], last[0]);
  EXPECT_EQ(rb->resval.rlname[1], last[1]);
  rb = rb->rbnext;
  ASSERT_EQ(rb->restype, 0);
  EXPECT_STREQ(rb->resval.rstring, "LINE");
  rb = rb->rbnext;
  ASSERT_EQ(rb->restype, 5);
  EXPECT_GT(std::strlen(rb->resval.rstring), 0u);
  rb = rb->rbnext;
  ASSERT_EQ(rb->restype, 8);
  EXPECT_STREQ(rb->resval.rstring, "ROUTE");
  const resbuf* start = findGroup(got.get(), 10);
  ASSERT_TRUE(start);
  EXPECT_EQ(start->resval.rpoint[0], 1.5);
  EXPECT_EQ(start->resval.rpoint[1], -2.25);
  EXPECT_EQ(start->resval.rpoint[2], 3.0);
  const resbuf* end = findGroup(got.get(), 11);
  ASSERT_TRUE(end);
  EXPECT_EQ(end->resval.rpoint[2], 30.0);
  const resbuf* color = findGroup(got.get(), 62);
  ASSERT_TRUE(color);
  EXPECT_EQ(color->resval.rint, 3);
  // The layer did not exist: entmake made it.
  EXPECT_GE(db().layers.find("route"), 1);
}

TEST_F(EntMake, WithoutLayerGoesOnTheCurrentLayer) {
  db().layers.findOrAdd("TALUS");
  host::session().current().vars().setText("CLAYER", "talus");
  auto point = makeList(RTDXF0, "POINT", 10, kA);
  ASSERT_EQ(acdbEntMake(point.get()), RTNORM);
  ASSERT_EQ(db().entities.size(), 1u);
  EXPECT_EQ(db().layers.at(db().entities[0].layer).name, "TALUS");
}

TEST_F(EntMake, EntMakeXGivesTheNameOfWhatItMade) {
  auto circle = makeList(RTDXF0, "CIRCLE", 10, kA, 40, 2.5);
  ads_name made;
  ASSERT_EQ(acdbEntMakeX(circle.get(), made), RTNORM);
  host::RbList got(acdbEntGet(made));
  ASSERT_TRUE(got);
  EXPECT_STREQ(findGroup(got.get(), 0)->resval.rstring, "CIRCLE");
  EXPECT_EQ(findGroup(got.get(), 40)->resval.rreal, 2.5);
}

TEST_F(EntMake, RefusesBadListsWithTheirErrno) {
  struct Case {
    const char* what;
    host::RbList list;
    int errnoValue;
  };
  Case cases[] = {
      {"unknown type", makeList(RTDXF0, "SPLINE", 10, kA), 36},
      {"no type at all", makeList(10, kA, 8, "0"), 36},
      {"line without end point", makeList(RTDXF0, "LINE", 10, kA), 47},
      {"circle without radius", makeList(RTDXF0, "CIRCLE", 10, kA), 47},
      {"text without string", makeList(RTDXF0, "TEXT", 10, kA, 40, 1.0), 47},
      {"bad layer name", makeList(RTDXF0, "POINT", 8, "A<B", 10, kA), 25},
      {"value code in place of a group", makeList(RTDXF0, "POINT", 10, kA, RTSHORT, 3), 30},
      {"colour out of range", makeList(RTDXF0, "POINT", 10, kA, 62, 300), 30},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.what);
    host::session().setErrno(0);
    EXPECT_EQ(acdbEntMake(c.list.get()), RTERROR);
    EXPECT_EQ(lastErrno(), c.errnoValue);
  }
  EXPECT_TRUE(db().entities.empty());
  EXPECT_EQ(acdbEntMake(nullptr), RTERROR);
}

TEST_F(EntMake, AllKindsOfEntityAreAccepted) {
  const char* text = "Profil en long";
  host::RbList lists[] = {
      makeList(RTDXF0, "3DFACE", 10, kA, 11, kB, 12, kC),
      makeList(RTDXF0, "SOLID", 10, kA, 11, kB, 12, kC, 13, kA),
      makeList(RTDXF0, "ARC", 10, kA, 40, 1.0, 50, 0.0, 51, 1.5),
      makeList(RTDXF0, "TEXT", 10, kA, 40, 2.0, 1, text, 50, 0.5),
      makeList(RTDXF0, "ATTDEF", 10, kA, 40, 2.0, 1, "def", 2, "TAG", 3, "Valeur ?"),
      makeList(RTDXF0, "INSERT", 2, "BORNE", 10, kB, 41, 2.0),
      makeList(RTDXF0, "LWPOLYLINE", 10, kA, 10, kB, 42, 0.5, 10, kC),
  };
  for (auto& l : lists) EXPECT_EQ(acdbEntMake(l.get()), RTNORM);
  ASSERT_EQ(db().entities.size(), 7u);
  // A 3DFACE given three corners gets its fourth on the third, as the host does.
  const db::Group* fourth = db().find(db().entities[0], 13);
  ASSERT_TRUE(fourth);
  EXPECT_EQ(fourth->v[0], kC[0]);
  // A LWPOLYLINE counts its vertices in group 90.
  const db::Group* count = db().find(db().entities[6], 90);
  ASSERT_TRUE(count);
  EXPECT_EQ(count->asInt(), 3);
}

// A polyline made piece by piece appears only when its SEQEND arrives.
TEST_F(EntMake, PolylinePiecesAreCommittedBySeqend) {
  auto header = makeList(RTDXF0, "POLYLINE", 8, "AXE", 66, 1, 70, 8);
  auto v1 = makeList(RTDXF0, "VERTEX", 10, kA, 70, 32);
  auto v2 = makeList(RTDXF0, "VERTEX", 10, kB, 70, 32);
  auto end = makeList(RTDXF0, "SEQEND");
  ASSERT_EQ(acdbEntMake(header.get()), RTNORM);
  ASSERT_EQ(acdbEntMake(v1.get()), RTNORM);
  ASSERT_EQ(acdbEntMake(v2.get()), RTNORM);
  EXPECT_TRUE(db().entities.empty());
  ads_name made;
  ASSERT_EQ(acdbEntMakeX(end.get(), made), RTNORM);
  ASSERT_EQ(db().entities.size(), 4u);
  EXPECT_EQ(made[0], 1);  // the header stands for the whole polyline
  EXPECT_EQ(db().entities[1].type, db::EntityType::Vertex);
  EXPECT_EQ(db().entities[3].type, db::EntityType::Seqend);
  // Vertices without a layer go on their polyline's.
  EXPECT_EQ(db().layers.at(db().entities[2].layer).name, "AXE");
}

TEST_F(EntMake, OneListCanHoldAWholePolyline) {
  auto whole =
      makeList(RTDXF0, "POLYLINE", 66, 1, 70, 8, RTDXF0, "VERTEX", 10, kA, 70, 32, RTDXF0, "VERTEX",
               10, kB, 70, 32, RTDXF0, "VERTEX", 10, kC, 70, 32, RTDXF0, "SEQEND");
  ASSERT_EQ(acdbEntMake(whole.get()), RTNORM);
  ASSERT_EQ(db().entities.size(), 5u);
  EXPECT_EQ(db().find(db().entities[3], 10)->v[0], kC[0]);
  EXPECT_TRUE(db().pending.empty());
}

TEST_F(EntMake, InsertWithAttributesWaitsForItsSeqend) {
  auto insert = makeList(RTDXF0, "INSERT", 2, "BORNE", 10, kA, 66, 1);
  auto attrib = makeList(RTDXF0, "ATTRIB", 10, kA, 40, 1.0, 1, "PK 1+250", 2, "PK");
  auto end = makeList(RTDXF0, "SEQEND");
  ASSERT_EQ(acdbEntMake(insert.get()), RTNORM);
  ASSERT_EQ(acdbEntMake(attrib.get()), RTNORM);
  EXPECT_TRUE(db().entities.empty());
  ASSERT_EQ(acdbEntMake(end.get()), RTNORM);
  ASSERT_EQ(db().entities.size(), 3u);
  EXPECT_EQ(db().entities[1].type, db::EntityType::Attrib);
}

TEST_F(EntMake, OutOfSequencePiecesAreRefusedAndDropThePendingPolyline) {
  auto vertex = makeList(RTDXF0, "VERTEX", 10, kA);
  EXPECT_EQ(acdbEntMake(vertex.get()), RTERROR);
  EXPECT_EQ(lastErrno(), 37);
  auto seqend = makeList(RTDXF0, "SEQEND");
  EXPECT_EQ(acdbEntMake(seqend.get()), RTERROR);

  auto header = makeList(RTDXF0, "POLYLINE", 66, 1);
  auto line = makeList(RTDXF0, "LINE", 10, kA, 11, kB);
  ASSERT_EQ(acdbEntMake(header.get()), RTNORM);
  ASSERT_EQ(acdbEntMake(vertex.get()), RTNORM);
  EXPECT_EQ(acdbEntMake(line.get()), RTERROR);  // something else in the middle
  EXPECT_EQ(lastErrno(), 37);
  EXPECT_TRUE(db().pending.empty());
  // The dropped polyline cannot be finished any more.
  EXPECT_EQ(acdbEntMake(seqend.get()), RTERROR);
  EXPECT_TRUE(db().entities.empty());
  // An ATTRIB does not belong to a polyline either.
  auto attrib = makeList(RTDXF0, "ATTRIB", 10, kA, 40, 1.0, 1, "x", 2, "T");
  ASSERT_EQ(acdbEntMake(header.get()), RTNORM);
  EXPECT_EQ(acdbEntMake(attrib.get()), RTERROR);
  EXPECT_TRUE(db().pending.empty());
}

TEST_F(EntMake, ABadVertexInAOneListPolylineMakesNothing) {
  auto whole = makeList(RTDXF0, "POLYLINE", 66, 1, RTDXF0, "VERTEX", 10, kA, RTDXF0, "VERTEX", 70,
                        0,  // no point
                        RTDXF0, "SEQEND");
  EXPECT_EQ(acdbEntMake(whole.get()), RTERROR);
  EXPECT_EQ(lastErrno(), 47);
  EXPECT_TRUE(db().entities.empty());
  EXPECT_TRUE(db().pending.empty());
  auto twoLines = makeList(RTDXF0, "LINE", 10, kA, 11, kB, RTDXF0, "LINE", 10, kA, 11, kB);
  EXPECT_EQ(acdbEntMake(twoLines.get()), RTERROR);
  EXPECT_TRUE(db().entities.empty());
}

TEST_F(EntMake, AListTakenFromEntgetMakesACopy) {
  auto line = makeList(RTDXF0, "LINE", 8, "L1", 10, kA, 11, kB);
  ads_name first;
  ASSERT_EQ(acdbEntMakeX(line.get(), first), RTNORM);
  host::RbList got(acdbEntGet(first));
  ads_name copy;
  ASSERT_EQ(acdbEntMakeX(got.get(), copy), RTNORM);
  EXPECT_NE(copy[0], first[0]);
  ASSERT_EQ(db().entities.size(), 2u);
  EXPECT_NE(db().entities[0].handle, db().entities[1].handle);  // a handle of its own
  EXPECT_EQ(db().entities[1].layer, db().entities[0].layer);
}

}  // namespace
