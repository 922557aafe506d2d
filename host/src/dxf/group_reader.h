// DXF groups (a code line and a value line) with their line numbers, and the
// messages that name the line where a file goes wrong.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "dxf/line_reader.h"

namespace dxf {

struct RawGroup {
  int code = 0;
  std::string_view value;  // valid until the next call to next()
  size_t line = 0;         // line of the code; the value is on the next one
};

// Numbers as DXF writes them, surrounding blanks allowed (C locale, no allocation).
bool parseReal(std::string_view text, double& value);
bool parseInt(std::string_view text, int64_t& value);
std::string_view trim(std::string_view text);

class GroupReader {
 public:
  explicit GroupReader(LineReader& lines) : lines_(lines) {}

  // The next group, comments (999) skipped. false at the end of the input
  // (error() empty) or on a malformed pair (error() set).
  bool next(RawGroup& g);
  // Gives the group last returned again on the next call.
  void unread() { again_ = true; }

  // Records "ligne N: <what>" and returns false.
  bool fail(size_t line, std::string_view what);
  bool failValue(const RawGroup& g, std::string_view what) { return fail(g.line + 1, what); }
  const std::string& error() const { return error_; }
  // Line of the last code read (for messages about what is missing there).
  size_t line() const { return last_.line; }
  // Number of the line after the last one read: where a missing group was due.
  size_t nextLine() const { return lines_.lineNumber() + 1; }

  // Values of the group last returned, failing with a message on bad numbers.
  bool real(const RawGroup& g, double& v);
  bool integer(const RawGroup& g, int64_t& v);
  bool handle(const RawGroup& g, uint64_t& v);

 private:
  // Records why the line `line` could not be read, if it could not: true then.
  bool lineFailed(size_t line);

  LineReader& lines_;
  RawGroup last_;
  bool again_ = false;
  std::string error_;
};

}  // namespace dxf
