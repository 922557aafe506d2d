// Host commands run through acedCommandS / acedCmdS: entities made, undo
// marks, views, erasing, notifications, commands left waiting across calls.
#include <algorithm>

#include "../select/drawing_fixture.h"
#include "commands/command_processor.h"
#include "db/database.h"
#include "recorder.h"

using testing_support::DrawingTest;
using testing_support::RbList;

namespace {

std::array<double, 3> pt(double x, double y, double z = 0) { return {x, y, z}; }

}  // namespace

class CommandTest : public DrawingTest {
 protected:
  void SetUp() override {
    DrawingTest::SetUp();
    host::session().editorReactors.push_back(&recorder);
  }
  void TearDown() override {
    host::commandProcessor().cancel();
    auto& r = host::session().editorReactors;
    r.erase(std::remove(r.begin(), r.end(), &recorder), r.end());
    DrawingTest::TearDown();
  }
  std::vector<const db::Entity*> entitiesOf(db::EntityType t) {
    std::vector<const db::Entity*> out;
    for (const auto& e : db().entities)
      if (e.type == t && !e.erased) out.push_back(&e);
    return out;
  }
  db::Point3 pointOf(const db::Entity& e, int code) {
    const db::Group* g = db().find(e, code);
    EXPECT_NE(g, nullptr) << "group " << code;
    return g ? db::Point3{g->v[0], g->v[1], g->v[2]} : db::Point3{};
  }
  // (command ...) as the LISP function passes it: a list, maybe left open.
  int lispCommand(resbuf* args) {
    RbList owned(args);
    return acedCmdS(owned.get());
  }

  Recorder recorder;
};

TEST_F(CommandTest, LineMakesSegmentsOnTheCurrentLayer) {
  host::session().current().vars().setText("CLAYER", "AXES");
  ASSERT_EQ(acedCommandS(RTSTR, "_LINE", RTPOINT, pt(0, 0).data(), RT3DPOINT, pt(10, 0, 1).data(),
                         RTSTR, "@0,5", RTSTR, "", RTNONE),
            RTNORM);
  const auto lines = entitiesOf(db::EntityType::Line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(db().layers.at(lines[0]->layer).name, "AXES");
  EXPECT_DOUBLE_EQ(pointOf(*lines[1], 10).z, 1);
  EXPECT_DOUBLE_EQ(pointOf(*lines[1], 11).y, 5);  // relative to the last point
  EXPECT_EQ(recorder.events, (std::vector<std::string>{"start:LINE", "end:LINE"}));
}

TEST_F(CommandTest, LineCloseAndUndo) {
  ASSERT_EQ(acedCommandS(RTSTR, "line", RTSTR, "0,0", RTSTR, "10,0", RTSTR, "99,99", RTSTR, "_U",
                         RTSTR, "10,10", RTSTR, "_C", RTNONE),
            RTNORM);
  const auto lines = entitiesOf(db::EntityType::Line);
  ASSERT_EQ(lines.size(), 3u);  // the segment to 99,99 was taken back
  EXPECT_DOUBLE_EQ(pointOf(*lines[2], 11).x, 0);
  EXPECT_DOUBLE_EQ(pointOf(*lines[2], 11).y, 0);
}

TEST_F(CommandTest, Poly3dMakesOnePolylineWithVertices) {
  ASSERT_EQ(acedCommandS(RTSTR, "_3DPOLY", RT3DPOINT, pt(0, 0, 0).data(), RT3DPOINT,
                         pt(5, 0, 2).data(), RT3DPOINT, pt(5, 5, 4).data(), RTSTR, "_C", RTNONE),
            RTNORM);
  const auto heads = entitiesOf(db::EntityType::Polyline);
  ASSERT_EQ(heads.size(), 1u);
  EXPECT_EQ(db().find(*heads[0], 70)->asInt(), 9);  // 3D and closed
  const auto vertices = entitiesOf(db::EntityType::Vertex);
  ASSERT_EQ(vertices.size(), 3u);
  EXPECT_EQ(db().find(*vertices[0], 70)->asInt(), 32);
  EXPECT_DOUBLE_EQ(pointOf(*vertices[2], 10).z, 4);
  EXPECT_EQ(entitiesOf(db::EntityType::Seqend).size(), 1u);
  // Ending with Enter leaves it open.
  ASSERT_EQ(acedCommandS(RTSTR, "_3DPOLY", RTSTR, "0,0,0", RTSTR, "1,1,1", RTNONE), RTNORM);
  EXPECT_EQ(db().find(*entitiesOf(db::EntityType::Polyline)[1], 70)->asInt(), 8);
}

TEST_F(CommandTest, Face3dQuadsTrianglesAndStrips) {
  ASSERT_EQ(acedCommandS(RTSTR, "_3DFACE", RTSTR, "0,0,0", RTSTR, "1,0,0", RTSTR, "1,1,1", RTSTR,
                         "", RTSTR, "", RTNONE),
            RTNORM);
  auto faces = entitiesOf(db::EntityType::Face3d);
  ASSERT_EQ(faces.size(), 1u);
  EXPECT_DOUBLE_EQ(pointOf(*faces[0], 13).z, 1);  // the fourth corner is the third
  // A strip: the third and fourth corners start the next face.
  ASSERT_EQ(acedCommandS(RTSTR, "_3DFACE", RTSTR, "0,0", RTSTR, "1,0", RTSTR, "1,1", RTSTR, "0,1",
                         RTSTR, "_I", RTSTR, "0,2", RTSTR, "1,2", RTSTR, "", RTNONE),
            RTNORM);
  faces = entitiesOf(db::EntityType::Face3d);
  ASSERT_EQ(faces.size(), 3u);
  EXPECT_DOUBLE_EQ(pointOf(*faces[2], 10).x, 1);  // (1,1)
  EXPECT_DOUBLE_EQ(pointOf(*faces[2], 11).x, 0);  // (0,1)
  EXPECT_DOUBLE_EQ(pointOf(*faces[2], 12).y, 2);
  EXPECT_EQ(db().find(*faces[2], 70)->asInt(), 4);  // the third edge is hidden
}

TEST_F(CommandTest, UndoMarksAreCounted) {
  host::Document& d = doc();
  ASSERT_EQ(acedCommandS(RTSTR, "_undo", RTSTR, "_be", RTNONE), RTNORM);
  ASSERT_EQ(acedCommandS(RTSTR, "_undo", RTSTR, "_begin", RTNONE), RTNORM);
  EXPECT_EQ(d.openUndoGroups, 2);
  ASSERT_EQ(acedCommandS(RTSTR, "_undo", RTSTR, "_e", RTNONE), RTNORM);
  ASSERT_EQ(acedCommandS(RTSTR, "_UNDO", RTSTR, "_End", RTNONE), RTNORM);
  ASSERT_EQ(acedCommandS(RTSTR, "_undo", RTSTR, "_e", RTNONE), RTNORM);  // nothing left open
  EXPECT_EQ(d.openUndoGroups, 0);
  EXPECT_EQ(d.closedUndoGroups, 2);
  // Undoing steps is not something this host can do: refused, not pretended.
  EXPECT_EQ(acedCommandS(RTSTR, "_undo", RTSHORT, 3, RTNONE), RTERROR);
  EXPECT_EQ(recorder.events.back(), "cancel:UNDO");
}

TEST_F(CommandTest, EraseNamesAndSetsOnce) {
  auto a = line(0, 0, 1, 0);
  auto b = line(0, 0, 2, 0);
  auto c = line(0, 0, 3, 0);
  ads_name ss;
  ASSERT_EQ(acedSSAdd(b.data(), nullptr, ss), RTNORM);
  ASSERT_EQ(acedSSAdd(a.data(), ss, ss), RTNORM);
  ASSERT_EQ(acedCommandS(RTSTR, "_erase", RTENAME, a.data(), RTPICKS, ss, RTSTR, "", RTNONE),
            RTNORM);
  EXPECT_TRUE(db().entities[a[0] - 1].erased);  // named twice, erased once
  EXPECT_TRUE(db().entities[b[0] - 1].erased);
  EXPECT_FALSE(db().entities[c[0] - 1].erased);
  // An erased entity named again stays erased (erasing is not a toggle).
  ASSERT_EQ(acedCommandS(RTSTR, "_erase", RTSTR, "_L", RTENAME, a.data(), RTSTR, "", RTNONE),
            RTNORM);
  EXPECT_TRUE(db().entities[a[0] - 1].erased);
  EXPECT_TRUE(db().entities[c[0] - 1].erased);
}

TEST_F(CommandTest, ZoomCentreAndPrevious) {
  host::SysVars& v = doc().vars();
  const double h0 = v.find("VIEWSIZE")->r;
  ASSERT_EQ(
      acedCommandS(RTSTR, "_ZOOM", RTSTR, "_C", RTPOINT, pt(100, 50).data(), RTREAL, 20.0, RTNONE),
      RTNORM);
  EXPECT_DOUBLE_EQ(v.find("VIEWCTR")->p[0], 100);
  EXPECT_DOUBLE_EQ(v.find("VIEWSIZE")->r, 20);
  ASSERT_EQ(acedCommandS(RTSTR, "_ZOOM", RTSTR, "2x", RTNONE), RTNORM);
  EXPECT_DOUBLE_EQ(v.find("VIEWSIZE")->r, 10);
  ASSERT_EQ(acedCommandS(RTSTR, "_ZOOM", RTSTR, "_P", RTNONE), RTNORM);
  EXPECT_DOUBLE_EQ(v.find("VIEWSIZE")->r, 20);
  ASSERT_EQ(acedCommandS(RTSTR, "_ZOOM", RTSTR, "_P", RTNONE), RTNORM);
  EXPECT_DOUBLE_EQ(v.find("VIEWSIZE")->r, h0);
  ASSERT_EQ(acedCommandS(RTSTR, "_ZOOM", RTSTR, "_P", RTNONE), RTNORM);  // nothing older
  EXPECT_NE(output.find("Aucune vue précédente"), std::string::npos);
}

TEST_F(CommandTest, ZoomExtentsFitsTheDrawing) {
  line(0, 0, 100, 0);
  circle(50, 20, 10);
  ASSERT_EQ(acedCommandS(RTSTR, "_ZOOM", RTSTR, "_E", RTNONE), RTNORM);
  host::SysVars& v = doc().vars();
  EXPECT_DOUBLE_EQ(v.find("VIEWCTR")->p[0], 50);
  EXPECT_DOUBLE_EQ(v.find("VIEWCTR")->p[1], 15);
  // 100 wide on a 1280 x 800 screen: the width decides.
  EXPECT_DOUBLE_EQ(v.find("VIEWSIZE")->r, 100 / 1.6);
  EXPECT_DOUBLE_EQ(v.find("EXTMAX")->p[1], 30);
}

TEST_F(CommandTest, RegenallIsRecorded) {
  const int before = host::commandProcessor().regenerations();
  ASSERT_EQ(acedCommandS(RTSTR, "_regenall", RTNONE), RTNORM);
  EXPECT_EQ(host::commandProcessor().regenerations(), before + 1);
  EXPECT_EQ(recorder.events, (std::vector<std::string>{"start:REGENALL", "end:REGENALL"}));
}

TEST_F(CommandTest, UnknownCommandAndBadInput) {
  output.clear();
  EXPECT_EQ(acedCommandS(RTSTR, "_FOOBAR", RTNONE), RTERROR);
  EXPECT_NE(output.find("Commande inconnue \"FOOBAR\""), std::string::npos);
  EXPECT_EQ(recorder.events, std::vector<std::string>{"cancel:FOOBAR"});
  recorder.events.clear();
  // A word where a point is expected cancels the command; the rest is not run.
  EXPECT_EQ(
      acedCommandS(RTSTR, "_LINE", RTSTR, "0,0", RTSTR, "bonjour", RTSTR, "1,1", RTSTR, "", RTNONE),
      RTERROR);
  EXPECT_EQ(recorder.events, (std::vector<std::string>{"start:LINE", "cancel:LINE"}));
  EXPECT_TRUE(entitiesOf(db::EntityType::Line).empty());
  EXPECT_FALSE(host::commandProcessor().pending());
}

TEST_F(CommandTest, LispCommandsWaitAcrossCalls) {
  ASSERT_EQ(lispCommand(acutBuildList(RTSTR, "_LINE", RTPOINT, pt(0, 0).data(), RTPOINT,
                                      pt(1, 0).data(), 0)),
            RTNORM);
  EXPECT_TRUE(host::commandProcessor().pending());
  EXPECT_EQ(doc().vars().getInt("CMDACTIVE"), 1);
  EXPECT_EQ(entitiesOf(db::EntityType::Line).size(), 1u);
  ASSERT_EQ(lispCommand(acutBuildList(RTPOINT, pt(1, 1).data(), 0)), RTNORM);
  ASSERT_EQ(lispCommand(acutBuildList(RTSTR, "", 0)), RTNORM);
  EXPECT_FALSE(host::commandProcessor().pending());
  EXPECT_EQ(doc().vars().getInt("CMDACTIVE"), 0);
  EXPECT_EQ(entitiesOf(db::EntityType::Line).size(), 2u);
  EXPECT_EQ(recorder.events, (std::vector<std::string>{"start:LINE", "end:LINE"}));

  // (command) with no argument cancels; a 3D polyline keeps what was drawn.
  ASSERT_EQ(lispCommand(acutBuildList(RTSTR, "_3DPOLY", RTSTR, "0,0,0", RTSTR, "2,0,0", 0)),
            RTNORM);
  EXPECT_TRUE(entitiesOf(db::EntityType::Polyline).empty());
  ASSERT_EQ(acedCmdS(nullptr), RTNORM);
  EXPECT_FALSE(host::commandProcessor().pending());
  EXPECT_EQ(entitiesOf(db::EntityType::Polyline).size(), 1u);
  EXPECT_EQ(recorder.events.back(), "cancel:3DPOLY");

  // A complete command and the start of another in one call.
  ASSERT_EQ(
      lispCommand(acutBuildList(RTSTR, "_undo", RTSTR, "_be", RTSTR, "_LINE", RTSTR, "5,5", 0)),
      RTNORM);
  EXPECT_EQ(host::commandProcessor().pendingName(), "LINE");
  // acedCommandS finishes whatever is waiting when its own arguments run out.
  ASSERT_EQ(acedCommandS(RTSTR, "6,6", RTNONE), RTNORM);
  EXPECT_FALSE(host::commandProcessor().pending());
  EXPECT_EQ(entitiesOf(db::EntityType::Line).size(), 3u);
}

TEST_F(CommandTest, EntityPickListsAndUnusableArguments) {
  auto a = line(0, 0, 1, 0);
  // (list ename point), as entsel returns it.
  RbList pick(acutBuildList(RTSTR, "_erase", RTLB, RTENAME, a.data(), RTPOINT, pt(0.5, 0).data(),
                            RTLE, RTSTR, "", 0));
  ASSERT_EQ(acedCmdS(pick.get()), RTNORM);
  EXPECT_TRUE(db().entities[a[0] - 1].erased);
  RbList wrong(acutBuildList(RTSTR, "_LINE", RTLB, RTSTR, "x", RTLE, 0));
  EXPECT_EQ(acedCmdS(wrong.get()), RTERROR);
  EXPECT_FALSE(host::commandProcessor().pending());
  RbList truth(acutBuildList(RTSTR, "_ZOOM", RTT, 0));
  EXPECT_EQ(acedCmdS(truth.get()), RTERROR);
}

TEST_F(CommandTest, PauseTakesTheScriptedAnswer) {
  answerPoint(3, 4);
  ASSERT_EQ(acedCommandS(RTSTR, "_LINE", RTSTR, "0,0", RTSTR, "\\", RTSTR, "", RTNONE), RTNORM);
  const auto lines = entitiesOf(db::EntityType::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_DOUBLE_EQ(pointOf(*lines[0], 11).y, 4);
  // Escape at a pause cancels.
  answer(host::Answer::Cancel);
  EXPECT_EQ(acedCommandS(RTSTR, "_LINE", RTSTR, "\\", RTNONE), RTCAN);
  EXPECT_EQ(recorder.events.back(), "cancel:LINE");
}

TEST_F(CommandTest, CmdechoShowsOrHidesTheCommandLine) {
  doc().vars().setInt("CMDECHO", 1);
  output.clear();
  ASSERT_EQ(acedCommandS(RTSTR, "_LINE", RTSTR, "0,0", RTSTR, "1,0", RTSTR, "", RTNONE), RTNORM);
  EXPECT_NE(output.find("Commande: _LINE"), std::string::npos);
  EXPECT_NE(output.find("Spécifiez le premier point: 0,0"), std::string::npos);
  doc().vars().setInt("CMDECHO", 0);
  output.clear();
  ASSERT_EQ(acedCommandS(RTSTR, "_LINE", RTSTR, "0,0", RTSTR, "1,0", RTSTR, "", RTNONE), RTNORM);
  EXPECT_EQ(output, "");
}

TEST_F(CommandTest, ReactorsCannotStartCommandsFromInsideOne) {
  struct Nested : AcEditorReactor {
    int rc = 0;
    void commandWillStart(const ACHAR*) override { rc = acedCommandS(RTSTR, "_regenall", RTNONE); }
  } nested;
  host::session().editorReactors.push_back(&nested);
  EXPECT_EQ(acedCommandS(RTSTR, "_undo", RTSTR, "_be", RTNONE), RTNORM);
  host::session().editorReactors.pop_back();
  EXPECT_EQ(nested.rc, RTERROR);
  EXPECT_EQ(doc().openUndoGroups, 1);
}

namespace {
int moduleCommandRuns = 0;
void moduleCommand() {
  ++moduleCommandRuns;
  acedCommandS(RTSTR, "_undo", RTSTR, "_be", RTNONE);  // a module's command issuing its own
}
}  // namespace

TEST_F(CommandTest, CommandsAddedByModulesRunFromTheCommandLine) {
  ASSERT_EQ(
      acedRegCmds->addCommand("TEST_GROUP", "MACMD", "MACMD", ACRX_CMD::kModal, moduleCommand), 0);
  const int runs = moduleCommandRuns;
  EXPECT_EQ(acedCommandS(RTSTR, "_macmd", RTNONE), RTNORM);
  acedRegCmds->removeGroup("TEST_GROUP");
  EXPECT_EQ(moduleCommandRuns, runs + 1);
  EXPECT_EQ(doc().openUndoGroups, 1);
  EXPECT_EQ(recorder.events,
            (std::vector<std::string>{"start:MACMD", "start:UNDO", "end:UNDO", "end:MACMD"}));
}
