// Selection sets through the host's C API: ssget ssadd ssdel ssname sslength
// ssmemb. A set made here is owned by its LISP value and freed with it.
#include "acedads.h"
#include "lisp/args.h"
#include "lisp/error.h"
#include "lisp/host_call.h"
#include "lisp/host_link.h"
#include "lisp/resbuf_convert.h"
#include "lisp/subr.h"
#include "lisp/symbols.h"

namespace lisp {

namespace {

// (ssget [mode] [pt1 [pt2] | point-list] [filter])
Value sSsget(Args& a) {
  size_t i = 0;
  std::string mode;
  bool hasMode = false;
  if (a.has(0) && a[0].type() == Type::String) {
    mode = upperAscii(a.string(0));
    if (!mode.empty() && mode[0] == '_') mode.erase(0, 1);
    hasMode = true;
    i = 1;
  }
  double p1[3] = {0, 0, 0}, p2[3] = {0, 0, 0};
  const void* pt1 = nullptr;
  const void* pt2 = nullptr;
  RbList fence;
  if (hasMode && (mode == "C" || mode == "W")) {
    if (!a.has(i + 1)) raise(kTooFewArgs);
    a.point(i, p1);
    a.point(i + 1, p2);
    pt1 = p1;
    pt2 = p2;
    i += 2;
  } else if (hasMode && (mode == "F" || mode == "T" || mode == "CP" || mode == "WP")) {
    if (!a.has(i)) raise(kTooFewArgs);
    RbBuilder points;
    for (const Cons* c = a.list(i).consPtr(); c; c = c->cdr.consPtr()) {
      double p[3];
      bool is3d = false;
      if (!readPoint(c->car, p, &is3d)) raiseType("point 2D/3D", c->car);
      points.addPoint(is3d ? RT3DPOINT : RTPOINT, p);
    }
    fence = points.take();
    pt1 = fence.get();
    ++i;
  } else if (!hasMode && a.has(0) && readPoint(a[0], p1)) {
    pt1 = p1;  // the entity at that point
    i = 1;
  }
  RbList filter;
  if (a.has(i)) filter = entityListToResbuf(a.env(), a.list(i++));
  if (a.has(i)) raise(kTooManyArgs);
  ads_name set = {0, 0};
  const int status = acedSSGet(hasMode ? mode.c_str() : nullptr, pt1, pt2, filter.get(), set);
  stopIfCancelled(status);
  return status == RTNORM ? a.env().pickSet(set) : Value();
}

Value sSsadd(Args& a) {
  ads_name result = {0, 0};
  const int64_t* entity = a.given(0) ? a.ename(0) : nullptr;
  if (a.given(1)) {
    return acedSSAdd(entity, a.pickSet(1)->name, result) == RTNORM ? a[1] : Value();
  }
  if (acedSSAdd(entity, nullptr, result) != RTNORM) return Value();
  return a.env().pickSet(result);
}

Value sSsdel(Args& a) {
  return acedSSDel(a.ename(0), a.pickSet(1)->name) == RTNORM ? a[1] : Value();
}

Value sSsname(Args& a) {
  const double index = a.number(1);
  if (index < 0 || index > INT32_MAX) return Value();
  ads_name entity = {0, 0};
  if (acedSSName(a.pickSet(0)->name, static_cast<int32_t>(index), entity) != RTNORM) return Value();
  return makeEname(entity);
}

Value sSslength(Args& a) {
  int32_t n = 0;
  if (acedSSLength(a.pickSet(0)->name, &n) != RTNORM) return Value();
  return Value::integer(n);
}

Value sSsmemb(Args& a) {
  return acedSSMemb(a.ename(0), a.pickSet(1)->name) == RTNORM ? a[0] : Value();
}

// (ssnamex ss [index]): how each entity was selected. The sets here do not
// keep the way of their picks, so each is given as selected without a
// particular method: (0 ename 0).
Value sSsnamex(Args& a) {
  PickSet* set = a.pickSet(0);
  int32_t n = 0;
  if (acedSSLength(set->name, &n) != RTNORM) return Value();
  int32_t first = 0, last = n;
  if (a.given(1)) {
    first = a.integer(1);
    if (first < 0 || first >= n) return Value();
    last = first + 1;
  }
  ListBuilder out;
  for (int32_t i = first; i < last; ++i) {
    ads_name entity = {0, 0};
    if (acedSSName(set->name, i, entity) != RTNORM) continue;
    out.add(cons(Value::integer(0), cons(makeEname(entity), cons(Value::integer(0), Value()))));
  }
  return out.take();
}

const Subr kSubrs[] = {
    {"SSGET", sSsget, nullptr, 0, 4},       {"SSADD", sSsadd, nullptr, 0, 2},
    {"SSDEL", sSsdel, nullptr, 2, 2},       {"SSNAME", sSsname, nullptr, 2, 2},
    {"SSLENGTH", sSslength, nullptr, 1, 1}, {"SSMEMB", sSsmemb, nullptr, 2, 2},
    {"SSNAMEX", sSsnamex, nullptr, 1, 2},
};

void registerSelectionSubrs(Environment& env) { env.define(kSubrs, std::size(kSubrs)); }

const SubrGroup kGroup(registerSelectionSubrs);

void freeSet(const int64_t name[2]) { acedSSFree(name); }
const PickSetRelease kRelease(freeSet);

}  // namespace

}  // namespace lisp
