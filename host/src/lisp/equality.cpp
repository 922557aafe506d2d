#include "lisp/equality.h"

#include <cmath>

#include "lisp/stack_guard.h"

namespace lisp {

bool isEq(const Value& a, const Value& b) {
  if (a.type() != b.type()) return false;
  switch (a.type()) {
    case Type::Nil: return true;
    case Type::Int: return a.asInt() == b.asInt();
    case Type::Real: return a.asReal() == b.asReal();
    case Type::Symbol: return a.asSymbol() == b.asSymbol();
    case Type::Subr: return a.asSubr() == b.asSubr();
    case Type::Ename:
      return a.enamePtr()->name[0] == b.enamePtr()->name[0] &&
             a.enamePtr()->name[1] == b.enamePtr()->name[1];
    default: return a.object() == b.object();
  }
}

bool isEqual(const Value& a, const Value& b, double fuzz) {
  if (a.isNumber() && b.isNumber()) {
    if (a.type() == Type::Int && b.type() == Type::Int && fuzz == 0.0)
      return a.asInt() == b.asInt();
    return std::fabs(a.number() - b.number()) <= fuzz;
  }
  if (a.type() != b.type()) return false;
  switch (a.type()) {
    case Type::String: return a.stringPtr()->text == b.stringPtr()->text;
    case Type::Cons: {
      checkStack();
      const Value* x = &a;
      const Value* y = &b;
      while (x->type() == Type::Cons && y->type() == Type::Cons) {
        if (x->object() == y->object()) return true;
        if (!isEqual(x->consPtr()->car, y->consPtr()->car, fuzz)) return false;
        x = &x->consPtr()->cdr;
        y = &y->consPtr()->cdr;
      }
      return isEqual(*x, *y, fuzz);
    }
    default: return isEq(a, b);
  }
}

}  // namespace lisp
