#include "base/wcmatch.h"

namespace host {

namespace {

char32_t fold(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
  // Latin-1 accented letters, so that "é" and "É" meet in layer names.
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
  return c;
}

char32_t unfold(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c - 'A' + 'a';
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
  return c;
}

bool isDigit(char32_t c) { return c >= '0' && c <= '9'; }

bool isAlpha(char32_t c) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
  return c >= 0xC0 && c != 0xD7 && c != 0xF7;  // letters beyond ASCII, roughly
}

}  // namespace

std::u32string decodeUtf8(std::string_view s) {
  std::u32string out;
  out.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    const int extra = b >= 0xF8 ? 0 : b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    char32_t cp = extra == 3 ? b & 0x07 : extra == 2 ? b & 0x0F : b & 0x1F;
    bool ok = extra > 0;
    for (int k = 1; ok && k <= extra; ++k) {
      if (i + k >= s.size()) {
        ok = false;
        break;
      }
      const unsigned char nb = static_cast<unsigned char>(s[i + k]);
      if ((nb & 0xC0) != 0x80) ok = false;
      cp = (cp << 6) | (nb & 0x3F);
    }
    if (ok) {
      out.push_back(cp);
      i += extra + 1;
    } else {
      out.push_back(b);
      ++i;
    }
  }
  return out;
}

bool WcPattern::Element::accepts(char32_t ch, bool ignoreCase) const {
  switch (kind) {
    case Literal: return ignoreCase ? fold(ch) == fold(c) : ch == c;
    case AnyOne: return true;
    case Digit: return isDigit(ch);
    case Alpha: return isAlpha(ch);
    case NonAlnum: return !isDigit(ch) && !isAlpha(ch);
    case Star: return true;
    case Class: {
      auto inRanges = [this](char32_t x) {
        for (const auto& [lo, hi] : ranges)
          if (x >= lo && x <= hi) return true;
        return false;
      };
      const bool in = inRanges(ch) || (ignoreCase && (inRanges(fold(ch)) || inRanges(unfold(ch))));
      return in != negated;
    }
  }
  return false;
}

WcPattern::WcPattern(std::string_view pattern, bool ignoreCase) : ignoreCase_(ignoreCase) {
  const std::u32string p = decodeUtf8(pattern);
  Alternative alt;
  bool atStart = true;
  size_t i = 0;
  while (i <= p.size()) {
    if (i == p.size() || p[i] == ',') {
      alternatives_.push_back(std::move(alt));
      alt = Alternative();
      atStart = true;
      ++i;
      continue;
    }
    const char32_t c = p[i];
    Element e;
    if (atStart && c == '~') {
      alt.negated = true;
      atStart = false;
      ++i;
      continue;
    }
    atStart = false;
    switch (c) {
      case '`':
        e.kind = Element::Literal;
        e.c = i + 1 < p.size() ? p[++i] : c;  // a trailing backquote stands for itself
        break;
      case '*': e.kind = Element::Star; break;
      case '?': e.kind = Element::AnyOne; break;
      case '#': e.kind = Element::Digit; break;
      case '@': e.kind = Element::Alpha; break;
      case '.': e.kind = Element::NonAlnum; break;
      case '[': {
        // A class; without its "]" the bracket is an ordinary character.
        size_t j = i + 1;
        Element cls;
        cls.kind = Element::Class;
        if (j < p.size() && p[j] == '~') {
          cls.negated = true;
          ++j;
        }
        bool first = true;
        bool closed = false;
        while (j < p.size()) {
          char32_t lo = p[j];
          if (lo == ']' && !first) {
            closed = true;
            break;
          }
          if (lo == '`' && j + 1 < p.size()) lo = p[++j];
          char32_t hi = lo;
          if (j + 2 < p.size() && p[j + 1] == '-' && p[j + 2] != ']') {
            hi = p[j + 2];
            if (hi == '`' && j + 3 < p.size()) {
              hi = p[j + 3];
              ++j;
            }
            j += 2;
          }
          cls.ranges.emplace_back(lo, hi);
          first = false;
          ++j;
        }
        if (closed) {
          e = std::move(cls);
          i = j;
        } else {
          e.kind = Element::Literal;
          e.c = c;
        }
        break;
      }
      default: e.kind = Element::Literal; e.c = c;
    }
    alt.elements.push_back(std::move(e));
    ++i;
  }
}

// Greedy match with one backtrack point per star: every other element takes
// exactly one character, so the last star is the only one worth revisiting.
bool WcPattern::matchAlternative(const Alternative& alt, const std::u32string& t) const {
  const auto& el = alt.elements;
  size_t pi = 0, ti = 0;
  size_t starP = std::string::npos, starT = 0;
  while (ti < t.size()) {
    if (pi < el.size() && el[pi].kind == Element::Star) {
      starP = pi++;
      starT = ti;
    } else if (pi < el.size() && el[pi].accepts(t[ti], ignoreCase_)) {
      ++pi;
      ++ti;
    } else if (starP != std::string::npos) {
      pi = starP + 1;
      ti = ++starT;
    } else {
      return false;
    }
  }
  while (pi < el.size() && el[pi].kind == Element::Star) ++pi;
  return pi == el.size();
}

bool WcPattern::matches(std::string_view text) const {
  const std::u32string t = decodeUtf8(text);
  for (const auto& alt : alternatives_) {
    if (matchAlternative(alt, t) != alt.negated) return true;
  }
  return false;
}

bool wcmatch(std::string_view text, std::string_view pattern, bool ignoreCase) {
  return WcPattern(pattern, ignoreCase).matches(text);
}

}  // namespace host
