#include "lisp/error.h"

#include "lisp/printer.h"

namespace lisp {

void raise(std::string message) { throw LispError{std::move(message), 0, LispError::Fresh}; }

void raiseAt(std::string message, uint32_t pos) {
  throw LispError{std::move(message), pos, LispError::Fresh};
}

void raiseStackLimit() { throw LispError{kStackLimit, 0, LispError::Fresh, true}; }

void raiseType(const char* predicate, const Value& v) {
  raise(std::string("type d'argument incorrect: ") + predicate + ": " + toText(v, true));
}

void raiseValue(const char* what, const Value& v) {
  raise(std::string("valeur d'argument incorrecte: ") + what + ": " + toText(v, true));
}

}  // namespace lisp
