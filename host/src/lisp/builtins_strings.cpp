// Texts: strcat strlen substr strcase itoa atoi atof ascii chr wcmatch rtos
// angtos read. Texts are UTF-8 byte strings; lengths and positions count bytes.
#include <charconv>
#include <cstdint>

#include "base/wcmatch.h"
#include "lisp/args.h"
#include "lisp/builtins.h"
#include "lisp/error.h"
#include "lisp/host_call.h"
#include "lisp/number_format.h"
#include "lisp/printer.h"
#include "lisp/reader.h"
#include "lisp/subr.h"

namespace lisp {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

Value sStrcat(Args& a) {
  std::string s;
  for (size_t i = 0; i < a.size(); ++i) s += a.string(i);
  return makeString(std::move(s));
}

Value sStrlen(Args& a) {
  size_t n = 0;
  for (size_t i = 0; i < a.size(); ++i) n += a.string(i).size();
  return Value::count(n);
}

Value sSubstr(Args& a) {
  const std::string& s = a.string(0);
  const int32_t start = a.integer(1);
  if (start < 1) raiseValue("positif", a[1]);
  int64_t length = INT64_MAX;
  if (a.given(2)) {
    length = a.integer(2);
    if (length < 0) raiseValue("positif", a[2]);
  }
  const size_t from = static_cast<size_t>(start) - 1;
  if (from >= s.size()) return makeString("");
  return makeString(s.substr(from, static_cast<size_t>(std::min<int64_t>(length, s.size()))));
}

// ASCII letters, and the accented Latin letters of UTF-8 (two bytes from C3 xx).
std::string changeCase(const std::string& s, bool upper) {
  std::string out = s;
  for (size_t i = 0; i < out.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(out[i]);
    if (upper && c >= 'a' && c <= 'z')
      out[i] = static_cast<char>(c - 32);
    else if (!upper && c >= 'A' && c <= 'Z')
      out[i] = static_cast<char>(c + 32);
    else if (c == 0xC3 && i + 1 < out.size()) {
      unsigned char d = static_cast<unsigned char>(out[i + 1]);
      if (upper && d >= 0xA0 && d <= 0xBE && d != 0xB7)
        out[i + 1] = static_cast<char>(d - 0x20);
      else if (!upper && d >= 0x80 && d <= 0x9E && d != 0x97)
        out[i + 1] = static_cast<char>(d + 0x20);
      ++i;
    }
  }
  return out;
}

Value sStrcase(Args& a) { return makeString(changeCase(a.string(0), !a.given(1))); }

Value sItoa(Args& a) { return makeString(formatInt(a.integer(0))); }

Value sAtoi(Args& a) {
  const std::string& s = a.string(0);
  size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  int64_t n = 0;
  for (; i < s.size() && isDigit(s[i]); ++i) {
    n = n * 10 + (s[i] - '0');
    if (n > INT32_MAX) n = int64_t(INT32_MAX) + 1;  // clamped below
  }
  if (negative) n = -n;
  if (n > INT32_MAX) n = INT32_MAX;
  if (n < INT32_MIN) n = INT32_MIN;
  return Value::integer(static_cast<int32_t>(n));
}

// The number at the start of a text ("12.5abc" -> 12.5), 0 when there is none.
double leadingReal(const std::string& s) {
  size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  const size_t start = i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && isDigit(s[j])) {
      while (j < s.size() && isDigit(s[j])) ++j;
      i = j;
    }
  }
  const char* first = s.data() + start + (s[start] == '+' ? 1 : 0);
  const char* end = first;
  return decimalValue(first, s.data() + i, end);
}

Value sAtof(Args& a) { return Value::real(leadingReal(a.string(0))); }

Value sAscii(Args& a) {
  const std::string& s = a.string(0);
  return Value::integer(s.empty() ? 0 : static_cast<unsigned char>(s[0]));
}

Value sChr(Args& a) {
  const int32_t c = a.integer(0) & 0xFF;
  return makeString(c == 0 ? std::string() : std::string(1, static_cast<char>(c)));
}

Value sWcmatch(Args& a) { return a.truth(host::wcmatch(a.string(0), a.string(1))); }

Value sRtos(Args& a) {
  const double v = a.number(0);
  const int mode = a.given(1) ? a.integer(1) : getVarInt("LUNITS", 2);
  const int precision = a.given(2) ? a.integer(2) : getVarInt("LUPREC", 4);
  if (mode < 1 || mode > 5) raiseValue("mode", a[1]);
  if (precision < 0) raiseValue("précision", a[2]);
  return makeString(formatDistance(v, mode, precision, getVarInt("DIMZIN", 0)));
}

Value sAngtos(Args& a) {
  const double v = a.number(0);
  const int mode = a.given(1) ? a.integer(1) : getVarInt("AUNITS", 0);
  const int precision = a.given(2) ? a.integer(2) : getVarInt("AUPREC", 0);
  if (mode < 0 || mode > 4) raiseValue("mode", a[1]);
  if (precision < 0) raiseValue("précision", a[2]);
  return makeString(formatAngle(v, mode, precision));
}

Value sRead(Args& a) {
  if (!a.given(0)) return Value();
  Reader reader(a.env().symbols, a.string(0), 0);
  Value v;
  try {
    reader.next(v);
  } catch (LispError& e) {
    e.pos = 0;  // the text read has no place of its own: report the caller's
    throw;
  }
  return v;
}

const Subr kSubrs[] = {
    {"STRCAT", sStrcat, nullptr, 0, -1}, {"STRLEN", sStrlen, nullptr, 0, -1},
    {"SUBSTR", sSubstr, nullptr, 2, 3},  {"STRCASE", sStrcase, nullptr, 1, 2},
    {"ITOA", sItoa, nullptr, 1, 1},      {"ATOI", sAtoi, nullptr, 1, 1},
    {"ATOF", sAtof, nullptr, 1, 1},      {"ASCII", sAscii, nullptr, 1, 1},
    {"CHR", sChr, nullptr, 1, 1},        {"WCMATCH", sWcmatch, nullptr, 2, 2},
    {"RTOS", sRtos, nullptr, 1, 3},      {"ANGTOS", sAngtos, nullptr, 1, 3},
    {"READ", sRead, nullptr, 0, 1},
};

}  // namespace

void registerStringSubrs(Environment& env) { env.define(kSubrs, std::size(kSubrs)); }

}  // namespace lisp
