// Forms whose operands are not evaluated first: quote, setq, defun, lambda,
// function, if, cond, progn, while, repeat, foreach, and, or.
#include "lisp/builtins.h"
#include "lisp/environment.h"
#include "lisp/error.h"
#include "lisp/printer.h"
#include "lisp/subr.h"

namespace lisp {

namespace {

// The operands of a form, checked for count.
const Value& operand(const Value& operands, size_t i) {
  const Value* v = nthElement(operands, i);
  if (!v) raise(kTooFewArgs);
  return *v;
}

void expectCount(const Value& operands, long min, long max) {
  const long n = listLength(operands);
  if (n < 0) raise("liste d'arguments incorrecte: " + toText(operands, true));
  if (n < min) raise(kTooFewArgs);
  if (max >= 0 && n > max) raise(kTooManyArgs);
}

const Value& rest(const Value& operands, size_t from) {
  static const Value nil;
  const Value* at = &operands;
  for (size_t i = 0; i < from; ++i) {
    const Cons* c = at->consPtr();
    if (!c) return nil;
    at = &c->cdr;
  }
  return *at;
}

Symbol* assignable(const Value& v) {
  if (v.type() != Type::Symbol) raiseType("symbolp", v);
  Symbol* s = v.asSymbol();
  if (s->constant) raise("symbole protégé: " + s->name);
  return s;
}

Value fQuote(Environment&, const Value& ops) {
  expectCount(ops, 1, 1);
  return operand(ops, 0);
}

Value fSetq(Environment& env, const Value& ops) {
  expectCount(ops, 2, -1);
  Value result;
  for (const Cons* c = ops.consPtr(); c; c = c->cdr.consPtr()) {
    Symbol* s = assignable(c->car);
    const Cons* value = c->cdr.consPtr();
    if (!value) raise(kTooFewArgs);
    result = env.eval(value->car);
    s->value = result;
    c = value;
  }
  return result;
}

Value fDefun(Environment& env, const Value& ops) {
  expectCount(ops, 2, -1);
  Symbol* name = assignable(operand(ops, 0));
  name->value = env.makeFunction(name, operand(ops, 1), rest(ops, 2));
  return Value::symbol(name);
}

Value fLambda(Environment& env, const Value& ops) {
  expectCount(ops, 1, -1);
  return env.makeFunction(nullptr, operand(ops, 0), rest(ops, 1));
}

Value fFunction(Environment& env, const Value& ops) {
  expectCount(ops, 1, 1);
  const Value& f = operand(ops, 0);
  if (const Cons* c = f.consPtr();
      c && c->car.type() == Type::Symbol && c->car.asSymbol() == env.lambda) {
    const Cons* params = c->cdr.consPtr();
    if (!params) raise(kTooFewArgs);
    return env.makeFunction(nullptr, params->car, params->cdr);
  }
  return f;
}

Value fIf(Environment& env, const Value& ops) {
  expectCount(ops, 2, 3);
  if (!env.eval(operand(ops, 0)).isNil()) return env.eval(operand(ops, 1));
  const Value* otherwise = nthElement(ops, 2);
  return otherwise ? env.eval(*otherwise) : Value();
}

Value fCond(Environment& env, const Value& ops) {
  expectCount(ops, 0, -1);
  for (const Cons* c = ops.consPtr(); c; c = c->cdr.consPtr()) {
    const Cons* clause = c->car.consPtr();
    if (!clause) raiseType("listp", c->car);
    Value test = env.eval(clause->car);
    if (test.isNil()) continue;
    if (clause->cdr.isNil()) return test;
    return env.progn(clause->cdr);
  }
  return Value();
}

Value fProgn(Environment& env, const Value& ops) {
  expectCount(ops, 0, -1);
  return env.progn(ops);
}

Value fWhile(Environment& env, const Value& ops) {
  expectCount(ops, 1, -1);
  const Value& test = operand(ops, 0);
  const Value& body = rest(ops, 1);
  Value result;
  while (!env.eval(test).isNil()) result = env.progn(body);
  return result;
}

Value fRepeat(Environment& env, const Value& ops) {
  expectCount(ops, 1, -1);
  const Value count = env.eval(operand(ops, 0));
  if (count.type() != Type::Int) raiseType("fixnump", count);
  const Value& body = rest(ops, 1);
  Value result;
  for (int32_t i = 0; i < count.asInt(); ++i) result = env.progn(body);
  return result;
}

Value fForeach(Environment& env, const Value& ops) {
  expectCount(ops, 2, -1);
  Symbol* var = assignable(operand(ops, 0));
  const Value list = env.eval(operand(ops, 1));
  if (!list.isList()) raiseType("listp", list);
  const Value& body = rest(ops, 2);
  struct Restore {
    Symbol* s;
    Value saved;
    ~Restore() { s->value = std::move(saved); }
  } restore{var, var->value};
  Value result;
  for (const Cons* c = list.consPtr(); c; c = c->cdr.consPtr()) {
    var->value = c->car;
    result = env.progn(body);
  }
  return result;
}

Value fAnd(Environment& env, const Value& ops) {
  expectCount(ops, 0, -1);
  for (const Cons* c = ops.consPtr(); c; c = c->cdr.consPtr())
    if (env.eval(c->car).isNil()) return Value();
  return env.truth(true);
}

Value fOr(Environment& env, const Value& ops) {
  expectCount(ops, 0, -1);
  for (const Cons* c = ops.consPtr(); c; c = c->cdr.consPtr())
    if (!env.eval(c->car).isNil()) return env.truth(true);
  return Value();
}

const Subr kForms[] = {
    {"QUOTE", nullptr, fQuote},   {"SETQ", nullptr, fSetq},         {"DEFUN", nullptr, fDefun},
    {"LAMBDA", nullptr, fLambda}, {"FUNCTION", nullptr, fFunction}, {"IF", nullptr, fIf},
    {"COND", nullptr, fCond},     {"PROGN", nullptr, fProgn},       {"WHILE", nullptr, fWhile},
    {"REPEAT", nullptr, fRepeat}, {"FOREACH", nullptr, fForeach},   {"AND", nullptr, fAnd},
    {"OR", nullptr, fOr},
};

}  // namespace

void registerSpecialForms(Environment& env) { env.define(kForms, std::size(kForms)); }

}  // namespace lisp
