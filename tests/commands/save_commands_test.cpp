// SAVEAS, WBLOCK, EXPORT and QSAVE: files written, the document's name, and
// the order of the notifications around them.
#include <algorithm>

#include "../select/drawing_fixture.h"
#include "commands/command_processor.h"
#include "dxf/dxf.h"
#include "recorder.h"
#include "run_cadhost.h"

using testing_support::DrawingTest;

namespace {}  // namespace

class SaveCommandTest : public DrawingTest {
 protected:
  void SetUp() override {
    DrawingTest::SetUp();
    host::session().editorReactors.push_back(&recorder);
    line(0, 0, 10, 0, "ROUTE");
    circle(5, 5, 2, "TALUS");
  }
  void TearDown() override {
    host::commandProcessor().cancel();
    auto& r = host::session().editorReactors;
    r.erase(std::remove(r.begin(), r.end(), &recorder), r.end());
    DrawingTest::TearDown();
  }
  std::string file(const std::string& name) { return dir.file(name); }
  // Entities in a written file, read back by the DXF reader.
  size_t entitiesIn(const std::string& path) {
    std::string error;
    auto back = dxf::read(path, error);
    EXPECT_TRUE(back) << error;
    return back ? back->entities.size() : 0;
  }

  ScratchDir dir;
  Recorder recorder;
};

TEST_F(SaveCommandTest, SaveAsWritesRenamesAndNotifiesInOrder) {
  const std::string path = file("plan.dxf");
  ASSERT_EQ(acedCommandS(RTSTR, "_saveas", RTSTR, "_dxf", RTSTR, "16", RTSTR, path.c_str(), RTNONE),
            RTNORM);
  EXPECT_EQ(recorder.events, (std::vector<std::string>{"start:SAVEAS", "save:" + path,
                                                       "saved:" + path, "end:SAVEAS"}));
  EXPECT_EQ(doc().path(), path);
  EXPECT_STREQ(doc().docTitle(), "plan.dxf");
  EXPECT_EQ(entitiesIn(path), 2u);
}

TEST_F(SaveCommandTest, SaveAsWithoutFormatAddsTheExtension) {
  const std::string base = file("sans_format");
  ASSERT_EQ(acedCommandS(RTSTR, "_.SAVEAS", RTSTR, base.c_str(), RTNONE), RTNORM);
  EXPECT_TRUE(dir.exists("sans_format.dxf"));
  EXPECT_EQ(doc().path(), base + ".dxf");
  // A version word then the name; the host writes DXF whatever the version.
  const std::string other = file("v2000.dxf");
  ASSERT_EQ(acedCommandS(RTSTR, "_saveas", RTSTR, "2000", RTSTR, other.c_str(), RTNONE), RTNORM);
  EXPECT_EQ(entitiesIn(other), 2u);
}

TEST_F(SaveCommandTest, ExistingFileIsReplacedOnlyWhenTheUserSaysSo) {
  const std::string path = file("existant.dxf");
  dir.write("existant.dxf", "old");
  doc().vars().setInt("EXPERT", 0);
  // Arguments run out at the question: its default (No) keeps the old file.
  ASSERT_EQ(acedCommandS(RTSTR, "_saveas", RTSTR, "", RTSTR, path.c_str(), RTNONE), RTNORM);
  EXPECT_EQ(dir.read("existant.dxf"), "old");
  EXPECT_NE(doc().path(), path);
  ASSERT_EQ(acedCommandS(RTSTR, "_saveas", RTSTR, "", RTSTR, path.c_str(), RTSTR, "_Y", RTNONE),
            RTNORM);
  EXPECT_EQ(entitiesIn(path), 2u);
  // EXPERT 2 does not ask.
  doc().vars().setInt("EXPERT", 2);
  const std::string again = file("existant2.dxf");
  dir.write("existant2.dxf", "old");
  ASSERT_EQ(acedCommandS(RTSTR, "_saveas", RTSTR, "", RTSTR, again.c_str(), RTNONE), RTNORM);
  EXPECT_EQ(entitiesIn(again), 2u);
}

TEST_F(SaveCommandTest, WblockWholeDrawingKeepsTheDocumentName) {
  const std::string before = doc().path();
  const std::string path = file("copie.dxf");
  ASSERT_EQ(acedCommandS(RTSTR, "_wblock", RTSTR, path.c_str(), RTSTR, "*", RTNONE), RTNORM);
  EXPECT_EQ(doc().path(), before);
  EXPECT_EQ(entitiesIn(path), 2u);
  EXPECT_EQ(recorder.events, (std::vector<std::string>{"start:WBLOCK", "save:" + path,
                                                       "saved:" + path, "end:WBLOCK"}));
}

TEST_F(SaveCommandTest, WblockAndExportOfASelection) {
  auto extra = poly3d({{{0, 0, 0}}, {{1, 1, 1}}});
  const std::string path = file("partie.dxf");
  ASSERT_EQ(acedCommandS(RTSTR, "_wblock", RTSTR, path.c_str(), RTSTR, "", RTSTR, "0,0,0", RTENAME,
                         extra.data(), RTSTR, "", RTNONE),
            RTNORM);
  EXPECT_EQ(entitiesIn(path), 4u);  // the polyline with its two vertices and end marker
  EXPECT_FALSE(db().entities[extra[0] - 1].erased);

  const std::string exported = file("export.dxf");
  ASSERT_EQ(acedCommandS(RTSTR, "_export", RTSTR, exported.c_str(), RTNONE), RTNORM);
  EXPECT_EQ(entitiesIn(exported), 6u);  // Enter: the whole drawing
  const std::string lastOnly = file("dernier.dxf");
  ASSERT_EQ(acedCommandS(RTSTR, "_export", RTSTR, lastOnly.c_str(), RTSTR, "_L", RTSTR, "", RTNONE),
            RTNORM);
  EXPECT_EQ(entitiesIn(lastOnly), 4u);
  EXPECT_EQ(acedCommandS(RTSTR, "_export", RTSTR, file("image.wmf").c_str(), RTNONE), RTERROR);
  EXPECT_EQ(recorder.events.back(), "cancel:EXPORT");
}

TEST_F(SaveCommandTest, QsaveUsesTheDocumentsOwnFile) {
  const std::string path = file("rapide.dxf");
  ASSERT_EQ(acedCommandS(RTSTR, "_saveas", RTSTR, "", RTSTR, path.c_str(), RTNONE), RTNORM);
  line(1, 1, 2, 2);
  recorder.events.clear();
  ASSERT_EQ(acedCommandS(RTSTR, "_qsave", RTNONE), RTNORM);
  EXPECT_EQ(entitiesIn(path), 3u);
  EXPECT_EQ(recorder.events, (std::vector<std::string>{"start:QSAVE", "save:" + path,
                                                       "saved:" + path, "end:QSAVE"}));
}

TEST_F(SaveCommandTest, WriteFailureIsReportedWithoutSaveComplete) {
  const std::string path = file("absent/sous/dossier.dxf");
  EXPECT_EQ(acedCommandS(RTSTR, "_saveas", RTSTR, "", RTSTR, path.c_str(), RTNONE), RTERROR);
  EXPECT_EQ(recorder.events,
            (std::vector<std::string>{"start:SAVEAS", "save:" + path, "cancel:SAVEAS"}));
  EXPECT_NE(doc().path(), path);
  EXPECT_NE(output.find("impossible d'écrire"), std::string::npos);
}
