#include "lisp/reader.h"

#include <locale.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "lisp/error.h"
#include "lisp/source_pos.h"
#include "lisp/symbols.h"

namespace lisp {

namespace {

constexpr const char* kMissingParen = "parenthèse fermante manquante";
constexpr const char* kExtraParen = "parenthèse fermante en trop";
constexpr const char* kBadDot = "paire pointée incorrecte";
constexpr const char* kNothingQuoted = "expression attendue après '";

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
bool isDelimiter(char c) {
  return isBlank(c) || c == '(' || c == ')' || c == '\'' || c == '"' || c == ';';
}

// One open list, or a quote waiting for its expression.
struct Frame {
  bool quote = false;
  uint32_t pos = 0;
  int dot = 0;  // 1: "." read, the tail comes next; 2: tail read, ")" must follow
  ListBuilder items;
};

}  // namespace

bool parseNumber(std::string_view tok, Value& out) {
  size_t k = 0;
  bool negative = false;
  if (!tok.empty() && (tok[0] == '+' || tok[0] == '-')) {
    negative = tok[0] == '-';
    k = 1;
  }
  if (k >= tok.size()) return false;
  if (!isDigit(tok[k]) && !(tok[k] == '.' && k + 1 < tok.size() && isDigit(tok[k + 1])))
    return false;
  const char* first = tok.data() + k;
  const char* last = tok.data() + tok.size();
  bool digitsOnly = true;
  for (const char* p = first; p < last; ++p) digitsOnly = digitsOnly && isDigit(*p);
  if (digitsOnly) {
    int64_t n = 0;
    auto r = std::from_chars(first, last, n);
    if (r.ec == std::errc() && r.ptr == last) {
      if (negative) n = -n;
      if (n >= INT32_MIN && n <= INT32_MAX) {
        out = Value::integer(static_cast<int32_t>(n));
        return true;
      }
    }
  }
  const char* end = first;
  const double d = decimalValue(first, last, end);
  if (end != last) return false;
  out = Value::real(negative ? -d : d);
  return true;
}

double decimalValue(const char* first, const char* last, const char*& end) {
  double d = 0;
  const auto r = std::from_chars(first, last, d, std::chars_format::general);
  end = r.ec == std::errc() || r.ec == std::errc::result_out_of_range ? r.ptr : first;
  if (r.ec != std::errc::result_out_of_range) return d;
  // from_chars gives no value out of range; strtod rounds to the nearest double.
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
  const std::string text(first, r.ptr);
  return cLocale ? strtod_l(text.c_str(), nullptr, cLocale) : std::strtod(text.c_str(), nullptr);
}

Reader::Reader(SymbolTable& symbols, std::string_view text, uint32_t source)
    : symbols_(symbols), quote_(symbols.intern("QUOTE")), text_(text), source_(source) {}

uint32_t Reader::here() const { return makePos(source_, line_); }

void Reader::skipBlanks() {
  while (at_ < text_.size()) {
    const char c = text_[at_];
    if (c == '\n') {
      ++line_;
      ++at_;
    } else if (isBlank(c)) {
      ++at_;
    } else if (c == ';') {
      if (at_ + 1 < text_.size() && text_[at_ + 1] == '|') {
        const uint32_t start = here();
        const size_t end = text_.find("|;", at_ + 2);
        if (end == std::string_view::npos) raiseAt("commentaire ;| non terminé", start);
        for (size_t i = at_; i < end; ++i)
          if (text_[i] == '\n') ++line_;
        at_ = end + 2;
      } else {
        while (at_ < text_.size() && text_[at_] != '\n') ++at_;
      }
    } else {
      return;
    }
  }
}

Value Reader::readString() {
  const uint32_t start = here();
  ++at_;  // opening quote
  std::string s;
  while (at_ < text_.size()) {
    char c = text_[at_++];
    if (c == '"') return makeString(std::move(s));
    if (c == '\n') ++line_;
    if (c != '\\') {
      s += c;
      continue;
    }
    if (at_ >= text_.size()) break;
    c = text_[at_++];
    switch (c) {
      case 'n': s += '\n'; break;
      case 't': s += '\t'; break;
      case 'r': s += '\r'; break;
      case 'e': s += '\x1b'; break;
      default:
        if (c >= '0' && c <= '7') {
          int code = c - '0';
          for (int k = 0; k < 2 && at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '7';
               ++k)
            code = code * 8 + (text_[at_++] - '0');
          s += static_cast<char>(code & 0xFF);
        } else {
          if (c == '\n') ++line_;
          s += c;  // \" \\ and any other escaped character stand for themselves
        }
    }
  }
  raiseAt("chaîne non terminée", start);
}

std::string_view Reader::readToken() {
  const size_t start = at_;
  while (at_ < text_.size() && !isDelimiter(text_[at_])) ++at_;
  return text_.substr(start, at_ - start);
}

Value Reader::atom(std::string_view token) {
  Value v;
  if (parseNumber(token, v)) return v;
  if (token.size() == 3 && upperAscii(token) == "NIL") return Value();
  return Value::symbol(symbols_.intern(token));
}

bool Reader::next(Value& out) {
  std::vector<Frame> stack;
  for (;;) {
    skipBlanks();
    if (at_ >= text_.size()) {
      if (stack.empty()) return false;
      for (const Frame& f : stack)
        if (!f.quote) raiseAt(kMissingParen, f.pos);
      raiseAt(kNothingQuoted, stack.back().pos);
    }
    const uint32_t pos = here();
    const char c = text_[at_];
    Value datum;
    if (c == '(') {
      ++at_;
      stack.emplace_back().pos = pos;
      continue;
    }
    if (c == '\'') {
      ++at_;
      Frame& f = stack.emplace_back();
      f.quote = true;
      f.pos = pos;
      continue;
    }
    if (c == ')') {
      ++at_;
      if (stack.empty()) raiseAt(kExtraParen, pos);
      Frame& f = stack.back();
      if (f.quote) raiseAt(kNothingQuoted, f.pos);
      if (f.dot == 1) raiseAt(kBadDot, pos);
      datum = f.items.take();
      stack.pop_back();
    } else if (c == '"') {
      datum = readString();
    } else {
      const std::string_view token = readToken();
      if (token == ".") {
        if (stack.empty() || stack.back().quote || stack.back().items.empty() ||
            stack.back().dot != 0)
          raiseAt(kBadDot, pos);
        stack.back().dot = 1;
        continue;
      }
      datum = atom(token);
    }
    // A finished expression: wrap it in its pending quotes, then hand it up.
    while (!stack.empty() && stack.back().quote) {
      const uint32_t qpos = stack.back().pos;
      datum = cons(Value::symbol(quote_), cons(std::move(datum), Value(), qpos), qpos);
      stack.pop_back();
    }
    if (stack.empty()) {
      out = std::move(datum);
      return true;
    }
    Frame& f = stack.back();
    if (f.dot == 1) {
      f.items.setTail(std::move(datum));
      f.dot = 2;
    } else if (f.dot == 2) {
      raiseAt(kBadDot, pos);
    } else {
      f.items.add(std::move(datum), f.pos);
    }
  }
}

}  // namespace lisp
