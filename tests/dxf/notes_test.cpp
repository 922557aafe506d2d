// What the reader leaves out is said once per kind, and only when something is lost.
#include <algorithm>

#include "dxf/dxf.h"
#include "dxf_test_support.h"

namespace {

using namespace dxftest;

std::string join(std::initializer_list<const char*> l) {
  std::string s;
  for (const char* x : l) s += std::string(x) + "\n";
  return s;
}

const std::string kPoint = join({"0", "POINT", "8", "P", "10", "1", "20", "2", "30", "3"});

TEST(DxfNotes, OneNotePerKindOfEntityLeftOut) {
  const std::string hatch = join({"0", "HATCH", "8", "H", "10", "0", "20", "0", "2", "SOLID"});
  const std::string mtext = join({"0", "MTEXT", "1", "texte", "10", "0", "20", "0"});
  const std::string file = join({"0", "SECTION", "2", "ENTITIES"}) + hatch + kPoint + hatch +
                           mtext + hatch + kPoint + join({"0", "ENDSEC", "0", "EOF"});
  std::string error;
  std::vector<std::string> notes;
  auto d = dxf::readFromMemory(file, error, &notes);
  ASSERT_TRUE(d) << error;
  EXPECT_EQ(d->entities.size(), 2u);
  EXPECT_EQ(notes, (std::vector<std::string>{"note: entités HATCH ignorées (3)",
                                             "note: entités MTEXT ignorées (1)"}));
  EXPECT_EQ(d->layers.find("H"), -1);  // nothing of what was left out made a layer
}

TEST(DxfNotes, SectionsWithDrawingDataLeftOutAreNoted) {
  const std::string file =
      join({"0", "SECTION", "2", "CLASSES", "0", "CLASS", "1", "X", "0", "ENDSEC"}) +
      join({"0", "SECTION", "2",  "BLOCKS", "0", "BLOCK",  "2", "B",
            "0", "LINE",    "10", "0",      "0", "ENDBLK", "0", "BLOCK",
            "2", "C",       "0",  "CIRCLE", "0", "ENDBLK", "0", "ENDSEC"}) +
      join({"0", "SECTION", "2", "OBJECTS", "0", "DICTIONARY", "0", "XRECORD", "0", "XRECORD", "0",
            "LAYOUT", "0", "ENDSEC"}) +
      join({"0", "SECTION", "2", "ACDSDATA", "0", "ACDSSCHEMA", "0", "ENDSEC"}) +
      join({"0", "SECTION", "2", "THUMBNAILIMAGE", "90", "0", "0", "ENDSEC", "0", "EOF"});
  std::string error;
  std::vector<std::string> notes;
  auto d = dxf::readFromMemory(file, error, &notes);
  ASSERT_TRUE(d) << error;
  EXPECT_EQ(notes, (std::vector<std::string>{"note: section BLOCKS ignorée (définitions de blocs)",
                                             "note: objets XRECORD ignorés (section OBJECTS)",
                                             "note: section ACDSDATA ignorée"}));
}

TEST(DxfNotes, TablesAreNotedOnlyWhenTheirEntriesWouldBeLost) {
  const std::string tables =
      join({"0", "SECTION",    "2",  "TABLES",   "0", "TABLE",  "2", "LTYPE",  "0",  "LTYPE",
            "2", "CONTINUOUS", "73", "0",        "0", "LTYPE",  "2", "TIRETS", "73", "0",
            "0", "ENDTAB",     "0",  "TABLE",    "2", "STYLE",  "0", "STYLE",  "2",  "Standard",
            "0", "STYLE",      "2",  "ISO",      "0", "ENDTAB", "0", "TABLE",  "2",  "UCS",
            "0", "UCS",        "2",  "Chantier", "0", "ENDTAB", "0", "ENDSEC"});
  // TIRETS is used by a line and ISO by a text: the writer makes both again (without pattern).
  const std::string used =
      join({"0",  "SECTION", "2", "ENTITIES", "0", "LINE", "6",  "TIRETS", "10",
            "0",  "20",      "0", "30",       "0", "11",   "1",  "21",     "1",
            "31", "1",       "0", "TEXT",     "7", "ISO",  "10", "0",      "20",
            "0",  "30",      "0", "40",       "1", "1",    "t",  "0",      "ENDSEC"});
  std::string error;
  std::vector<std::string> notes;
  ASSERT_TRUE(dxf::readFromMemory(tables + used, error, &notes)) << error;
  EXPECT_EQ(notes, (std::vector<std::string>{"note: table UCS ignorée"}));

  // Unused, or with a dash pattern: lost.
  std::string patterned = tables;
  patterned.replace(patterned.find("TIRETS\n73\n0"), 11, "TIRETS\n73\n2");
  notes.clear();
  ASSERT_TRUE(dxf::readFromMemory(patterned + used, error, &notes)) << error;
  EXPECT_NE(std::find(notes.begin(), notes.end(), "note: table LTYPE ignorée"), notes.end());
  notes.clear();
  ASSERT_TRUE(dxf::readFromMemory(tables, error, &notes)) << error;
  EXPECT_NE(std::find(notes.begin(), notes.end(), "note: table STYLE ignorée"), notes.end());
}

TEST(DxfNotes, ADrawingThisHostSavedReadsWithoutNotes) {
  auto d = sampleDrawing();
  std::string error;
  std::vector<std::string> notes;
  ASSERT_TRUE(dxf::readFromMemory(dxf::writeToString(*d), error, &notes)) << error;
  EXPECT_TRUE(notes.empty()) << notes.front();
}

}  // namespace
