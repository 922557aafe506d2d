#include "dxf/group_reader.h"

#include <charconv>
#include <cmath>

namespace dxf {

std::string_view trim(std::string_view t) {
  size_t b = 0, e = t.size();
  while (b < e && (t[b] == ' ' || t[b] == '\t')) ++b;
  while (e > b && (t[e - 1] == ' ' || t[e - 1] == '\t' || t[e - 1] == '\r')) --e;
  return t.substr(b, e - b);
}

bool parseReal(std::string_view text, double& value) {
  text = trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
  return r.ec == std::errc() && r.ptr == text.data() + text.size() && std::isfinite(value);
}

bool parseInt(std::string_view text, int64_t& value) {
  text = trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
  if (r.ec == std::errc() && r.ptr == text.data() + text.size()) return true;
  // Some writers put "1.0" where an integer belongs.
  double d;
  if (parseReal(text, d) && d == std::trunc(d) && std::fabs(d) < 9.0e15) {
    value = static_cast<int64_t>(d);
    return true;
  }
  return false;
}

bool GroupReader::fail(size_t line, std::string_view what) {
  if (error_.empty()) error_ = "ligne " + std::to_string(line) + ": " + std::string(what);
  return false;
}

bool GroupReader::lineFailed(size_t line) {
  if (lines_.readError()) return !fail(line, "erreur de lecture du fichier");
  if (lines_.lineTooLong())
    return !fail(
        line, "ligne trop longue (plus de " + std::to_string(LineReader::kMaxLine >> 20) + " Mio)");
  return false;
}

bool GroupReader::next(RawGroup& g) {
  if (again_) {
    again_ = false;
    g = last_;
    return true;
  }
  for (;;) {
    std::string_view codeLine;
    if (!lines_.next(codeLine)) {
      lineFailed(lines_.lineNumber() + 1);
      return false;
    }
    const size_t line = lines_.lineNumber();
    const std::string_view t = trim(codeLine);
    int code = 0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), code);
    // Group codes are small: one that does not fit 16 bits is no group code.
    if (t.empty() || r.ec != std::errc() || r.ptr != t.data() + t.size() || code < -32768 ||
        code > 32767)
      return fail(line, "code de groupe attendu");
    std::string_view value;
    if (!lines_.next(value)) {
      if (lineFailed(line + 1)) return false;
      return fail(line + 1, "valeur du code " + std::to_string(code) + " attendue, fin du fichier");
    }
    if (code == 999) continue;  // a comment
    last_ = RawGroup{code, value, line};
    g = last_;
    return true;
  }
}

bool GroupReader::real(const RawGroup& g, double& v) {
  if (parseReal(g.value, v)) return true;
  return failValue(g, "nombre attendu (code " + std::to_string(g.code) + ")");
}

bool GroupReader::integer(const RawGroup& g, int64_t& v) {
  if (parseInt(g.value, v)) return true;
  return failValue(g, "nombre entier attendu (code " + std::to_string(g.code) + ")");
}

bool GroupReader::handle(const RawGroup& g, uint64_t& v) {
  const std::string_view t = trim(g.value);
  const auto r = std::from_chars(t.data(), t.data() + t.size(), v, 16);
  if (!t.empty() && r.ec == std::errc() && r.ptr == t.data() + t.size()) return true;
  return failValue(
      g, "référence (handle) hexadécimale attendue (code " + std::to_string(g.code) + ")");
}

}  // namespace dxf
