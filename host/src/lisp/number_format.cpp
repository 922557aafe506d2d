#include "lisp/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace lisp {

namespace {

constexpr double kPi = 3.14159265358979323846;

int clampPrecision(int p) { return std::clamp(p, 0, 15); }

std::string fixed(double v, int precision) {
  char buf[512];
  auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, precision);
  if (r.ec != std::errc()) return "0";
  std::string s(buf, r.ptr);
  // No "-0.00": a value that rounds to zero has no sign.
  if (s[0] == '-' && s.find_first_of("123456789") == std::string::npos) s.erase(0, 1);
  return s;
}

std::string applyZeroRules(std::string s, int dimzin) {
  if ((dimzin & 8) && s.find('.') != std::string::npos) {
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  if (dimzin & 4) {
    const size_t digit = s[0] == '-' ? 1 : 0;
    if (s.size() > digit + 1 && s[digit] == '0' && s[digit + 1] == '.') s.erase(digit, 1);
  }
  return s;
}

std::string scientific(double v, int precision) {
  char buf[512];
  auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, precision);
  if (r.ec != std::errc()) return "0";
  std::string s(buf, r.ptr);
  for (char& c : s)
    if (c == 'e') c = 'E';
  return s;
}

// "3 1/2" with a denominator of 2^precision, reduced.
std::string fraction(double v, int precision) {
  const long den = 1L << std::min(precision, 8);
  const double scaled = std::round(std::fabs(v) * static_cast<double>(den));
  long whole = static_cast<long>(scaled) / den;
  long num = static_cast<long>(scaled) % den;
  long d = den;
  while (num != 0 && num % 2 == 0) {
    num /= 2;
    d /= 2;
  }
  std::string s = v < 0 && scaled != 0 ? "-" : "";
  if (num == 0) return s + std::to_string(whole);
  if (whole != 0) s += std::to_string(whole) + " ";
  return s + std::to_string(num) + "/" + std::to_string(d);
}

std::string feetInches(double v, int precision, bool fractional) {
  const bool negative = v < 0;
  double inches = std::fabs(v);
  double feet = std::floor(inches / 12.0);
  inches -= feet * 12.0;
  std::string in;
  if (fractional) {
    in = fraction(inches, precision);
    if (in == "12") {  // rounding carried a full foot
      feet += 1;
      in = "0";
    }
  } else {
    const double scale = std::pow(10.0, precision);
    if (std::round(inches * scale) / scale >= 12.0) {
      feet += 1;
      inches = 0;
    }
    in = fixed(inches, precision);
  }
  std::string s = negative ? "-" : "";
  if (feet != 0) s += fixed(feet, 0) + "'-";
  return s + in + "\"";
}

}  // namespace

std::string formatDistance(double value, int mode, int precision, int dimzin) {
  precision = clampPrecision(precision);
  if (!std::isfinite(value)) return value != value ? "1.#QNAN" : (value < 0 ? "-1.#INF" : "1.#INF");
  switch (mode) {
    case 1: return scientific(value, precision);
    case 3: return feetInches(value, precision, false);
    case 4: return feetInches(value, precision, true);
    case 5: return fraction(value, precision);
    default: return applyZeroRules(fixed(value, precision), dimzin);
  }
}

std::string formatAngle(double radians, int mode, int precision) {
  precision = clampPrecision(precision);
  if (!std::isfinite(radians)) return "1.#QNAN";
  double a = std::fmod(radians, 2 * kPi);
  if (a < 0) a += 2 * kPi;
  switch (mode) {
    case 1: {
      double deg = a * 180.0 / kPi;
      // Round at the last unit shown first, so that 59.9999' never shows as 60'.
      const int secondsDecimals = precision > 4 ? precision - 4 : 0;
      const double unit =
          precision <= 0
              ? 1.0
              : (precision <= 2 ? 1.0 / 60 : 1.0 / 3600 / std::pow(10.0, secondsDecimals));
      deg = std::round(deg / unit) * unit;
      if (deg >= 360.0) deg -= 360.0;
      const double d = std::floor(deg + 1e-12);
      if (precision <= 0) return fixed(d, 0) + "d";
      const double minutesAll = (deg - d) * 60.0;
      const double m = std::floor(minutesAll + 1e-9);
      if (precision <= 2) return fixed(d, 0) + "d" + fixed(std::round(minutesAll), 0) + "'";
      const double s = std::max(0.0, (minutesAll - m) * 60.0);
      return fixed(d, 0) + "d" + fixed(m, 0) + "'" + fixed(s, secondsDecimals) + "\"";
    }
    case 2: return fixed(a * 200.0 / kPi, precision) + "g";
    case 3: return fixed(a, precision) + "r";
    default: return fixed(a * 180.0 / kPi, precision);
  }
}

}  // namespace lisp
