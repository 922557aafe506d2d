// LISP errors: thrown inside the interpreter, reported at its boundary as
// "; erreur: " + message, never passed to the host's caller.
#pragma once
#include <cstdint>
#include <string>

namespace lisp {

class Value;

struct LispError {
  enum State : uint8_t {
    Fresh,    // nobody has looked at it yet
    Report,   // to be printed (no *error* handler, or the handler failed)
    Handled,  // the user's *error* has seen it: nothing more to print
  };
  std::string message;
  uint32_t pos = 0;  // where it happened (source << 24 | line), 0 if unknown
  State state = Fresh;
  // Out of stack: *error* can only run once the stack has unwound.
  bool unwindFirst = false;
};

[[noreturn]] void raise(std::string message);
[[noreturn]] void raiseAt(std::string message, uint32_t pos);
// The evaluation went too deep (nested calls or nested data).
[[noreturn]] void raiseStackLimit();
// "type d'argument incorrect: <predicate>: <value>"
[[noreturn]] void raiseType(const char* predicate, const Value& v);
// "valeur d'argument incorrecte: <what>: <value>"
[[noreturn]] void raiseValue(const char* what, const Value& v);

// Causes the host gives, in its words.
inline constexpr const char* kTooFewArgs = "nombre d'arguments insuffisant";
inline constexpr const char* kTooManyArgs = "trop d'arguments";
inline constexpr const char* kDivByZero = "division par zéro";
inline constexpr const char* kCancelled = "Fonction annulée";
inline constexpr const char* kQuit = "quitter / sortir abandon";
inline constexpr const char* kStackLimit =
    "limite de pile interne atteinte (récursion trop profonde)";

}  // namespace lisp
