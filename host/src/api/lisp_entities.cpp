// Entities and symbol tables through the host's C API: entmake entmakex
// entget entnext entlast entdel entmod entupd handent tblnext tblsearch.
#include "acedads.h"
#include "lisp/args.h"
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

Value sEntget(Args& a) {
  const int64_t* name = a.ename(0);
  if (a.has(1)) a.list(1);  // application names: extended data comes with every group list
  RbList groups(acdbEntGet(name));
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

const Subr kSubrs[] = {
    {"ENTMAKE", sEntmake, nullptr, 0, 1},     {"ENTMAKEX", sEntmakex, nullptr, 1, 1},
    {"ENTGET", sEntget, nullptr, 1, 2},       {"ENTNEXT", sEntnext, nullptr, 0, 1},
    {"ENTLAST", sEntlast, nullptr, 0, 0},     {"ENTDEL", sEntdel, nullptr, 1, 1},
    {"ENTMOD", sEntmod, nullptr, 1, 1},       {"ENTUPD", sEntupd, nullptr, 1, 1},
    {"HANDENT", sHandent, nullptr, 1, 1},     {"TBLNEXT", sTblnext, nullptr, 1, 2},
    {"TBLSEARCH", sTblsearch, nullptr, 2, 3},
};

void registerEntitySubrs(Environment& env) { env.define(kSubrs, std::size(kSubrs)); }

const SubrGroup kGroup(registerEntitySubrs);

}  // namespace

}  // namespace lisp
