#include "base/progress_bar.h"

#include <unistd.h>

#include <algorithm>

namespace host {
namespace {

constexpr int kBarWidth = 30;

void writeAll(const std::string& s) {
  size_t done = 0;
  while (done < s.size()) {
    const ssize_t n = ::write(STDERR_FILENO, s.data() + done, s.size() - done);
    if (n <= 0) return;  // a closed terminal is no reason to stop
    done += static_cast<size_t>(n);
  }
}

}  // namespace

std::string progressLine(const std::string& title, const std::string& text, int position) {
  const int pos = std::clamp(position, 0, 255);
  const int filled = (pos * kBarWidth + 127) / 255;
  const int percent = (pos * 100 + 127) / 255;
  std::string line = title;
  if (!text.empty()) line += (line.empty() ? "" : ": ") + text;
  line += " [" + std::string(filled, '#') + std::string(kBarWidth - filled, '-') + "] ";
  const std::string p = std::to_string(percent);
  line += std::string(3 - std::min<size_t>(3, p.size()), ' ') + p + "%";
  return line;
}

void drawProgressLine(const std::string& line) {
  if (::isatty(STDERR_FILENO)) writeAll("\r" + line + "\033[K");
}

void eraseProgressLine() {
  if (::isatty(STDERR_FILENO)) writeAll("\r\033[K");
}

}  // namespace host
