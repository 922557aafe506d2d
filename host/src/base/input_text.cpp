#include "base/input_text.h"

#include <charconv>

namespace host {

namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

bool parseNumberText(std::string_view text, double& out) {
  text = trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  const char* end = text.data() + text.size();
  double v;
  auto r = std::from_chars(text.data(), end, v);
  if (r.ec != std::errc() || r.ptr != end) return false;
  out = v;
  return true;
}

bool parseIntegerText(std::string_view text, long long& out) {
  text = trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  const char* end = text.data() + text.size();
  long long v;
  auto r = std::from_chars(text.data(), end, v);
  if (r.ec != std::errc() || r.ptr != end) return false;
  out = v;
  return true;
}

bool parsePointText(std::string_view text, const double* base, double out[3]) {
  text = trim(text);
  bool relative = false;
  if (!text.empty() && text.front() == '@') {
    if (!base) return false;
    relative = true;
    text.remove_prefix(1);
    if (trim(text).empty()) {
      for (int i = 0; i < 3; ++i) out[i] = base[i];
      return true;
    }
  }
  double v[3] = {0, 0, 0};
  int count = 0;
  size_t start = 0;
  while (true) {
    const size_t comma = text.find(',', start);
    const std::string_view part = text.substr(
        start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
    if (count == 3 || !parseNumberText(part, v[count])) return false;
    ++count;
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  if (count < 2) return false;
  for (int i = 0; i < 3; ++i) out[i] = relative ? base[i] + v[i] : v[i];
  return true;
}

}  // namespace host
