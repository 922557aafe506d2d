#include "dxf/line_reader.h"

#include <cstring>

namespace dxf {

namespace {

constexpr size_t kBlock = 1 << 20;

}  // namespace

LineReader::LineReader(std::string_view data)
    : pos_(data.data()), end_(data.data() + data.size()), eof_(true) {}

LineReader::LineReader(std::FILE* file) : file_(file), buffer_(kBlock) {
  pos_ = end_ = buffer_.data();
}

bool LineReader::refill() {
  if (eof_) return false;
  // Keeps the unfinished line, grows the buffer when that line fills it.
  const size_t kept = static_cast<size_t>(end_ - pos_);
  if (kept == buffer_.size()) buffer_.resize(buffer_.size() * 2);
  std::memmove(buffer_.data(), pos_, kept);
  const size_t n = std::fread(buffer_.data() + kept, 1, buffer_.size() - kept, file_);
  if (n == 0) {
    eof_ = true;
    readError_ = std::ferror(file_) != 0;
  }
  pos_ = buffer_.data();
  end_ = pos_ + kept + n;
  return n > 0;
}

bool LineReader::next(std::string_view& line) {
  const char* nl = nullptr;
  for (;;) {
    if (pos_ != end_ &&
        (nl = static_cast<const char*>(std::memchr(pos_, '\n', static_cast<size_t>(end_ - pos_)))))
      break;
    if (!refill()) {
      if (pos_ == end_ || readError_) return false;
      nl = end_;  // a last line with no end
      break;
    }
  }
  const char* stop = nl;
  if (stop > pos_ && stop[-1] == '\r') --stop;
  line = std::string_view(pos_, static_cast<size_t>(stop - pos_));
  pos_ = nl == end_ ? end_ : nl + 1;
  ++line_;
  return true;
}

}  // namespace dxf
