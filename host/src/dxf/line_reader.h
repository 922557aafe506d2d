// Lines of a DXF file, read in large blocks with no allocation per line.
#pragma once
#include <cstddef>
#include <cstdio>
#include <string_view>
#include <vector>

namespace dxf {

class LineReader {
 public:
  explicit LineReader(std::string_view data);  // all in memory
  explicit LineReader(std::FILE* file);        // read block by block; not closed here

  // The next line without its end ("\n" or "\r\n"); false at the end of the
  // input or on a read error. The view lasts until the next call.
  bool next(std::string_view& line);
  // Number of the line last returned, from 1.
  size_t lineNumber() const { return line_; }
  bool readError() const { return readError_; }

 private:
  bool refill();

  std::FILE* file_ = nullptr;
  std::vector<char> buffer_;
  const char* pos_ = nullptr;
  const char* end_ = nullptr;
  bool eof_ = false;
  bool readError_ = false;
  size_t line_ = 0;
};

}  // namespace dxf
