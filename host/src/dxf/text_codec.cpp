#include "dxf/text_codec.h"

#include <cstdint>

namespace dxf {

namespace {

// Windows-1252 0x80-0x9F; 0 where the code page has no character.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0};

void appendUtf8(uint32_t cp, std::string& out) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Reads one UTF-8 sequence at s[i]; returns its length, 0 when it is not valid.
size_t readUtf8(std::string_view s, size_t i, uint32_t& cp) {
  const auto b = static_cast<unsigned char>(s[i]);
  size_t n;
  if (b < 0x80) {
    cp = b;
    return 1;
  } else if ((b & 0xE0) == 0xC0) {
    n = 2;
    cp = b & 0x1F;
  } else if ((b & 0xF0) == 0xE0) {
    n = 3;
    cp = b & 0x0F;
  } else if ((b & 0xF8) == 0xF0) {
    n = 4;
    cp = b & 0x07;
  } else {
    return 0;
  }
  if (i + n > s.size()) return 0;
  for (size_t k = 1; k < n; ++k) {
    const auto c = static_cast<unsigned char>(s[i + k]);
    if ((c & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (c & 0x3F);
  }
  static constexpr uint32_t kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kMin[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

bool validUtf8(std::string_view s) {
  uint32_t cp;
  for (size_t i = 0; i < s.size();) {
    const size_t n = readUtf8(s, i, cp);
    if (!n) return false;
    i += n;
  }
  return true;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// "\U+XXXX" at s[i]: the code unit, or -1.
int32_t unicodeEscape(std::string_view s, size_t i) {
  if (i + 7 > s.size() || s[i] != '\\' || (s[i + 1] != 'U' && s[i + 1] != 'u') || s[i + 2] != '+')
    return -1;
  int32_t v = 0;
  for (size_t k = 3; k < 7; ++k) {
    const int h = hexValue(s[i + k]);
    if (h < 0) return -1;
    v = v * 16 + h;
  }
  return v;
}

void appendEscape(uint32_t unit, std::string& out) {
  static const char kHex[] = "0123456789ABCDEF";
  out += "\\U+";
  for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(unit >> shift) & 0xF];
}

}  // namespace

bool needsCoding(std::string_view text) {
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 0x80 || c < 0x20 || c == '^' || c == '\\') return true;
  }
  return false;
}

void decodeText(std::string_view s, bool codePage, std::string& out) {
  const bool asCodePage = codePage && !validUtf8(s);
  for (size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c == '\\') {
      int32_t unit = unicodeEscape(s, i);
      if (unit >= 0) {
        i += 7;
        uint32_t cp = static_cast<uint32_t>(unit);
        const int32_t low = cp >= 0xD800 && cp < 0xDC00 ? unicodeEscape(s, i) : -1;
        if (low >= 0xDC00 && low < 0xE000) {
          cp = 0x10000 + ((cp - 0xD800) << 10) + (static_cast<uint32_t>(low) - 0xDC00);
          i += 7;
        }
        appendUtf8(cp, out);
        continue;
      }
    } else if (c == '^' && i + 1 < s.size()) {
      const char next = s[i + 1];
      if (next == ' ') {
        out += '^';
        i += 2;
        continue;
      }
      if (next >= '@' && next <= '_') {
        out += static_cast<char>(next - '@');
        i += 2;
        continue;
      }
    } else if (c >= 0x80 && asCodePage) {
      const uint32_t cp = c < 0xA0 ? kCp1252High[c - 0x80] : c;
      appendUtf8(cp ? cp : 0xFFFD, out);
      ++i;
      continue;
    }
    out += static_cast<char>(c);
    ++i;
  }
}

namespace {

void encodeInto(std::string_view s, bool escapeAll, std::string& out) {
  for (size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x20) {
      out += '^';
      out += static_cast<char>(c + '@');
      ++i;
      continue;
    }
    // A caret is written "^ " only where a reader would take it for an escape.
    if (c == '^' && i + 1 < s.size() && s[i + 1] >= ' ' && s[i + 1] <= '_' &&
        (s[i + 1] == ' ' || s[i + 1] >= '@')) {
      out += "^ ";
      ++i;
      continue;
    }
    if (c == '\\' && unicodeEscape(s, i) >= 0) {
      appendEscape('\\', out);  // a text that happens to look like an escape stays as typed
      ++i;
      continue;
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    uint32_t cp;
    const size_t n = readUtf8(s, i, cp);
    if (!n) {
      out += static_cast<char>(c);  // not UTF-8: the byte goes out as it is
      ++i;
      continue;
    }
    i += n;
    if (cp >= 0xA0 && cp <= 0xFF && !escapeAll) {
      out += static_cast<char>(cp);
      continue;
    }
    bool coded = false;
    for (int k = 0; k < 32 && !escapeAll && !coded; ++k)
      if (kCp1252High[k] == cp) {
        out += static_cast<char>(0x80 + k);
        coded = true;
      }
    if (coded) continue;
    if (cp >= 0x10000) {
      appendEscape(0xD800 + ((cp - 0x10000) >> 10), out);
      appendEscape(0xDC00 + ((cp - 0x10000) & 0x3FF), out);
    } else {
      appendEscape(cp, out);
    }
  }
}

}  // namespace

void encodeText(std::string_view s, std::string& out) {
  const size_t start = out.size();
  encodeInto(s, false, out);
  // A reader takes code-page bytes that also read as UTF-8 for UTF-8: such a
  // text goes out with escapes only.
  const std::string_view written(out.data() + start, out.size() - start);
  bool high = false;
  for (char c : written) high = high || static_cast<unsigned char>(c) >= 0x80;
  if (high && validUtf8(written)) {
    out.resize(start);
    encodeInto(s, true, out);
  }
}

}  // namespace dxf
