// A drawing written and read back is the same drawing.
#include <cstring>

#include "dxf/dxf.h"
#include "dxf_test_support.h"

namespace {

using namespace dxftest;

TEST(DxfRoundTrip, SavedAndReadAgainGivesTheSameDrawing) {
  TempDir dir;
  auto original = sampleDrawing();
  std::string error;
  ASSERT_TRUE(dxf::write(*original, dir.file("a.dxf"), error)) << error;
  std::vector<std::string> notes;
  auto back = dxf::read(dir.file("a.dxf"), error, &notes);
  ASSERT_TRUE(back) << error;
  EXPECT_TRUE(notes.empty()) << notes.front();
  expectSameDrawing(*original, *back);
}

TEST(DxfRoundTrip, ASecondSaveWritesTheSameFile) {
  auto original = sampleDrawing();
  const std::string first = dxf::writeToString(*original);
  std::string error;
  auto back = dxf::readFromMemory(first, error);
  ASSERT_TRUE(back) << error;
  auto again = dxf::readFromMemory(dxf::writeToString(*back), error);
  ASSERT_TRUE(again) << error;
  EXPECT_EQ(dxf::writeToString(*back), dxf::writeToString(*again));
}

TEST(DxfRoundTrip, NewEntitiesAfterReadingGetFreshHandles) {
  auto original = sampleDrawing();
  std::string error;
  auto back = dxf::readFromMemory(dxf::writeToString(*original), error);
  ASSERT_TRUE(back) << error;
  make(*back, {text(0, "POINT"), point(10, 1, 2, 3)});
  const uint64_t fresh = back->entities.back().handle;
  for (size_t i = 0; i + 1 < back->entities.size(); ++i) ASSERT_NE(back->entities[i].handle, fresh);
}

TEST(DxfRoundTrip, TextsKeepEveryCharacterThroughTheCodePage) {
  db::Database d;
  const char* texts[] = {"Été – 20 €",
                         "☃ snowman",
                         "𝄞 clef",
                         "a^Jb",
                         "x^ y",
                         "^",
                         "\\U+0041",
                         "Ã© looks like UTF-8",
                         "\xE9 not UTF-8 at all"};
  for (const char* t : texts)
    make(d, {text(0, "TEXT"), point(10, 0, 0), number(40, 1), text(1, t)});
  std::string error;
  auto back = dxf::readFromMemory(dxf::writeToString(d), error);
  ASSERT_TRUE(back) << error;
  for (size_t i = 0; i < std::size(texts) - 1; ++i)
    EXPECT_EQ(back->text(*back->find(back->entities[i], 1)), texts[i]);
  // A text that is not UTF-8 cannot survive the code page whole, but it stays readable.
  EXPECT_FALSE(back->text(*back->find(back->entities.back(), 1)).empty());
}

TEST(DxfRoundTrip, FileIsWrittenInTheCLocaleWithFullPrecision) {
  db::Database d;
  make(d, {text(0, "POINT"), point(10, 0.1, 1.0 / 3.0, 2.5)});
  const std::string out = dxf::writeToString(d);
  EXPECT_NE(out.find("\n 10\n0.1\n 20\n0.3333333333333333\n 30\n2.5\n"), std::string::npos);
}

TEST(DxfRoundTrip, WriteFailsCleanlyAndKeepsTheOldFile) {
  TempDir dir;
  auto d = sampleDrawing();
  std::string error;
  EXPECT_FALSE(dxf::write(*d, dir.file("missing/dir/x.dxf"), error));
  EXPECT_FALSE(error.empty());
  // Backslashes are directory separators too.
  const std::string path = dir.file("b.dxf");
  std::string windowsStyle = path;
  for (char& c : windowsStyle)
    if (c == '/') c = '\\';
  ASSERT_TRUE(dxf::write(*d, windowsStyle, error)) << error;
  auto back = dxf::read(windowsStyle, error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(back->entities.size(), d->entities.size() - 1);  // the erased circle left out
}

TEST(DxfRoundTrip, HeaderDrivesCurrentLayerAndHandles) {
  const std::string file =
      "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n9\n$HANDSEED\n5\n400\n9\n$CLAYER\n8\n"
      "terrain\n9\n$INSBASE\n10\n1.5\n20\n2.5\n30\n0.0\n0\nENDSEC\n"
      "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n70\n1\n0\nLAYER\n2\nTERRAIN\n70\n0\n62\n3\n6\n"
      "CONTINUOUS\n0\nENDTAB\n0\nENDSEC\n"
      "0\nSECTION\n2\nENTITIES\n0\nPOINT\n5\n2A\n8\nTERRAIN\n10\n1\n20\n2\n30\n3\n"
      "0\nPOINT\n8\nTERRAIN\n10\n4\n20\n5\n30\n6\n"   // no handle: one is given
      "0\nPOINT\n5\n2A\n8\n0\n10\n7\n20\n8\n30\n9\n"  // the same handle again
      "0\nENDSEC\n0\nEOF\n";
  std::string error;
  auto d = dxf::readFromMemory(file, error);
  ASSERT_TRUE(d) << error;
  EXPECT_EQ(d->layers.at(d->currentLayer).name, "TERRAIN");
  ASSERT_EQ(d->entities.size(), 3u);
  EXPECT_EQ(d->entities[0].handle, 0x2Au);
  EXPECT_GE(d->entities[1].handle, 0x400u);  // above the file's handle seed
  EXPECT_NE(d->entities[2].handle, 0x2Au);
  EXPECT_NE(d->entities[2].handle, d->entities[1].handle);
  EXPECT_GT(d->nextHandle, std::max(d->entities[1].handle, d->entities[2].handle));
  EXPECT_EQ(d->findHandle(0x2A), 0);
  const db::HeaderVar* insbase = d->headerVar("$INSBASE");
  ASSERT_TRUE(insbase);
  EXPECT_EQ(insbase->groups,
            (std::vector<std::pair<int, std::string>>{{10, "1.5"}, {20, "2.5"}, {30, "0.0"}}));
  EXPECT_EQ(d->layers.at(static_cast<uint32_t>(d->layers.find("terrain"))).color, 3);
}

TEST(DxfRoundTrip, ReadsWhatOtherWritersLeaveAround) {
  // CRLF ends, blanks around codes and numbers, comments, no EOF, 102 owner blocks.
  const std::string file =
      "999\r\nmade by hand\r\n  0\r\nSECTION\r\n  2\r\nENTITIES\r\n  0\r\nLINE\r\n  5\r\n1F\r\n"
      "102\r\n{ACAD_REACTORS\r\n330\r\n1A\r\n102\r\n}\r\n330\r\n1B\r\n100\r\nAcDbEntity\r\n"
      "  8\r\nL1\r\n100\r\nAcDbLine\r\n 10\r\n +1.5 \r\n 20\r\n2\r\n 30\r\n3\r\n 11\r\n4\r\n"
      " 21\r\n5\r\n 31\r\n6\r\n 70\r\n1.0\r\n  0\r\nENDSEC\r\n";
  std::string error;
  auto d = dxf::readFromMemory(file, error);
  ASSERT_TRUE(d) << error;
  ASSERT_EQ(d->entities.size(), 1u);
  const db::Entity& line = d->entities[0];
  EXPECT_EQ(line.handle, 0x1Fu);
  EXPECT_EQ(d->layers.at(line.layer).name, "L1");
  ASSERT_EQ(line.groups.size(), 3u);  // 10, 11, 70: owners and markers are not kept
  EXPECT_EQ(line.groups[0].v[0], 1.5);
  EXPECT_EQ(line.groups[1].v[2], 6.0);
  EXPECT_EQ(line.groups[2].asInt(), 1);
}

}  // namespace
