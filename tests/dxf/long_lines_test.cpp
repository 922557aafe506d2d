// Lines longer than the file reader's blocks, up to and past the longest line a
// drawing may hold: read whole, or refused with the line named, from a file as
// from memory.
#include "dxf/dxf.h"
#include "dxf/line_reader.h"
#include "dxf_test_support.h"

namespace {

using namespace dxftest;

constexpr size_t kMiB = size_t{1} << 20;

// A drawing with one POINT on layer "TN", a comment of `comment` bytes before it
// and `padding` blanks after its X (blanks around a number are allowed).
std::string drawing(size_t comment, size_t padding = 0, const char* eol = "\n") {
  std::string s;
  auto line = [&](std::string_view text) { (s += text) += eol; };
  line("999");
  line(std::string(comment, 'c'));
  for (const char* l : {"0", "SECTION", "2", "ENTITIES", "0", "POINT", "8", "TN", "10"}) line(l);
  line("1.5" + std::string(padding, ' '));
  for (const char* l : {"20", "2.5", "0", "ENDSEC", "0", "EOF"}) line(l);
  return s;
}

struct Read {
  bool ok;
  std::string error;
};

Read fromFileAndMemory(const TempDir& dir, const std::string& text) {
  writeFile(dir.file("long.dxf"), text);
  Read file, memory;
  auto f = dxf::read(dir.file("long.dxf"), file.error);
  auto m = dxf::readFromMemory(text, memory.error);
  file.ok = f && f->entities.size() == 1 && f->layers.at(f->entities[0].layer).name == "TN";
  memory.ok = m && m->entities.size() == 1;
  EXPECT_EQ(file.ok, memory.ok);
  EXPECT_EQ(file.error, memory.error);
  return file;
}

TEST(DxfLongLines, LinesAcrossBlocksAreReadWhole) {
  TempDir dir;
  for (size_t length :
       {kMiB - 1, kMiB, kMiB + 1, 3 * kMiB / 2, 2 * kMiB + 7, dxf::LineReader::kMaxLine}) {
    SCOPED_TRACE(length);
    const Read r = fromFileAndMemory(dir, drawing(length));
    EXPECT_TRUE(r.ok) << r.error;
  }
  // The longest line with "\r\n" ends, and a long value among short lines.
  EXPECT_TRUE(fromFileAndMemory(dir, drawing(dxf::LineReader::kMaxLine, 0, "\r\n")).ok);
  EXPECT_TRUE(fromFileAndMemory(dir, drawing(10, 3 * kMiB)).ok);
}

TEST(DxfLongLines, ALineTooLongIsRefusedWithItsNumber) {
  TempDir dir;
  const std::string message = "ligne trop longue (plus de 4 Mio)";
  EXPECT_EQ(fromFileAndMemory(dir, drawing(dxf::LineReader::kMaxLine + 1)).error,
            "ligne 2: " + message);
  EXPECT_EQ(fromFileAndMemory(dir, drawing(10, 5 * kMiB)).error, "ligne 12: " + message);
  // A file that is one endless line.
  EXPECT_EQ(fromFileAndMemory(dir, std::string(9 * kMiB, '0')).error, "ligne 1: " + message);
}

}  // namespace
