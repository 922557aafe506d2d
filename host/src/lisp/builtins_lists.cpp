// Lists and functions over lists: list, cons, car/cdr and their combinations,
// nth, length, append, reverse, assoc, member, subst, last, mapcar, apply,
// eval, set.
#include <cstring>
#include <vector>

#include "lisp/arg_vec.h"
#include "lisp/args.h"
#include "lisp/builtins.h"
#include "lisp/equality.h"
#include "lisp/error.h"
#include "lisp/subr.h"

namespace lisp {

namespace {

const Cons* consOrNil(const Value& v) {
  if (!v.isList()) raiseType("listp", v);
  return v.consPtr();
}

Value sList(Args& a) {
  ListBuilder b;
  for (size_t i = 0; i < a.size(); ++i) b.add(a[i]);
  return b.take();
}

Value sCons(Args& a) { return cons(a[0], a[1]); }

// car, cdr and every combination up to four levels: the letters between C and
// R are applied from the right.
Value sCxr(Args& a) {
  const char* name = a.subr().name;
  const size_t n = std::strlen(name);
  Value v = a[0];
  for (size_t i = n - 1; i-- > 1;) {
    const Cons* c = consOrNil(v);
    if (!c) return Value();
    v = name[i] == 'A' ? c->car : c->cdr;
  }
  return v;
}

Value sNth(Args& a) {
  const int32_t n = a.integer(0);
  a.list(1);
  if (n < 0) return Value();
  const Value* v = nthElement(a[1], static_cast<size_t>(n));
  return v ? *v : Value();
}

Value sLength(Args& a) {
  const long n = listLength(a.list(0));
  if (n < 0) raiseType("listp", a[0]);
  return Value::integer(static_cast<int32_t>(n));
}

Value sAppend(Args& a) {
  if (a.size() == 0) return Value();
  for (size_t i = 0; i < a.size(); ++i)
    if (listLength(a.list(i)) < 0) raiseType("listp", a[i]);
  // Every list but the last is copied; the last is shared.
  ListBuilder b;
  for (size_t i = 0; i + 1 < a.size(); ++i)
    for (const Cons* c = a[i].consPtr(); c; c = c->cdr.consPtr()) b.add(c->car);
  if (b.empty()) return a[a.size() - 1];
  b.setTail(a[a.size() - 1]);
  return b.take();
}

Value sReverse(Args& a) {
  if (listLength(a.list(0)) < 0) raiseType("listp", a[0]);
  Value out;
  for (const Cons* c = a[0].consPtr(); c; c = c->cdr.consPtr()) out = cons(c->car, std::move(out));
  return out;
}

Value sAssoc(Args& a) {
  for (const Cons* c = consOrNil(a[1]); c; c = c->cdr.consPtr()) {
    const Cons* entry = c->car.consPtr();
    if (entry && isEqual(entry->car, a[0])) return c->car;
  }
  return Value();
}

Value sMember(Args& a) {
  const Value* at = &a[1];
  consOrNil(*at);
  while (const Cons* c = at->consPtr()) {
    if (isEqual(c->car, a[0])) return *at;
    at = &c->cdr;
  }
  return Value();
}

Value sSubst(Args& a) {
  const Value* at = &a[2];
  if (!at->isList()) return isEqual(*at, a[1]) ? a[0] : *at;
  ListBuilder b;
  while (const Cons* c = at->consPtr()) {
    b.add(isEqual(c->car, a[1]) ? a[0] : c->car);
    at = &c->cdr;
  }
  if (!at->isNil()) b.setTail(*at);
  return b.take();
}

Value sLast(Args& a) {
  const Cons* c = consOrNil(a[0]);
  if (!c) return Value();
  while (const Cons* next = c->cdr.consPtr()) c = next;
  return c->car;
}

Value sMapcar(Args& a) {
  const size_t lists = a.size() - 1;
  std::vector<const Value*> at(lists);
  for (size_t i = 0; i < lists; ++i) {
    a.list(i + 1);
    at[i] = &a[i + 1];
  }
  ListBuilder out;
  ArgVec call(lists);
  for (;;) {
    for (size_t i = 0; i < lists; ++i) {
      const Cons* c = at[i]->consPtr();
      if (!c) return out.take();
      call[i] = c->car;
      at[i] = &c->cdr;
    }
    out.add(a.env().apply(a[0], call.data(), lists));
  }
}

Value sApply(Args& a) {
  const long n = listLength(a.list(1));
  if (n < 0) raiseType("listp", a[1]);
  ArgVec call(static_cast<size_t>(n));
  size_t i = 0;
  for (const Cons* c = a[1].consPtr(); c; c = c->cdr.consPtr()) call[i++] = c->car;
  return a.env().apply(a[0], call.data(), call.size());
}

Value sEval(Args& a) { return a.env().eval(a[0]); }

Value sSet(Args& a) {
  Symbol* s = a.symbol(0);
  if (s->constant) raise("symbole protégé: " + s->name);
  s->value = a[1];
  return a[1];
}

const Subr kSubrs[] = {
    {"LIST", sList, nullptr, 0, -1},     {"CONS", sCons, nullptr, 2, 2},
    {"CAR", sCxr, nullptr, 1, 1},        {"CDR", sCxr, nullptr, 1, 1},
    {"CAAR", sCxr, nullptr, 1, 1},       {"CADR", sCxr, nullptr, 1, 1},
    {"CDAR", sCxr, nullptr, 1, 1},       {"CDDR", sCxr, nullptr, 1, 1},
    {"CAAAR", sCxr, nullptr, 1, 1},      {"CAADR", sCxr, nullptr, 1, 1},
    {"CADAR", sCxr, nullptr, 1, 1},      {"CADDR", sCxr, nullptr, 1, 1},
    {"CDAAR", sCxr, nullptr, 1, 1},      {"CDADR", sCxr, nullptr, 1, 1},
    {"CDDAR", sCxr, nullptr, 1, 1},      {"CDDDR", sCxr, nullptr, 1, 1},
    {"CAAAAR", sCxr, nullptr, 1, 1},     {"CAAADR", sCxr, nullptr, 1, 1},
    {"CAADAR", sCxr, nullptr, 1, 1},     {"CAADDR", sCxr, nullptr, 1, 1},
    {"CADAAR", sCxr, nullptr, 1, 1},     {"CADADR", sCxr, nullptr, 1, 1},
    {"CADDAR", sCxr, nullptr, 1, 1},     {"CADDDR", sCxr, nullptr, 1, 1},
    {"CDAAAR", sCxr, nullptr, 1, 1},     {"CDAADR", sCxr, nullptr, 1, 1},
    {"CDADAR", sCxr, nullptr, 1, 1},     {"CDADDR", sCxr, nullptr, 1, 1},
    {"CDDAAR", sCxr, nullptr, 1, 1},     {"CDDADR", sCxr, nullptr, 1, 1},
    {"CDDDAR", sCxr, nullptr, 1, 1},     {"CDDDDR", sCxr, nullptr, 1, 1},
    {"NTH", sNth, nullptr, 2, 2},        {"LENGTH", sLength, nullptr, 1, 1},
    {"APPEND", sAppend, nullptr, 0, -1}, {"REVERSE", sReverse, nullptr, 1, 1},
    {"ASSOC", sAssoc, nullptr, 2, 2},    {"MEMBER", sMember, nullptr, 2, 2},
    {"SUBST", sSubst, nullptr, 3, 3},    {"LAST", sLast, nullptr, 1, 1},
    {"MAPCAR", sMapcar, nullptr, 2, -1}, {"APPLY", sApply, nullptr, 2, 2},
    {"EVAL", sEval, nullptr, 1, 1},      {"SET", sSet, nullptr, 2, 2},
};

}  // namespace

void registerListSubrs(Environment& env) { env.define(kSubrs, std::size(kSubrs)); }

}  // namespace lisp
