#include "plot/plot_text.h"

#include <cmath>

#include "db/database.h"

namespace plot {

namespace {

constexpr double kPi = 3.14159265358979323846;
// An average glyph's advance against the capital height, for extents only.
constexpr double kGlyphWidth = 0.6;
// How far letters reach below the baseline, against the capital height.
constexpr double kDescent = 0.3;

// Length of the UTF-8 sequence starting at s[i], or 0 when it is not one
// (Cairo refuses a whole string for one bad byte, and its context with it).
size_t sequenceLength(const std::string& s, size_t i) {
  const auto c = static_cast<unsigned char>(s[i]);
  size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
  if (n == 0 || (n == 2 && c < 0xC2) || i + n > s.size()) return 0;
  for (size_t k = 1; k < n; ++k)
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
  return n;
}

// Control characters dropped, bytes that are not UTF-8 shown as '?'.
std::string cleanUtf8(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size();) {
    const size_t n = sequenceLength(s, i);
    if (n == 0) {
      out += '?';
      ++i;
    } else {
      if (n > 1 || static_cast<unsigned char>(s[i]) >= 0x20) out.append(s, i, n);
      i += n;
    }
  }
  return out;
}

size_t codePoints(const std::string& s) {
  size_t n = 0;
  for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

// The host's %% codes: degree, plus-minus, diameter; underline and overline
// toggles have no place in a plain text.
std::string decodePercentCodes(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '%' || i + 2 >= s.size() || s[i + 1] != '%') {
      out += s[i];
      continue;
    }
    const char c = static_cast<char>(s[i + 2] | 0x20);
    if (c == 'd')
      out += "°";
    else if (c == 'p')
      out += "±";
    else if (c == 'c')
      out += "⌀";
    else if (s[i + 2] == '%')
      out += '%';
    else if (c != 'u' && c != 'o' && c != 'k')
      out.append(s, i, 3);
    i += 2;
  }
  return out;
}

double realOr(const db::Database& db, const db::Entity& e, int code, double fallback) {
  const db::Group* g = db.find(e, code);
  return g && std::isfinite(g->v[0]) ? g->v[0] : fallback;
}

int64_t intOr(const db::Database& db, const db::Entity& e, int code, int64_t fallback) {
  const db::Group* g = db.find(e, code);
  return g ? g->asInt() : fallback;
}

void readTextFields(const db::Database& db, const db::Entity& e, TextItem& t) {
  const db::Group* content = db.find(e, 1);
  t.text = decodePercentCodes(content ? db.text(*content) : std::string());
  t.rotation = realOr(db, e, 50, 0) * kPi / 180;
  const double factor = realOr(db, e, 41, 1);
  t.widthFactor = factor > 0 && factor < 100 ? factor : 1;
  const int64_t h = intOr(db, e, 72, 0), v = intOr(db, e, 73, 0);
  // Aligned (3) and fitted (5) texts start at their first point like left ones.
  if (h == 1 || h == 4) t.h = TextItem::HAlign::Center;
  if (h == 2) t.h = TextItem::HAlign::Right;
  if (v == 1) t.v = TextItem::VAlign::Bottom;
  if (v == 2 || h == 4) t.v = TextItem::VAlign::Middle;
  if (v == 3) t.v = TextItem::VAlign::Top;
  // The second point places an aligned text; a left text on its baseline has
  // only the first.
  const db::Group* second = db.find(e, 11);
  const db::Group* anchor =
      (h == 1 || h == 2 || h == 4 || v != 0) && second ? second : db.find(e, 10);
  if (anchor) t.x = anchor->v[0], t.y = anchor->v[1];
}

}  // namespace

void TextItem::baselineStart(double width, double& u, double& v) const {
  switch (this->v) {
    case VAlign::Baseline: v = 0; break;
    case VAlign::Bottom: v = kDescent * height; break;
    case VAlign::Middle: v = -height / 2; break;
    case VAlign::Top: v = -height; break;
  }
  u = h == HAlign::Left ? 0 : h == HAlign::Center ? -width / 2 : -width;
}

bool readText(const db::Database& db, const db::Entity& e, TextItem& out) {
  out = TextItem();
  if (e.type != db::EntityType::Text) return false;
  readTextFields(db, e, out);
  out.height = realOr(db, e, 40, 0);
  out.text = cleanUtf8(out.text);
  return !out.text.empty() && out.height > 0 && usableCoordinate(out.height) &&
         usableCoordinate(out.x) && usableCoordinate(out.y) && std::isfinite(out.rotation);
}

void addTextExtents(const TextItem& t, Box& box) {
  const double c = std::cos(t.rotation), s = std::sin(t.rotation);
  const double width =
      kGlyphWidth * t.height * t.widthFactor * static_cast<double>(codePoints(t.text));
  double u, v;
  t.baselineStart(width, u, v);
  for (const double du : {0.0, width})
    for (const double dv : {-kDescent * t.height, t.height})
      box.add(t.x + (u + du) * c - (v + dv) * s, t.y + (u + du) * s + (v + dv) * c);
}

}  // namespace plot
