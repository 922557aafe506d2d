// The LISP reader: text to data, one top-level expression at a time. It keeps
// its own stack of open lists, so no input, however nested, can exhaust the
// thread's stack; bad input raises a LispError that names the line.
#pragma once
#include <cstdint>
#include <string_view>

#include "lisp/value.h"

namespace lisp {

class SymbolTable;
struct Symbol;

class Reader {
 public:
  Reader(SymbolTable& symbols, std::string_view text, uint32_t source);

  // Reads the next expression into `out`; false once only blanks and comments remain.
  bool next(Value& out);
  uint32_t line() const { return line_; }

 private:
  uint32_t here() const;
  void skipBlanks();
  Value readString();
  std::string_view readToken();
  Value atom(std::string_view token);

  SymbolTable& symbols_;
  Symbol* quote_;
  std::string_view text_;
  size_t at_ = 0;
  uint32_t line_ = 1;
  uint32_t source_;
};

// Reads a number the way the reader does ("12", "-3.5", ".5", "1e3"); integers
// beyond 32 bits become reals. False when the text is not a number.
bool parseNumber(std::string_view token, Value& out);

// The double nearest the decimal number that [first, last) starts with (sign,
// digits, point, exponent, as from_chars reads them), as strtod gives it: beyond
// the range of doubles an underflow is zero or a denormal, an overflow infinity.
// `end` is where the number stops (first when there is none).
double decimalValue(const char* first, const char* last, const char*& end);

}  // namespace lisp
