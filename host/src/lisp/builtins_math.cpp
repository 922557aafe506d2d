// Arithmetic. Integers are 32 bits and wrap around as the host's do; an
// operation on two integers stays integer (so (/ 7 2) is 3), a real anywhere
// makes the rest of the computation real.
#include <cmath>
#include <cstdint>

#include "lisp/args.h"
#include "lisp/builtins.h"
#include "lisp/error.h"
#include "lisp/printer.h"
#include "lisp/subr.h"

namespace lisp {

namespace {

int32_t wrap(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(v)); }

enum class Op { Add, Sub, Mul, Div };

Value combine(const Value& x, const Value& y, Op op) {
  if (x.type() == Type::Int && y.type() == Type::Int) {
    const int64_t a = x.asInt(), b = y.asInt();
    switch (op) {
      case Op::Add: return Value::integer(wrap(a + b));
      case Op::Sub: return Value::integer(wrap(a - b));
      case Op::Mul: return Value::integer(wrap(a * b));
      case Op::Div:
        if (b == 0) raise(kDivByZero);
        return Value::integer(wrap(a / b));
    }
  }
  const double a = x.number(), b = y.number();
  switch (op) {
    case Op::Add: return Value::real(a + b);
    case Op::Sub: return Value::real(a - b);
    case Op::Mul: return Value::real(a * b);
    case Op::Div:
      if (b == 0.0) raise(kDivByZero);
      return Value::real(a / b);
  }
  return Value();
}

Value fold(Args& a, Op op, int32_t identity) {
  for (size_t i = 0; i < a.size(); ++i) a.number(i);
  if (a.size() == 0) return Value::integer(identity);
  Value acc = a[0];
  if (a.size() == 1) {
    if (op == Op::Sub) return combine(Value::integer(0), acc, Op::Sub);
    return acc;
  }
  for (size_t i = 1; i < a.size(); ++i) acc = combine(acc, a[i], op);
  return acc;
}

Value sAdd(Args& a) { return fold(a, Op::Add, 0); }
Value sSub(Args& a) { return fold(a, Op::Sub, 0); }
Value sMul(Args& a) { return fold(a, Op::Mul, 1); }
Value sDiv(Args& a) { return fold(a, Op::Div, 0); }

Value sInc(Args& a) {
  a.number(0);
  return combine(a[0], Value::integer(1), Op::Add);
}
Value sDec(Args& a) {
  a.number(0);
  return combine(a[0], Value::integer(1), Op::Sub);
}

Value sAbs(Args& a) {
  a.number(0);
  if (a[0].type() == Type::Int) return Value::integer(wrap(std::llabs(a[0].asInt())));
  return Value::real(std::fabs(a[0].asReal()));
}

Value sFix(Args& a) {
  const double d = a.number(0);
  if (a[0].type() == Type::Int) return a[0];
  const double t = std::trunc(d);
  if (t >= INT32_MIN && t <= INT32_MAX) return Value::integer(static_cast<int32_t>(t));
  return Value::real(t);
}

Value sFloat(Args& a) { return Value::real(a.number(0)); }

Value extreme(Args& a, bool wantMax) {
  bool anyReal = false;
  for (size_t i = 0; i < a.size(); ++i) {
    a.number(i);
    if (a[i].type() == Type::Real) anyReal = true;
  }
  if (a.size() == 0) return Value::integer(0);
  size_t best = 0;
  for (size_t i = 1; i < a.size(); ++i)
    if (wantMax ? a[i].number() > a[best].number() : a[i].number() < a[best].number()) best = i;
  return anyReal ? Value::real(a[best].number()) : a[best];
}

Value sMin(Args& a) { return extreme(a, false); }
Value sMax(Args& a) { return extreme(a, true); }

Value sRem(Args& a) {
  for (size_t i = 0; i < a.size(); ++i) a.number(i);
  if (a.size() == 0) return Value::integer(0);
  Value acc = a[0];
  for (size_t i = 1; i < a.size(); ++i) {
    if (acc.type() == Type::Int && a[i].type() == Type::Int) {
      if (a[i].asInt() == 0) raise(kDivByZero);
      acc = Value::integer(wrap(static_cast<int64_t>(acc.asInt()) % a[i].asInt()));
    } else {
      if (a[i].number() == 0.0) raise(kDivByZero);
      acc = Value::real(std::fmod(acc.number(), a[i].number()));
    }
  }
  return acc;
}

[[noreturn]] void undefinedFor(const Value& v) {
  raise("fonction non définie pour l'argument: " + toText(v, true));
}

Value sSqrt(Args& a) {
  const double d = a.number(0);
  if (d < 0) undefinedFor(a[0]);
  return Value::real(std::sqrt(d));
}

Value sSin(Args& a) { return Value::real(std::sin(a.number(0))); }
Value sCos(Args& a) { return Value::real(std::cos(a.number(0))); }

Value sAtan(Args& a) {
  const double y = a.number(0);
  if (!a.has(1)) return Value::real(std::atan(y));
  return Value::real(std::atan2(y, a.number(1)));
}

Value sExpt(Args& a) {
  const double base = a.number(0), power = a.number(1);
  if (a[0].type() == Type::Int && a[1].type() == Type::Int) {
    int32_t n = a[1].asInt();
    if (n < 0) return Value::integer(a[0].asInt() == 1 ? 1 : 0);
    int64_t result = 1, b = a[0].asInt();
    while (n > 0) {
      if (n & 1) result = wrap(result * b);
      b = wrap(b * b);
      n >>= 1;
    }
    return Value::integer(wrap(result));
  }
  return Value::real(std::pow(base, power));
}

Value sExp(Args& a) { return Value::real(std::exp(a.number(0))); }

Value sLog(Args& a) {
  const double d = a.number(0);
  if (d <= 0) undefinedFor(a[0]);
  return Value::real(std::log(d));
}

Value sGcd(Args& a) {
  int64_t x = std::llabs(a.integer(0)), y = std::llabs(a.integer(1));
  while (y != 0) {
    const int64_t r = x % y;
    x = y;
    y = r;
  }
  return Value::integer(wrap(x));
}

Value sLogand(Args& a) {
  int32_t r = -1;
  for (size_t i = 0; i < a.size(); ++i) r &= a.integer(i);
  return Value::integer(a.size() ? r : 0);
}

Value sLogior(Args& a) {
  int32_t r = 0;
  for (size_t i = 0; i < a.size(); ++i) r |= a.integer(i);
  return Value::integer(r);
}

Value sLsh(Args& a) {
  const uint32_t v = static_cast<uint32_t>(a.has(0) ? a.integer(0) : 0);
  const int32_t n = a.has(1) ? a.integer(1) : 0;
  if (n >= 32 || n <= -32) return Value::integer(0);
  return Value::integer(static_cast<int32_t>(n >= 0 ? v << n : v >> -n));
}

Value sNot(Args& a) { return Value::integer(~a.integer(0)); }

// (boole op i1 i2 ...): the operator's bits 8, 4, 2, 1 give the result bit for
// the input bits (0 0), (0 1), (1 0), (1 1); the integers combine left to right.
Value sBoole(Args& a) {
  const int32_t op = a.integer(0);
  uint32_t r = static_cast<uint32_t>(a.integer(1));
  for (size_t i = 2; i < a.size(); ++i) {
    const uint32_t x = r, y = static_cast<uint32_t>(a.integer(i));
    r = 0;
    if (op & 1) r |= x & y;
    if (op & 2) r |= x & ~y;
    if (op & 4) r |= ~x & y;
    if (op & 8) r |= ~x & ~y;
  }
  return Value::integer(static_cast<int32_t>(r));
}

const Subr kSubrs[] = {
    {"+", sAdd, nullptr, 0, -1},         {"-", sSub, nullptr, 0, -1},
    {"*", sMul, nullptr, 0, -1},         {"/", sDiv, nullptr, 0, -1},
    {"1+", sInc, nullptr, 1, 1},         {"1-", sDec, nullptr, 1, 1},
    {"ABS", sAbs, nullptr, 1, 1},        {"FIX", sFix, nullptr, 1, 1},
    {"FLOAT", sFloat, nullptr, 1, 1},    {"MIN", sMin, nullptr, 0, -1},
    {"MAX", sMax, nullptr, 0, -1},       {"REM", sRem, nullptr, 0, -1},
    {"SQRT", sSqrt, nullptr, 1, 1},      {"SIN", sSin, nullptr, 1, 1},
    {"COS", sCos, nullptr, 1, 1},        {"ATAN", sAtan, nullptr, 1, 2},
    {"EXPT", sExpt, nullptr, 2, 2},      {"EXP", sExp, nullptr, 1, 1},
    {"LOG", sLog, nullptr, 1, 1},        {"GCD", sGcd, nullptr, 2, 2},
    {"LOGAND", sLogand, nullptr, 0, -1}, {"LOGIOR", sLogior, nullptr, 0, -1},
    {"LSH", sLsh, nullptr, 0, 2},        {"~", sNot, nullptr, 1, 1},
    {"BOOLE", sBoole, nullptr, 2, -1},
};

}  // namespace

void registerMathSubrs(Environment& env) { env.define(kSubrs, std::size(kSubrs)); }

}  // namespace lisp
