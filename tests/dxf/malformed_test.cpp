// Malformed files: one message naming the line, and no drawing at all.
#include "dxf/dxf.h"
#include "dxf_test_support.h"

namespace {

using namespace dxftest;

// Lines of a file, one per element, joined with "\n".
std::string lines(std::initializer_list<const char*> l) {
  std::string s;
  for (const char* x : l) s += std::string(x) + "\n";
  return s;
}

struct Malformed {
  const char* what;
  std::string file;
  const char* message;
};

TEST(DxfMalformed, EachFaultIsNamedWithItsLine) {
  const Malformed cases[] = {
      {"code that is not a number", lines({"0", "SECTION", "2", "ENTITIES", "x0", "LINE"}),
       "ligne 5: code de groupe attendu"},
      {"code with no value", lines({"0", "SECTION", "2"}),
       "ligne 4: valeur du code 2 attendue, fin du fichier"},
      {"something else than a section", lines({"0", "LINE", "0", "EOF"}),
       "ligne 2: SECTION ou EOF attendu"},
      {"section without a name", lines({"0", "SECTION", "8", "ENTITIES"}),
       "ligne 3: nom de section attendu (code 2)"},
      {"header value before any variable", lines({"0", "SECTION", "2", "HEADER", "1", "AC1015"}),
       "ligne 5: nom de variable (code 9) attendu"},
      {"header number that is not one",
       lines({"0", "SECTION", "2", "HEADER", "9", "$EXTMIN", "10", "abc", "0", "ENDSEC"}),
       "ligne 8: nombre attendu (code 10)"},
      {"header cut short", lines({"0", "SECTION", "2", "HEADER", "9", "$LUPREC", "70", "4"}),
       "ligne 9: ENDSEC attendu pour la section HEADER"},
      {"table without ENDTAB",
       lines({"0", "SECTION", "2", "TABLES", "0", "TABLE", "2", "LAYER", "0", "LAYER", "2", "A",
              "0", "ENDSEC"}),
       "ligne 14: ENDTAB attendu pour la table LAYER"},
      {"layer colour that is not an integer",
       lines({"0", "SECTION", "2", "TABLES", "0", "TABLE", "2", "LAYER", "0", "LAYER", "2", "A",
              "62", "rouge", "0", "ENDTAB", "0", "ENDSEC"}),
       "ligne 14: nombre entier attendu (code 62)"},
      {"entity group before any entity", lines({"0", "SECTION", "2", "ENTITIES", "8", "A"}),
       "ligne 5: code 0 attendu (début d'entité)"},
      {"coordinate that is not a number",
       lines({"0", "SECTION", "2", "ENTITIES", "0", "POINT", "10", "1,5", "20", "2"}),
       "ligne 8: nombre attendu (code 10)"},
      {"infinite coordinate",
       lines({"0", "SECTION", "2", "ENTITIES", "0", "POINT", "10", "1", "20", "inf"}),
       "ligne 10: nombre attendu (code 20)"},
      {"flags that are not an integer",
       lines({"0", "SECTION", "2", "ENTITIES", "0", "POLYLINE", "70", "8.5"}),
       "ligne 8: nombre entier attendu (code 70)"},
      {"handle that is not hexadecimal",
       lines({"0", "SECTION", "2", "ENTITIES", "0", "LINE", "5", "G1"}),
       "ligne 8: référence (handle) hexadécimale attendue (code 5)"},
      {"vertex without polyline",
       lines({"0", "SECTION", "2", "ENTITIES", "0", "VERTEX", "10", "1"}),
       "ligne 6: VERTEX hors d'une POLYLINE"},
      {"polyline without SEQEND",
       lines({"0", "SECTION", "2", "ENTITIES", "0", "POLYLINE", "0", "VERTEX", "0", "LINE", "0",
              "ENDSEC"}),
       "ligne 10: SEQEND attendu avant LINE"},
      {"polyline ending the section",
       lines({"0", "SECTION", "2", "ENTITIES", "0", "POLYLINE", "0", "VERTEX", "0", "ENDSEC"}),
       "ligne 10: SEQEND attendu"},
      {"attribute without insert",
       lines({"0", "SECTION", "2", "ENTITIES", "0", "INSERT", "2", "B", "0", "ATTRIB"}),
       "ligne 10: ATTRIB hors d'un INSERT à attributs"},
      {"lone SEQEND", lines({"0", "SECTION", "2", "ENTITIES", "0", "SEQEND", "0", "ENDSEC"}),
       "ligne 6: SEQEND sans POLYLINE ni INSERT"},
      {"entities cut short",
       lines({"0", "SECTION", "2", "ENTITIES", "0", "POINT", "10", "1", "20", "2", "30", "3"}),
       "ligne 13: ENDSEC attendu pour la section ENTITIES"},
      {"skipped section cut short", lines({"0", "SECTION", "2", "BLOCKS", "0", "BLOCK", "2", "B"}),
       "ligne 9: ENDSEC attendu pour la section BLOCKS"},
      {"new section inside one",
       lines({"0", "SECTION", "2", "OBJECTS", "0", "SECTION", "2", "ENTITIES"}),
       "ligne 6: ENDSEC attendu pour la section OBJECTS"},
      {"empty file", "", "ligne 1: fichier vide, SECTION attendu"},
      {"binary file", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22),
       "ligne 1: DXF binaire non pris en charge (DXF ASCII attendu)"},
  };
  for (const Malformed& c : cases) {
    SCOPED_TRACE(c.what);
    std::string error;
    std::vector<std::string> notes;
    auto d = dxf::readFromMemory(c.file, error, &notes);
    EXPECT_FALSE(d);
    EXPECT_EQ(error, c.message);
    EXPECT_TRUE(notes.empty());
  }
}

// A fault at the very end of a large file gives no drawing, not most of one.
TEST(DxfMalformed, NothingIsHalfLoaded) {
  auto d = sampleDrawing();
  std::string file = dxf::writeToString(*d);
  const size_t end = file.rfind("  0\nENDSEC\n  0\nSECTION\n  2\nOBJECTS");
  ASSERT_NE(end, std::string::npos);
  file.insert(end, "  0\nPOINT\n 10\nnot a number\n");
  std::string error;
  std::vector<std::string> notes;
  auto none = dxf::readFromMemory(file, error, &notes);
  EXPECT_FALSE(none);
  EXPECT_NE(error.find("nombre attendu (code 10)"), std::string::npos) << error;
  const size_t line = 1 + std::count(file.begin(), file.begin() + static_cast<long>(end), '\n') + 3;
  EXPECT_EQ(error.rfind("ligne " + std::to_string(line) + ":", 0), 0u) << error;
}

TEST(DxfMalformed, FilesThatCannotBeOpened) {
  TempDir dir;
  std::string error;
  EXPECT_FALSE(dxf::read(dir.file("absent.dxf"), error));
  EXPECT_NE(error.find("impossible d'ouvrir"), std::string::npos) << error;
  EXPECT_FALSE(dxf::read(dir.file(""), error));
  EXPECT_NE(error.find("répertoire"), std::string::npos) << error;
  writeFile(dir.file("bin.dxf"), std::string("AutoCAD Binary DXF\r\n\x1a\0", 22));
  EXPECT_FALSE(dxf::read(dir.file("bin.dxf"), error));
  EXPECT_NE(error.find("binaire"), std::string::npos);
}

TEST(DxfMalformed, ACompleteFileNeedsNoEofMarker) {
  std::string error;
  auto d = dxf::readFromMemory(lines({"0", "SECTION", "2", "ENTITIES", "0", "POINT", "10", "1",
                                      "20", "2", "30", "3", "0", "ENDSEC"}),
                               error);
  ASSERT_TRUE(d) << error;
  EXPECT_EQ(d->entities.size(), 1u);
}

}  // namespace
