// Any bytes given to the LISP reader: it must never crash, and whatever it
// reads must print to a text that reads back to the same printed form.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "lisp/error.h"
#include "lisp/printer.h"
#include "lisp/reader.h"
#include "lisp/symbols.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  lisp::SymbolTable symbols;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    lisp::Reader reader(symbols, text, 1);
    lisp::Value datum;
    while (reader.next(datum)) {
      std::string printed;
      try {
        printed = lisp::toText(datum, true);
      } catch (const lisp::LispError&) {
        continue;  // nested too deep to print: reported, not a fault
      }
      lisp::Reader again(symbols, printed, 2);
      lisp::Value back;
      if (!again.next(back) || lisp::toText(back, true) != printed) __builtin_trap();
    }
  } catch (const lisp::LispError&) {
    // Malformed input is reported as a LISP error.
  }
  return 0;
}
