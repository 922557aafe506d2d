#include "dxf/output.h"

#include <charconv>
#include <cmath>

#include "dxf/text_codec.h"

namespace dxf {

void Output::code(int code) {
  // Right-aligned in three columns, as DXF files have them.
  char digits[12];
  const auto end = std::to_chars(digits, digits + sizeof digits, code).ptr;
  const size_t n = static_cast<size_t>(end - digits);
  if (n < 3) buffer_.append(3 - n, ' ');
  buffer_.append(digits, n);
  buffer_ += '\n';
}

void Output::text(int c, std::string_view value) {
  code(c);
  if (needsCoding(value)) {
    encodeText(value, buffer_);
  } else {
    buffer_.append(value);
  }
  buffer_ += '\n';
  maybeFlush();
}

void Output::raw(int c, std::string_view value) {
  code(c);
  buffer_.append(value);
  buffer_ += '\n';
  maybeFlush();
}

void Output::real(int c, double value) {
  code(c);
  // A file that a reader refuses would lose everything: no infinity, no NaN.
  if (!std::isfinite(value)) value = 0.0;
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  const std::string_view s(digits, static_cast<size_t>(end - digits));
  buffer_.append(s);
  // A real keeps its decimal point, as DXF readers expect.
  if (s.find_first_of(".e") == std::string_view::npos) buffer_.append(".0");
  buffer_ += '\n';
  maybeFlush();
}

void Output::integer(int c, int64_t value) {
  code(c);
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  buffer_.append(digits, static_cast<size_t>(end - digits));
  buffer_ += '\n';
  maybeFlush();
}

void Output::handle(int c, uint64_t value) {
  code(c);
  char digits[20];
  const auto end = std::to_chars(digits, digits + sizeof digits, value, 16).ptr;
  for (char* d = digits; d != end; ++d)
    if (*d >= 'a' && *d <= 'f') *d = static_cast<char>(*d - 'a' + 'A');
  buffer_.append(digits, static_cast<size_t>(end - digits));
  buffer_ += '\n';
  maybeFlush();
}

bool Output::flush() {
  if (!stream_ || failed_) return !failed_;
  if (!buffer_.empty())
    stream_->write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  failed_ = !stream_->good();
  buffer_.clear();
  return !failed_;
}

}  // namespace dxf
