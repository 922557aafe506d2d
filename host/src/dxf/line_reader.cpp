#include "dxf/line_reader.h"

#include <algorithm>
#include <cstring>

namespace dxf {

namespace {

constexpr size_t kBlock = 1 << 20;
// Room for the longest line with its "\r\n".
constexpr size_t kMaxBuffer = LineReader::kMaxLine + 2;

}  // namespace

LineReader::LineReader(std::string_view data)
    : pos_(data.data()), end_(data.data() + data.size()), eof_(true) {}

LineReader::LineReader(std::FILE* file) : file_(file), buffer_(kBlock) {
  pos_ = end_ = buffer_.data();
}

bool LineReader::refill() {
  if (eof_) return false;
  // Keeps the unfinished line at the start, grows the buffer when that line fills it.
  const size_t kept = static_cast<size_t>(end_ - pos_);
  std::memmove(buffer_.data(), pos_, kept);
  if (kept == buffer_.size()) {
    if (buffer_.size() >= kMaxBuffer) return false;
    buffer_.resize(std::min(buffer_.size() * 2, kMaxBuffer));
  }
  const size_t n = std::fread(buffer_.data() + kept, 1, buffer_.size() - kept, file_);
  if (n == 0) {
    eof_ = true;
    readError_ = std::ferror(file_) != 0;
  }
  pos_ = buffer_.data();
  end_ = pos_ + kept + n;
  return n > 0;
}

std::string_view LineReader::peek(size_t count) {
  while (static_cast<size_t>(end_ - pos_) < count && refill()) {
  }
  return std::string_view(pos_, std::min(count, static_cast<size_t>(end_ - pos_)));
}

bool LineReader::next(std::string_view& line) {
  if (tooLong_) return false;
  const char* nl = nullptr;
  for (;;) {
    if (pos_ != end_ &&
        (nl = static_cast<const char*>(std::memchr(pos_, '\n', static_cast<size_t>(end_ - pos_)))))
      break;
    // Past the longest line and its "\r" with no end in sight.
    if (static_cast<size_t>(end_ - pos_) > kMaxLine + 1) {
      tooLong_ = true;
      return false;
    }
    if (!refill()) {
      if (pos_ == end_ || readError_) return false;
      nl = end_;  // a last line with no end
      break;
    }
  }
  const char* stop = nl;
  if (stop > pos_ && stop[-1] == '\r') --stop;
  if (static_cast<size_t>(stop - pos_) > kMaxLine) {
    tooLong_ = true;
    return false;
  }
  line = std::string_view(pos_, static_cast<size_t>(stop - pos_));
  pos_ = nl == end_ ? end_ : nl + 1;
  ++line_;
  return true;
}

}  // namespace dxf
