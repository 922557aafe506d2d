// The ADS selection-set functions other than ssget: length, members, adding,
// removing, membership and freeing.
#include <exception>
#include <string>

#include "acedads.h"
#include "base/guarded_call.h"
#include "base/host_errors.h"
#include "core/session.h"
#include "db/entity_names.h"
#include "select/selection_sets.h"

namespace host {

namespace {

int fail(int err) {
  session().setErrno(err);
  return RTERROR;
}

// 0 when `name` is a live entity of an open drawing, else the ERRNO to report.
int checkEntity(const int64_t* name) {
  Session& s = session();
  for (size_t d = 0; d < s.documentCount(); ++d) {
    const db::Database& db = s.document(d).db();
    const int64_t i = indexOfName(db, name);
    if (i < 0) continue;
    return db.entities[static_cast<size_t>(i)].erased ? kErrDeletedEntity : 0;
  }
  return kErrInvalidName;
}

EntName toName(const int64_t* n) { return {n[0], n[1]}; }

}  // namespace
}  // namespace host

using host::fail;
using host::guardedCall;
using host::session;

extern "C" {

int acedSSLength(const ads_name ss, int32_t* len) {
  return guardedCall("sslength", [&] {
    const host::SelectionSet* set = host::selectionSets().find(ss);
    if (!set || !len) return fail(host::kErrInvalidName);
    *len = static_cast<int32_t>(set->size());
    return RTNORM;
  });
}

int acedSSName(const ads_name ss, int32_t i, ads_name entres) {
  return guardedCall("ssname", [&] {
    const host::SelectionSet* set = host::selectionSets().find(ss);
    if (!set || !entres) return fail(host::kErrInvalidName);
    if (i < 0 || static_cast<size_t>(i) >= set->size()) return RTERROR;
    entres[0] = set->at(static_cast<size_t>(i))[0];
    entres[1] = set->at(static_cast<size_t>(i))[1];
    return RTNORM;
  });
}

int acedSSAdd(const ads_name ename, const ads_name sname, ads_name result) {
  return guardedCall("ssadd", [&] {
    if (!result) return fail(host::kErrNullPointer);
    host::SelectionSets& sets = host::selectionSets();
    if (ename) {
      if (const int err = host::checkEntity(ename)) return fail(err);
    }
    if (!sname) {
      // A new set, empty or holding the one entity.
      ads_name made;
      host::SelectionSet* set = sets.create(made);
      if (!set) return fail(host::kErrTooManySelectionSets);
      if (ename) set->add(host::toName(ename));
      result[0] = made[0];
      result[1] = made[1];
      return RTNORM;
    }
    host::SelectionSet* set = sets.find(sname);
    if (!set) return fail(host::kErrInvalidName);
    if (ename) set->add(host::toName(ename));
    result[0] = sname[0];
    result[1] = sname[1];
    return RTNORM;
  });
}

int acedSSDel(const ads_name ename, const ads_name ss) {
  return guardedCall("ssdel", [&] {
    host::SelectionSet* set = host::selectionSets().find(ss);
    if (!set || !ename) return fail(host::kErrInvalidName);
    return set->remove(host::toName(ename)) ? RTNORM : RTERROR;
  });
}

int acedSSMemb(const ads_name ename, const ads_name ss) {
  return guardedCall("ssmemb", [&] {
    const host::SelectionSet* set = host::selectionSets().find(ss);
    if (!set || !ename) return fail(host::kErrInvalidName);
    return set->contains(host::toName(ename)) ? RTNORM : RTERROR;
  });
}

int acedSSFree(const ads_name sname) {
  return guardedCall("ssfree", [&] {
    return host::selectionSets().release(sname) ? RTNORM : fail(host::kErrInvalidName);
  });
}

}  // extern "C"
