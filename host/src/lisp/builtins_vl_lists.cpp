// The vl- functions over lists: vl-position vl-remove vl-remove-if
// vl-remove-if-not vl-member-if vl-member-if-not vl-some vl-every vl-sort
// vl-sort-i vl-consp vl-list* vl-list-length, and acad_strlsort.
#include <algorithm>
#include <vector>

#include "lisp/arg_vec.h"
#include "lisp/args.h"
#include "lisp/builtins.h"
#include "lisp/equality.h"
#include "lisp/error.h"
#include "lisp/subr.h"

namespace lisp {

namespace {

// The elements of a proper list (a dotted one is refused as listp).
std::vector<Value> elements(Args& a, size_t i) {
  if (listLength(a.list(i)) < 0) raiseType("listp", a[i]);
  std::vector<Value> out;
  for (const Cons* c = a[i].consPtr(); c; c = c->cdr.consPtr()) out.push_back(c->car);
  return out;
}

// Calls the predicate with fresh copies: a user function takes its arguments over.
Value call(Args& a, const Value& fn, const Value& x) {
  Value arg = x;
  return a.env().apply(fn, &arg, 1);
}

bool before(Args& a, const Value& fn, const Value& x, const Value& y) {
  Value args[2] = {x, y};
  return !a.env().apply(fn, args, 2).isNil();
}

Value sPosition(Args& a) {
  a.list(1);
  int32_t i = 0;
  for (const Cons* c = a[1].consPtr(); c; c = c->cdr.consPtr(), ++i)
    if (isEqual(c->car, a[0])) return Value::integer(i);
  return Value();
}

Value sRemove(Args& a) {
  ListBuilder out;
  for (const Value& v : elements(a, 1))
    if (!isEqual(v, a[0])) out.add(v);
  return out.take();
}

template <bool Keep>
Value removeIf(Args& a) {
  ListBuilder out;
  for (const Value& v : elements(a, 1))
    if (call(a, a[0], v).isNil() != Keep) out.add(v);
  return out.take();
}

template <bool Wanted>
Value memberIf(Args& a) {
  const Value* at = &a.list(1);
  while (const Cons* c = at->consPtr()) {
    if (call(a, a[0], c->car).isNil() != Wanted) return *at;
    at = &c->cdr;
  }
  return Value();
}

// vl-some and vl-every walk the lists together and stop at the shortest.
template <class OnResult>
Value walkTogether(Args& a, OnResult onResult) {
  const size_t lists = a.size() - 1;
  std::vector<const Value*> at(lists);
  for (size_t i = 0; i < lists; ++i) at[i] = &a.list(i + 1);
  ArgVec call(lists);
  for (;;) {
    for (size_t i = 0; i < lists; ++i) {
      const Cons* c = at[i]->consPtr();
      if (!c) return Value();
      call[i] = c->car;
      at[i] = &c->cdr;
    }
    Value r = a.env().apply(a[0], call.data(), lists);
    if (onResult(r)) return r;
  }
}

Value sSome(Args& a) {
  return walkTogether(a, [](const Value& r) { return !r.isNil(); });
}

Value sEvery(Args& a) {
  bool failed = false;
  walkTogether(a, [&](const Value& r) { return failed = r.isNil(); });
  return a.truth(!failed);
}

// Merge sort of indexes 0..n-1: `takeLeft(l, r)` says whether the element of
// the left run goes first. Never out of bounds, whatever the comparison does.
template <class TakeLeft>
std::vector<size_t> mergeOrder(size_t n, TakeLeft takeLeft) {
  std::vector<size_t> order(n), scratch(n);
  for (size_t i = 0; i < n; ++i) order[i] = i;
  for (size_t width = 1; width < n; width *= 2) {
    for (size_t lo = 0; lo < n; lo += 2 * width) {
      const size_t mid = std::min(lo + width, n), hi = std::min(lo + 2 * width, n);
      size_t l = lo, r = mid, k = lo;
      while (l < mid && r < hi)
        scratch[k++] = takeLeft(order[l], order[r]) ? order[l++] : order[r++];
      while (l < mid) scratch[k++] = order[l++];
      while (r < hi) scratch[k++] = order[r++];
    }
    order.swap(scratch);
  }
  return order;
}

// The left element goes first only when it strictly precedes the right one:
// equal elements come out last-first, as the host sorts them.
std::vector<size_t> sortedOrder(Args& a, const std::vector<Value>& items) {
  return mergeOrder(items.size(),
                    [&](size_t l, size_t r) { return before(a, a[1], items[l], items[r]); });
}

// Identical atoms (the same number, the same symbol) are kept once; strings
// and lists, each its own object, all stay.
Value sSort(Args& a) {
  const std::vector<Value> items = elements(a, 0);
  ListBuilder out;
  const Value* last = nullptr;
  for (size_t i : sortedOrder(a, items)) {
    if (last && isEq(*last, items[i])) continue;
    out.add(items[i]);
    last = &items[i];
  }
  return out.take();
}

Value sSortI(Args& a) {
  const std::vector<Value> items = elements(a, 0);
  ListBuilder out;
  for (size_t i : sortedOrder(a, items)) out.add(Value::count(i));
  return out.take();
}

Value sConsp(Args& a) { return a.truth(a[0].type() == Type::Cons); }

// (vl-list* 1 2 '(3)) -> (1 2 3); the last argument is the tail.
Value sListStar(Args& a) {
  if (a.size() == 1) return a[0];
  ListBuilder out;
  for (size_t i = 0; i + 1 < a.size(); ++i) out.add(a[i]);
  out.setTail(a[a.size() - 1]);
  return out.take();
}

Value sListLength(Args& a) {
  const long n = listLength(a.list(0));
  return n < 0 ? Value() : Value::count(static_cast<uint64_t>(n));
}

// Byte order, duplicates kept in their order; nil for a list holding anything but texts.
Value sStrlsort(Args& a) {
  const std::vector<Value> items = elements(a, 0);
  for (const Value& v : items)
    if (v.type() != Type::String) return Value();
  const auto text = [&](size_t i) -> const std::string& { return items[i].stringPtr()->text; };
  ListBuilder out;
  for (size_t i :
       mergeOrder(items.size(), [&](size_t l, size_t r) { return !(text(r) < text(l)); }))
    out.add(items[i]);
  return out.take();
}

const Subr kSubrs[] = {
    {"VL-POSITION", sPosition, nullptr, 2, 2},
    {"VL-REMOVE", sRemove, nullptr, 2, 2},
    {"VL-REMOVE-IF", removeIf<false>, nullptr, 2, 2},
    {"VL-REMOVE-IF-NOT", removeIf<true>, nullptr, 2, 2},
    {"VL-MEMBER-IF", memberIf<true>, nullptr, 2, 2},
    {"VL-MEMBER-IF-NOT", memberIf<false>, nullptr, 2, 2},
    {"VL-SOME", sSome, nullptr, 2, -1},
    {"VL-EVERY", sEvery, nullptr, 2, -1},
    {"VL-SORT", sSort, nullptr, 2, 2},
    {"VL-SORT-I", sSortI, nullptr, 2, 2},
    {"VL-CONSP", sConsp, nullptr, 1, 1},
    {"VL-LIST*", sListStar, nullptr, 1, -1},
    {"VL-LIST-LENGTH", sListLength, nullptr, 1, 1},
    {"ACAD_STRLSORT", sStrlsort, nullptr, 1, 1},
};

}  // namespace

void registerVlListSubrs(Environment& env) { env.define(kSubrs, std::size(kSubrs)); }

}  // namespace lisp
