// Texts to distances and angles, and units: distof angtof cvunit. Numbers are
// read in the C locale; nil for a text that is not one.
#include <cmath>
#include <optional>
#include <string_view>

#include "lisp/args.h"
#include "lisp/builtins.h"
#include "lisp/error.h"
#include "lisp/host_call.h"
#include "lisp/reader.h"
#include "lisp/subr.h"
#include "lisp/symbols.h"

namespace lisp {

namespace {

constexpr double kPi = 3.14159265358979323846;

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// An unsigned decimal number at the front of `s`, which loses it.
std::optional<double> takeNumber(std::string_view& s) {
  if (s.empty() || s[0] == '+' || s[0] == '-') return std::nullopt;
  const char* end = s.data();
  const double v = decimalValue(s.data(), s.data() + s.size(), end);
  if (end == s.data()) return std::nullopt;
  s.remove_prefix(static_cast<size_t>(end - s.data()));
  return v;
}

// "3", "3.25", "1/4", "3 1/4", "3-1/4": a number with its fraction.
std::optional<double> fractional(std::string_view s) {
  s = trimmed(s);
  auto whole = takeNumber(s);
  if (!whole) return std::nullopt;
  if (s.empty()) return whole;
  if (s[0] == '/') {
    s.remove_prefix(1);
    auto den = takeNumber(s);
    if (!den || *den == 0 || !trimmed(s).empty()) return std::nullopt;
    return *whole / *den;
  }
  if (s[0] != ' ' && s[0] != '-') return std::nullopt;
  s.remove_prefix(1);
  auto num = takeNumber(s);
  if (!num || s.empty() || s[0] != '/') return std::nullopt;
  s.remove_prefix(1);
  auto den = takeNumber(s);
  if (!den || *den == 0 || !trimmed(s).empty()) return std::nullopt;
  return *whole + *num / *den;
}

// Every format rtos writes: scientific, decimal, feet and inches (engineering,
// architectural), fractional. Feet and inches give inches.
std::optional<double> parseDistance(std::string_view text) {
  std::string_view s = trimmed(text);
  double sign = 1;
  if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
    sign = s[0] == '-' ? -1 : 1;
    s.remove_prefix(1);
  }
  std::string_view plain = s;
  if (auto v = takeNumber(plain); v && trimmed(plain).empty()) return sign * *v;
  double feet = 0;
  if (const size_t q = s.find('\''); q != std::string_view::npos) {
    std::string_view f = s.substr(0, q);
    auto v = fractional(f);
    if (!v) return std::nullopt;
    feet = *v;
    s = trimmed(s.substr(q + 1));
    if (!s.empty() && s[0] == '-') s = trimmed(s.substr(1));
    if (s.empty()) return sign * feet * 12;
  }
  if (!s.empty() && s.back() == '"') s.remove_suffix(1);
  auto inches = fractional(s);
  if (!inches) return std::nullopt;
  return sign * (feet * 12 + *inches);
}

Value sDistof(Args& a) {
  const std::string& text = a.string(0);
  const int mode = a.given(1) ? a.integer(1) : getVarInt("LUNITS", 2);
  if (mode < 1 || mode > 5) raiseValue("mode", a[1]);
  const auto v = parseDistance(text);
  return v && std::isfinite(*v) ? Value::real(*v) : Value();
}

// "45", "45d30'15\"", "45°30'": degrees, minutes and seconds, in degrees.
std::optional<double> parseDms(std::string_view s) {
  s = trimmed(s);
  double total = 0;
  bool any = false;
  while (!s.empty()) {
    auto v = takeNumber(s);
    if (!v) return std::nullopt;
    any = true;
    if (s.empty()) {
      total += *v;
      break;
    }
    if (s[0] == 'd' || s[0] == 'D') {
      total += *v;
      s.remove_prefix(1);
    } else if (s.substr(0, 2) == "\xC2\xB0") {
      total += *v;
      s.remove_prefix(2);
    } else if (s[0] == '\'') {
      total += *v / 60;
      s.remove_prefix(1);
    } else if (s[0] == '"') {
      total += *v / 3600;
      s.remove_prefix(1);
    } else {
      return std::nullopt;
    }
  }
  return any ? std::optional<double>(total) : std::nullopt;
}

// A number with an optional unit letter ("50g", "1.2r").
std::optional<double> numberWithSuffix(std::string_view s, char suffix) {
  s = trimmed(s);
  if (!s.empty() && (s.back() == suffix || s.back() == suffix - 32)) s.remove_suffix(1);
  auto v = takeNumber(s);
  if (!v || !trimmed(s).empty()) return std::nullopt;
  return v;
}

// "N 45d30' E": a bearing from north or south towards east or west.
std::optional<double> parseSurveyor(std::string_view s) {
  const std::string up = upperAscii(trimmed(s));
  if (up == "N") return 90.0;
  if (up == "S") return 270.0;
  if (up == "E") return 0.0;
  if (up == "W") return 180.0;
  if (up.size() < 3 || (up[0] != 'N' && up[0] != 'S')) return std::nullopt;
  const char toward = up.back();
  if (toward != 'E' && toward != 'W') return std::nullopt;
  auto a = parseDms(std::string_view(up).substr(1, up.size() - 2));
  if (!a || *a > 90) return std::nullopt;
  if (up[0] == 'N') return toward == 'E' ? 90 - *a : 90 + *a;
  return toward == 'E' ? 270 + *a : 270 - *a;
}

// Modes as angtos writes them: 0 degrees, 1 degrees/minutes/seconds, 2 grads,
// 3 radians, 4 surveyor's units. The result is in radians, within [0, 2pi).
Value sAngtof(Args& a) {
  const std::string& text = a.string(0);
  const int mode = a.given(1) ? a.integer(1) : getVarInt("AUNITS", 0);
  if (mode < 0 || mode > 4) raiseValue("mode", a[1]);
  std::string_view s = trimmed(text);
  double sign = 1;
  if (mode != 4 && !s.empty() && (s[0] == '-' || s[0] == '+')) {
    sign = s[0] == '-' ? -1 : 1;
    s.remove_prefix(1);
  }
  std::optional<double> radians;
  switch (mode) {
    case 0:
    case 1:
      if (auto d = parseDms(s)) radians = *d * kPi / 180;
      break;
    case 2:
      if (auto g = numberWithSuffix(s, 'g')) radians = *g * kPi / 200;
      break;
    case 3: radians = numberWithSuffix(s, 'r'); break;
    case 4:
      if (auto d = parseSurveyor(s)) radians = *d * kPi / 180;
      break;
  }
  if (!radians || !std::isfinite(*radians)) return Value();
  double r = std::fmod(sign * *radians, 2 * kPi);
  if (r < 0) r += 2 * kPi;
  return Value::real(r);
}

// ---- cvunit -------------------------------------------------------------

enum class Dimension { Length, Angle, Area, Volume, Time, Mass };

struct Unit {
  const char* name;
  Dimension dim;
  double factor;  // in meters, radians, m2, m3, seconds, kilograms
};

constexpr Unit kUnits[] = {
    {"MILLIMETER", Dimension::Length, 0.001},
    {"MM", Dimension::Length, 0.001},
    {"CENTIMETER", Dimension::Length, 0.01},
    {"CM", Dimension::Length, 0.01},
    {"DECIMETER", Dimension::Length, 0.1},
    {"DM", Dimension::Length, 0.1},
    {"METER", Dimension::Length, 1},
    {"METRE", Dimension::Length, 1},
    {"M", Dimension::Length, 1},
    {"KILOMETER", Dimension::Length, 1000},
    {"KM", Dimension::Length, 1000},
    {"INCH", Dimension::Length, 0.0254},
    {"INCHES", Dimension::Length, 0.0254},
    {"IN", Dimension::Length, 0.0254},
    {"FOOT", Dimension::Length, 0.3048},
    {"FEET", Dimension::Length, 0.3048},
    {"FT", Dimension::Length, 0.3048},
    {"YARD", Dimension::Length, 0.9144},
    {"YD", Dimension::Length, 0.9144},
    {"MILE", Dimension::Length, 1609.344},
    {"MI", Dimension::Length, 1609.344},
    {"RADIAN", Dimension::Angle, 1},
    {"RAD", Dimension::Angle, 1},
    {"DEGREE", Dimension::Angle, kPi / 180},
    {"DEG", Dimension::Angle, kPi / 180},
    {"GRAD", Dimension::Angle, kPi / 200},
    {"GON", Dimension::Angle, kPi / 200},
    {"HECTARE", Dimension::Area, 1e4},
    {"HA", Dimension::Area, 1e4},
    {"ACRE", Dimension::Area, 4046.8564224},
    {"ARE", Dimension::Area, 100},
    {"LITER", Dimension::Volume, 0.001},
    {"LITRE", Dimension::Volume, 0.001},
    {"SECOND", Dimension::Time, 1},
    {"SEC", Dimension::Time, 1},
    {"MINUTE", Dimension::Time, 60},
    {"MIN", Dimension::Time, 60},
    {"HOUR", Dimension::Time, 3600},
    {"HR", Dimension::Time, 3600},
    {"DAY", Dimension::Time, 86400},
    {"GRAM", Dimension::Mass, 0.001},
    {"G", Dimension::Mass, 0.001},
    {"KILOGRAM", Dimension::Mass, 1},
    {"KG", Dimension::Mass, 1},
    {"TONNE", Dimension::Mass, 1000},
    {"POUND", Dimension::Mass, 0.45359237},
    {"LB", Dimension::Mass, 0.45359237},
};

const Unit* findUnit(std::string_view name) {
  for (const Unit& u : kUnits)
    if (name == u.name) return &u;
  if (name.size() > 1 && name.back() == 'S') return findUnit(name.substr(0, name.size() - 1));
  return nullptr;
}

// "meter", "Meters", "sq m", "square feet", "cu m", "cubic meter".
std::optional<Unit> parseUnit(const std::string& text) {
  std::string name = upperAscii(trimmed(text));
  int power = 1;
  for (const char* prefix : {"SQUARE ", "SQ. ", "SQ "})
    if (name.rfind(prefix, 0) == 0) name = name.substr(std::string_view(prefix).size()), power = 2;
  for (const char* prefix : {"CUBIC ", "CU. ", "CU "})
    if (name.rfind(prefix, 0) == 0) name = name.substr(std::string_view(prefix).size()), power = 3;
  const Unit* u = findUnit(trimmed(name));
  if (!u) return std::nullopt;
  if (power == 1) return *u;
  if (u->dim != Dimension::Length) return std::nullopt;
  return Unit{u->name, power == 2 ? Dimension::Area : Dimension::Volume,
              std::pow(u->factor, power)};
}

// (cvunit value from to): a number or a point; nil for units unknown or of
// different kinds.
Value sCvunit(Args& a) {
  const auto from = parseUnit(a.string(1));
  const auto to = parseUnit(a.string(2));
  if (!from || !to || from->dim != to->dim) return Value();
  const double k = from->factor / to->factor;
  if (a[0].isNumber()) return Value::real(a[0].number() * k);
  double p[3];
  bool is3d = false;
  if (!readPoint(a[0], p, &is3d)) raiseType("numberp", a[0]);
  for (double& c : p) c *= k;
  return makePoint(p, is3d);
}

const Subr kSubrs[] = {
    {"DISTOF", sDistof, nullptr, 1, 2},
    {"ANGTOF", sAngtof, nullptr, 1, 2},
    {"CVUNIT", sCvunit, nullptr, 3, 3},
};

}  // namespace

void registerUnitSubrs(Environment& env) { env.define(kSubrs, std::size(kSubrs)); }

}  // namespace lisp
