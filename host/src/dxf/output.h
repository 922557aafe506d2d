// Buffered DXF output: group codes and values formatted without printf.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace dxf {

class Output {
 public:
  Output() = default;                            // into a string
  explicit Output(std::FILE* file) : file_(file) {}  // flushed to the file as it grows

  void text(int code, std::string_view value);  // coded for the file (code page, escapes)
  void raw(int code, std::string_view value);   // as it is
  void real(int code, double value);            // shortest form that reads back the same
  void integer(int code, int64_t value);
  void handle(int code, uint64_t value);        // upper-case hexadecimal

  // Writes what is buffered to the file; false once a write failed.
  bool flush();
  std::string take() { return std::move(buffer_); }

 private:
  void code(int code);
  void maybeFlush() {
    if (file_ && buffer_.size() >= (1u << 20)) flush();
  }

  std::FILE* file_ = nullptr;
  bool failed_ = false;
  std::string buffer_;
};

}  // namespace dxf
