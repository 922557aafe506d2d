// Comparisons and predicates: = /= < > <= >= eq equal not null numberp
// listp atom boundp zerop minusp type.
#include "lisp/args.h"
#include "lisp/builtins.h"
#include "lisp/equality.h"
#include "lisp/error.h"
#include "lisp/subr.h"

namespace lisp {

namespace {

// -1, 0 or 1 for two numbers or two strings.
int order(const Value& x, const Value& y) {
  if (x.isNumber() && y.isNumber()) {
    if (x.type() == Type::Int && y.type() == Type::Int)
      return x.asInt() < y.asInt() ? -1 : (x.asInt() > y.asInt() ? 1 : 0);
    const double a = x.number(), b = y.number();
    return a < b ? -1 : (a > b ? 1 : 0);
  }
  if (x.type() == Type::String && y.type() == Type::String) {
    const int c = x.stringPtr()->text.compare(y.stringPtr()->text);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
  }
  if (x.isNumber()) raiseType("numberp", y);
  if (x.type() == Type::String) raiseType("stringp", y);
  raiseType("numberp", x);
}

bool same(const Value& x, const Value& y) {
  if ((x.isNumber() || x.type() == Type::String) && (y.isNumber() || y.type() == Type::String))
    return order(x, y) == 0;
  return isEq(x, y);
}

template <class Test>
Value chain(Args& a, Test test) {
  for (size_t i = 0; i + 1 < a.size(); ++i)
    if (!test(a[i], a[i + 1])) return Value();
  if (a.size() == 1) order(a[0], a[0]);  // still type-checked
  return a.truth(true);
}

Value sEqual(Args& a) {
  return chain(a, [](const Value& x, const Value& y) { return same(x, y); });
}
Value sNotEqual(Args& a) {
  return chain(a, [](const Value& x, const Value& y) { return !same(x, y); });
}
Value sLess(Args& a) {
  return chain(a, [](const Value& x, const Value& y) { return order(x, y) < 0; });
}
Value sGreater(Args& a) {
  return chain(a, [](const Value& x, const Value& y) { return order(x, y) > 0; });
}
Value sLessEq(Args& a) {
  return chain(a, [](const Value& x, const Value& y) { return order(x, y) <= 0; });
}
Value sGreaterEq(Args& a) {
  return chain(a, [](const Value& x, const Value& y) { return order(x, y) >= 0; });
}

Value sEq(Args& a) { return a.truth(isEq(a[0], a[1])); }

Value sEqualp(Args& a) {
  const double fuzz = a.has(2) ? a.number(2) : 0.0;
  return a.truth(isEqual(a[0], a[1], fuzz));
}

Value sNull(Args& a) { return a.truth(a[0].isNil()); }
Value sNumberp(Args& a) { return a.truth(a[0].isNumber()); }
Value sListp(Args& a) { return a.truth(a[0].isList()); }
Value sAtom(Args& a) { return a.truth(a[0].type() != Type::Cons); }

Value sBoundp(Args& a) {
  if (a[0].isNil()) return Value();
  return a.truth(!a.symbol(0)->value.isNil());
}

Value sZerop(Args& a) { return a.truth(a.number(0) == 0.0); }
Value sMinusp(Args& a) { return a.truth(a.number(0) < 0.0); }

Value sType(Args& a) {
  const char* name = nullptr;
  switch (a[0].type()) {
    case Type::Nil: return Value();
    case Type::Int: name = "INT"; break;
    case Type::Real: name = "REAL"; break;
    case Type::Symbol: name = "SYM"; break;
    case Type::Subr: name = "SUBR"; break;
    case Type::String: name = "STR"; break;
    case Type::Cons: name = "LIST"; break;
    case Type::Ename: name = "ENAME"; break;
    case Type::PickSet: name = "PICKSET"; break;
    case Type::File: name = "FILE"; break;
    case Type::UserFunc: name = "USUBR"; break;
    case Type::External: name = "EXRXSUBR"; break;
    case Type::CatchError: name = "VL-CATCH-ALL-APPLY-ERROR"; break;
  }
  return Value::symbol(a.env().symbols.intern(name));
}

const Subr kSubrs[] = {
    {"=", sEqual, nullptr, 1, -1},        {"/=", sNotEqual, nullptr, 1, -1},
    {"<", sLess, nullptr, 1, -1},         {">", sGreater, nullptr, 1, -1},
    {"<=", sLessEq, nullptr, 1, -1},      {">=", sGreaterEq, nullptr, 1, -1},
    {"EQ", sEq, nullptr, 2, 2},           {"EQUAL", sEqualp, nullptr, 2, 3},
    {"NOT", sNull, nullptr, 1, 1},        {"NULL", sNull, nullptr, 1, 1},
    {"NUMBERP", sNumberp, nullptr, 1, 1}, {"LISTP", sListp, nullptr, 1, 1},
    {"ATOM", sAtom, nullptr, 1, 1},       {"BOUNDP", sBoundp, nullptr, 1, 1},
    {"ZEROP", sZerop, nullptr, 1, 1},     {"MINUSP", sMinusp, nullptr, 1, 1},
    {"TYPE", sType, nullptr, 1, 1},
};

}  // namespace

void registerCompareSubrs(Environment& env) { env.define(kSubrs, std::size(kSubrs)); }

}  // namespace lisp
