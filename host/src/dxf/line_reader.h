// Lines of a DXF file, read in large blocks with no allocation per line.
#pragma once
#include <cstddef>
#include <cstdio>
#include <string_view>
#include <vector>

namespace dxf {

class LineReader {
 public:
  // DXF values are short: a longer line is a broken file (or no file at all,
  // like /dev/zero), refused before it can take all the memory.
  static constexpr size_t kMaxLine = size_t{4} << 20;

  explicit LineReader(std::string_view data);  // all in memory
  explicit LineReader(std::FILE* file);        // read block by block; not closed here

  // The next line without its end ("\n" or "\r\n"); false at the end of the
  // input, on a read error or on a line longer than kMaxLine. The view lasts
  // until the next call.
  bool next(std::string_view& line);
  // The first bytes still to read (up to `count`), read from the file as needed,
  // without consuming them: pipes cannot go back.
  std::string_view peek(size_t count);
  // Number of the line last returned, from 1.
  size_t lineNumber() const { return line_; }
  bool readError() const { return readError_; }
  bool lineTooLong() const { return tooLong_; }

 private:
  bool refill();

  std::FILE* file_ = nullptr;
  std::vector<char> buffer_;
  const char* pos_ = nullptr;
  const char* end_ = nullptr;
  bool eof_ = false;
  bool readError_ = false;
  bool tooLong_ = false;
  size_t line_ = 0;
};

}  // namespace dxf
