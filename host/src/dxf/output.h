// Buffered DXF output: group codes and values formatted without printf.
#pragma once
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace dxf {

class Output {
 public:
  Output() = default;                                          // into a string
  explicit Output(std::ostream& stream) : stream_(&stream) {}  // flushed to it as it grows

  void text(int code, std::string_view value);  // coded for the file (code page, escapes)
  void raw(int code, std::string_view value);   // as it is
  void real(int code, double value);            // shortest form that reads back the same
  void integer(int code, int64_t value);
  void handle(int code, uint64_t value);  // upper-case hexadecimal

  // Writes what is buffered to the stream; false once a write failed.
  bool flush();
  std::string take() { return std::move(buffer_); }

 private:
  void code(int code);
  void maybeFlush() {
    if (stream_ && buffer_.size() >= (1u << 20)) flush();
  }

  std::ostream* stream_ = nullptr;
  bool failed_ = false;
  std::string buffer_;
};

}  // namespace dxf
