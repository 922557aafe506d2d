// Symbols, functions kept as lists and caught errors: vl-symbolp
// vl-symbol-name vl-symbol-value atoms-family defun-q defun-q-list-ref
// defun-q-list-set vl-catch-all-apply vl-catch-all-error-p
// vl-catch-all-error-message vl-exit-with-error vl-exit-with-value.
#include "lisp/arg_vec.h"
#include "lisp/args.h"
#include "lisp/builtins.h"
#include "lisp/error.h"
#include "lisp/subr.h"

namespace lisp {

namespace {

Value sSymbolp(Args& a) { return a.truth(a[0].type() == Type::Symbol); }

Value sSymbolName(Args& a) { return makeString(a.symbol(0)->name); }

Value sSymbolValue(Args& a) { return a.symbol(0)->value; }

// Format 0 gives symbols, 1 their names. With a list of names, each name gives
// its symbol when it has a value, else nil.
Value sAtomsFamily(Args& a) {
  const int32_t format = a.integer(0);
  if (format != 0 && format != 1) raiseValue("format", a[0]);
  SymbolTable& symbols = a.env().symbols;
  const auto item = [&](Symbol* s) { return format == 1 ? makeString(s->name) : Value::symbol(s); };
  ListBuilder out;
  if (a.given(1)) {
    if (listLength(a.list(1)) < 0) raiseType("listp", a[1]);
    for (const Cons* c = a[1].consPtr(); c; c = c->cdr.consPtr()) {
      if (c->car.type() != Type::String) raiseType("stringp", c->car);
      Symbol* s = symbols.find(c->car.stringPtr()->text);
      out.add(s && !s->value.isNil() ? item(s) : Value());
    }
    return out.take();
  }
  symbols.forEach([&](Symbol& s) {
    if (!s.value.isNil() && !s.name.empty()) out.add(item(&s));
  });
  return out.take();
}

// (defun-q name (params / locals) form...): the function stays a list that
// programs may read and change (defun-q-list-ref, defun-q-list-set).
Value fDefunQ(Environment& env, const Value& ops) {
  const Cons* c = ops.consPtr();
  if (!c || !c->cdr.consPtr()) raise(kTooFewArgs);
  if (c->car.type() != Type::Symbol) raiseType("symbolp", c->car);
  Symbol* name = c->car.asSymbol();
  if (name->constant) raise("symbole protégé: " + name->name);
  const Value& params = c->cdr.consPtr()->car;
  env.makeFunction(name, params, c->cdr.consPtr()->cdr);  // checks the parameter list
  name->value = c->cdr;
  return Value::symbol(name);
}

Value sDefunQListRef(Args& a) {
  const Value& v = a.symbol(0)->value;
  return v.type() == Type::Cons ? v : Value();
}

Value sDefunQListSet(Args& a) {
  Symbol* s = a.symbol(0);
  if (s->constant) raise("symbole protégé: " + s->name);
  if (!a[1].isNil() && !Environment::isFunction(a[1])) raiseType("listp", a[1]);
  s->value = a[1];
  return a[0];
}

Value sCatchAllApply(Args& a) {
  const long n = listLength(a.list(1));
  if (n < 0) raiseType("listp", a[1]);
  ArgVec call(static_cast<size_t>(n));
  size_t i = 0;
  for (const Cons* c = a[1].consPtr(); c; c = c->cdr.consPtr()) call[i++] = c->car;
  try {
    Environment::CatchScope scope(a.env());
    return a.env().apply(a[0], call.data(), call.size());
  } catch (LispError& e) {
    CatchError* err = new CatchError;
    err->message = e.message;
    return Value::adopt(Type::CatchError, err);
  }
}

Value sCatchAllErrorP(Args& a) { return a.truth(a[0].type() == Type::CatchError); }

Value sCatchAllErrorMessage(Args& a) {
  const CatchError* err = a[0].catchErrorPtr();
  if (!err) raiseType("vl-catch-all-apply-error", a[0]);
  return makeString(err->message);
}

// There is one namespace here: the message goes up as an error of its own.
Value sExitWithError(Args& a) { raise(a.string(0)); }

// Without a separate namespace to return to, the value goes back to the caller.
Value sExitWithValue(Args& a) { return a[0]; }

const Subr kSubrs[] = {
    {"VL-SYMBOLP", sSymbolp, nullptr, 1, 1},
    {"VL-SYMBOL-NAME", sSymbolName, nullptr, 1, 1},
    {"VL-SYMBOL-VALUE", sSymbolValue, nullptr, 1, 1},
    {"ATOMS-FAMILY", sAtomsFamily, nullptr, 1, 2},
    {"DEFUN-Q", nullptr, fDefunQ},
    {"DEFUN-Q-LIST-REF", sDefunQListRef, nullptr, 1, 1},
    {"DEFUN-Q-LIST-SET", sDefunQListSet, nullptr, 2, 2},
    {"VL-CATCH-ALL-APPLY", sCatchAllApply, nullptr, 2, 2},
    {"VL-CATCH-ALL-ERROR-P", sCatchAllErrorP, nullptr, 1, 1},
    {"VL-CATCH-ALL-ERROR-MESSAGE", sCatchAllErrorMessage, nullptr, 1, 1},
    {"VL-EXIT-WITH-ERROR", sExitWithError, nullptr, 1, 1},
    {"VL-EXIT-WITH-VALUE", sExitWithValue, nullptr, 1, 1},
};

}  // namespace

void registerVlSymbolSubrs(Environment& env) { env.define(kSubrs, std::size(kSubrs)); }

}  // namespace lisp
