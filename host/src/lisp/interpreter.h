// The AutoLISP interpreter of one drawing: its symbols, functions and the
// scripts run in it.
#pragma once
#include <memory>
#include <string>
#include <string_view>

struct resbuf;

namespace lisp {

class Environment;  // symbols and functions; defined with the evaluator

class Interpreter {
 public:
  Interpreter();
  ~Interpreter();
  Interpreter(const Interpreter&) = delete;
  Interpreter& operator=(const Interpreter&) = delete;

  // Reads and evaluates every expression of `source`. Returns false after a
  // LISP error, which has been printed as "; erreur: " + cause (+ line).
  // `echoResults` prints each top-level result as the command line does (-e).
  bool run(std::string_view source, std::string_view sourceName, bool echoResults = false);

  // Symbol exchange in result buffers (acedGetSym / acedPutSym). A nil or
  // unbound symbol gives RTNORM with *out == nullptr. Returns host status codes.
  int getSym(std::string_view name, resbuf** out);
  int putSym(std::string_view name, const resbuf* value);

  // Functions defined by modules (acedDefun / acedUndef): the symbol's
  // function becomes a call into the module with that code.
  void defineExternal(std::string_view name, int moduleId, int funcCode);
  bool undefineExternal(std::string_view name, int moduleId, int funcCode);
  bool isFunction(std::string_view name) const;

  // acedInvoke: args is (function-name arg...) as a result-buffer list.
  int invoke(const resbuf* args, resbuf** result);

  Environment& environment() { return *env_; }

 private:
  std::unique_ptr<Environment> env_;
};

// Conversions at the LISP boundary (also used by acedGetArgs / acedRetList):
// resbuf lists <-> LISP data, with the host's rules (2 or 3 numbers -> point,
// integers -> RTSHORT when they fit 16 bits else RTLONG, nil -> RTNIL, T -> RTT,
// other lists -> RTLB ... RTLE with RTDOTE for dotted pairs). They live in
// lisp/resbuf_convert.h.
}  // namespace lisp
