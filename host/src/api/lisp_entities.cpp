// Entities and symbol tables through the host's C API: entmake entmakex
// entget entnext entlast entdel entmod entupd handent tblnext tblsearch,
// extended data (regapp xdsize xdroom), tblobjname namedobjdict dictsearch layoutlist.
#include <strings.h>

#include "acedads.h"
#include "lisp/args.h"
#include "lisp/error.h"
#include "lisp/host_link.h"
#include "lisp/resbuf_convert.h"
#include "lisp/subr.h"

namespace lisp {

namespace {

Value nameResult(int status, const ads_name name) {
  return status == RTNORM ? makeEname(name) : Value();
}

Value sEntmake(Args& a) {
  if (!a.given(0)) {
    acdbEntMake(nullptr);  // drops a complex entity under construction
    return Value();
  }
  RbList groups = entityListToResbuf(a.env(), a[0]);
  return acdbEntMake(groups.get()) == RTNORM ? a[0] : Value();
}

Value sEntmakex(Args& a) {
  RbList groups = entityListToResbuf(a.env(), a.list(0));
  ads_name made = {0, 0};
  return nameResult(acdbEntMakeX(groups.get(), made), made);
}

// (entget ename [apps]): the extended data of the applications named comes after -3.
Value sEntget(Args& a) {
  const int64_t* name = a.ename(0);
  RbBuilder apps;
  if (a.has(1))
    for (const Cons* c = a.list(1).consPtr(); c; c = c->cdr.consPtr()) {
      if (c->car.type() != Type::String) raiseType("stringp", c->car);
      apps.addText(RTSTR, c->car.stringPtr()->text);
    }
  RbList appList = apps.take();
  RbList groups(acdbEntGetX(name, appList.get()));
  if (!groups) return Value();
  return resbufToEntityList(a.env(), groups.get());
}

Value sEntnext(Args& a) {
  ads_name next = {0, 0};
  const int64_t* from = a.given(0) ? a.ename(0) : nullptr;
  return nameResult(acdbEntNext(from, next), next);
}

Value sEntlast(Args&) {
  ads_name last = {0, 0};
  return nameResult(acdbEntLast(last), last);
}

Value sEntdel(Args& a) { return acdbEntDel(a.ename(0)) == RTNORM ? a[0] : Value(); }

Value sEntmod(Args& a) {
  RbList groups = entityListToResbuf(a.env(), a.list(0));
  return acdbEntMod(groups.get()) == RTNORM ? a[0] : Value();
}

Value sEntupd(Args& a) { return acdbEntUpd(a.ename(0)) == RTNORM ? a[0] : Value(); }

Value sHandent(Args& a) {
  ads_name found = {0, 0};
  return nameResult(acdbHandEnt(a.string(0).c_str(), found), found);
}

Value sTblnext(Args& a) {
  RbList record(acdbTblNext(a.string(0).c_str(), a.given(1) ? 1 : 0));
  return record ? resbufToEntityList(a.env(), record.get()) : Value();
}

Value sTblsearch(Args& a) {
  RbList record(acdbTblSearch(a.string(0).c_str(), a.string(1).c_str(), a.given(2) ? 1 : 0));
  return record ? resbufToEntityList(a.env(), record.get()) : Value();
}

Value sRegapp(Args& a) { return acdbRegApp(a.string(0).c_str()) == RTNORM ? a[0] : Value(); }

// (xdsize list): the list is that of the -3 group, ((app group...) ...).
Value sXdsize(Args& a) {
  a.list(0);
  RbList groups = entityListToResbuf(a.env(), cons(cons(Value::integer(-3), a[0]), Value()));
  int32_t size = 0;
  if (acdbXdSize(groups.get(), &size) != RTNORM) return Value();
  return Value::integer(size);
}

Value sXdroom(Args& a) {
  int32_t room = 0;
  return acdbXdRoom(a.ename(0), &room) == RTNORM ? Value::integer(room) : Value();
}

Value sTblobjname(Args& a) {
  ads_name found = {0, 0};
  return nameResult(acdbTblObjName(a.string(0).c_str(), a.string(1).c_str(), found), found);
}

Value sNamedobjdict(Args&) {
  ads_name root = {0, 0};
  return nameResult(acdbNamedObjDict(root), root);
}

Value sDictsearch(Args& a) {
  RbList entry(acdbDictSearch(a.ename(0), a.string(1).c_str(), a.given(2) ? 1 : 0));
  return entry ? resbufToEntityList(a.env(), entry.get()) : Value();
}

// The paper-space layouts, from the layout dictionary.
Value sLayoutlist(Args&) {
  ads_name root = {0, 0};
  if (acdbNamedObjDict(root) != RTNORM) return Value();
  RbList layouts(acdbDictSearch(root, "ACAD_LAYOUT", 0));
  ListBuilder out;
  for (const resbuf* rb = layouts.get(); rb; rb = rb->rbnext)
    if (rb->restype == 3 && rb->resval.rstring && strcasecmp(rb->resval.rstring, "Model") != 0)
      out.add(makeString(rb->resval.rstring));
  return out.take();
}

const Subr kSubrs[] = {
    {"ENTMAKE", sEntmake, nullptr, 0, 1},       {"ENTMAKEX", sEntmakex, nullptr, 1, 1},
    {"ENTGET", sEntget, nullptr, 1, 2},         {"ENTNEXT", sEntnext, nullptr, 0, 1},
    {"ENTLAST", sEntlast, nullptr, 0, 0},       {"ENTDEL", sEntdel, nullptr, 1, 1},
    {"ENTMOD", sEntmod, nullptr, 1, 1},         {"ENTUPD", sEntupd, nullptr, 1, 1},
    {"HANDENT", sHandent, nullptr, 1, 1},       {"TBLNEXT", sTblnext, nullptr, 1, 2},
    {"TBLSEARCH", sTblsearch, nullptr, 2, 3},   {"REGAPP", sRegapp, nullptr, 1, 1},
    {"XDSIZE", sXdsize, nullptr, 1, 1},         {"XDROOM", sXdroom, nullptr, 1, 1},
    {"TBLOBJNAME", sTblobjname, nullptr, 2, 2}, {"NAMEDOBJDICT", sNamedobjdict, nullptr, 0, 0},
    {"DICTSEARCH", sDictsearch, nullptr, 2, 3}, {"LAYOUTLIST", sLayoutlist, nullptr, 0, 0},
};

void registerEntitySubrs(Environment& env) { env.define(kSubrs, std::size(kSubrs)); }

const SubrGroup kGroup(registerEntitySubrs);

}  // namespace

}  // namespace lisp
