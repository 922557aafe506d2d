// The evaluator of one drawing's LISP: its symbols, the evaluation of forms
// with dynamic binding, error routing to *error*, and the selection sets that
// LISP data own.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "lisp/error.h"
#include "lisp/symbols.h"
#include "lisp/value.h"

namespace lisp {

struct Subr;

class Environment {
 public:
  Environment();
  ~Environment();
  Environment(const Environment&) = delete;
  Environment& operator=(const Environment&) = delete;

  SymbolTable symbols;
  // Symbols the evaluator itself relies on.
  Symbol* const t;
  Symbol* const lambda;
  Symbol* const errorHandler;  // *ERROR*
  Symbol* const silent;        // the nameless symbol (princ) returns: prints as nothing

  Value truth(bool b) const { return b ? Value::symbol(t) : Value(); }

  Value eval(const Value& x);
  Value progn(const Value& forms);
  // Calls a function: a built-in, a user or module function, a (LAMBDA ...)
  // list, or a symbol naming one of those (as mapcar and apply take them).
  Value apply(const Value& fn, Value* args, size_t n);
  // A function made from (params / locals) and a body, as defun and lambda do.
  Value makeFunction(Symbol* name, const Value& lambdaList, const Value& body);
  static bool isFunction(const Value& v);

  // Reads and evaluates every expression of `text`; returns the last value.
  Value runText(std::string_view text, uint32_t source, bool echo);
  // Index of a source name for positions (0 when none or too many).
  uint32_t sourceIndex(std::string_view name);
  // " (file, ligne n)" for a known position, else "".
  std::string location(uint32_t pos) const;

  // Command-line output. Remembers whether the last text ended a line.
  void print(std::string_view text);
  bool atLineStart() const { return atLineStart_; }

  // An error that reached a boundary (script, invoke): gives it to *error* or prints it.
  void report(LispError& e);
  // An error leaving a user function: *error* runs here, with the locals still bound.
  void onErrorInFrame(LispError& e);
  uint32_t currentPos() const { return pos_; }
  // While vl-catch-all-apply runs a call, the errors in it go back to it
  // without meeting *error*.
  class CatchScope {
   public:
    explicit CatchScope(Environment& env) : env_(env) { ++env_.catching_; }
    ~CatchScope() { --env_.catching_; }
    CatchScope(const CatchScope&) = delete;
    CatchScope& operator=(const CatchScope&) = delete;

   private:
    Environment& env_;
  };
  void setCurrentPos(uint32_t pos) { pos_ = pos; }
  int depth() const { return depth_; }

  // The LISP value owning the host's selection set of that name; one owner per set.
  Value pickSet(const int64_t name[2]);
  void forgetPickSet(PickSet* p);

  // Binds each built-in's name to it.
  void define(const Subr* table, size_t count);

  static constexpr int kMaxDepth = 100000;

 private:
  friend class DepthGuard;
  friend class PosGuard;
  Value evalForm(const Cons& form);
  Value callUser(UserFunc& f, Value* args, size_t n);
  Value callExternal(const External& f, Value* args, size_t n);
  Value callForm(const Subr& s, Value* args, size_t n);
  void callHandler(const Value& handler, const std::string& message);
  void printError(const LispError& e);

  uint32_t pos_ = 0;
  int depth_ = 0;
  bool inHandler_ = false;
  int catching_ = 0;
  bool atLineStart_ = true;
  std::vector<std::string> sources_;
  std::map<std::pair<int64_t, int64_t>, PickSet*> pickSets_;
};

}  // namespace lisp
