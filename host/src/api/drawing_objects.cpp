// Table records and dictionaries by name: acdbTblObjName, acdbNamedObjDict,
// acdbDictSearch. The root dictionary holds ACAD_LAYOUT (the layouts) and
// ACAD_GROUP (empty: groups are not kept as objects here).
#include "api/drawing_objects.h"

#include <strings.h>

#include <string>
#include <vector>

#include "acedads.h"
#include "base/context.h"
#include "base/guarded_call.h"
#include "base/host_errors.h"
#include "base/resbuf_list.h"
#include "core/session.h"

namespace host {

namespace {

// What a name stands for: a record of a table, or a dictionary ("" the root),
// or a layout.
struct ObjectRef {
  int64_t serial = 0;
  std::string kind;  // a table name, "DICTIONARY" or "LAYOUT"
  std::string name;
};

struct ObjectNames {
  std::vector<ObjectRef> refs;
};

db::Database* currentDb() {
  Document* doc = session().currentPtr();
  return doc ? &doc->db() : nullptr;
}

// The same object always gets the same name.
bool nameFor(const std::string& kind, const std::string& name, ads_name out) {
  db::Database* db = currentDb();
  if (!db) return false;
  auto& refs = context().state<ObjectNames>().refs;
  size_t i = 0;
  while (i < refs.size() &&
         !(refs[i].serial == db->serial() && strcasecmp(refs[i].kind.c_str(), kind.c_str()) == 0 &&
           strcasecmp(refs[i].name.c_str(), name.c_str()) == 0))
    ++i;
  if (i == refs.size()) refs.push_back({db->serial(), kind, name});
  out[0] = -static_cast<int64_t>(i) - 1;
  out[1] = db->serial();
  return true;
}

const ObjectRef* refOf(const ads_name name) {
  db::Database* db = currentDb();
  const auto& refs = context().state<ObjectNames>().refs;
  if (!db || !name || name[0] >= 0 || name[1] != db->serial()) return nullptr;
  const size_t i = static_cast<size_t>(-(name[0] + 1));
  return i < refs.size() ? &refs[i] : nullptr;
}

// The entries of a dictionary: name and what it names.
std::vector<std::pair<std::string, ObjectRef>> entriesOf(const ObjectRef& dict) {
  std::vector<std::pair<std::string, ObjectRef>> out;
  if (dict.name.empty()) {
    out.push_back({"ACAD_GROUP", {dict.serial, "DICTIONARY", "ACAD_GROUP"}});
    out.push_back({"ACAD_LAYOUT", {dict.serial, "DICTIONARY", "ACAD_LAYOUT"}});
  } else if (dict.name == "ACAD_LAYOUT") {
    for (const char* layout : kLayoutNames)
      out.push_back({layout, {dict.serial, "LAYOUT", layout}});
  }
  return out;
}

resbuf* listOf(const ads_name name, const ObjectRef& ref) {
  RbListBuilder list;
  list.addName(-1, name);
  if (ref.kind == "DICTIONARY") {
    list.addText(0, "DICTIONARY");
    list.addText(100, "AcDbDictionary");
    for (const auto& [key, target] : entriesOf(ref)) {
      ads_name entry = {0, 0};
      if (!nameFor(target.kind, target.name, entry)) continue;
      list.addText(3, key);
      list.addName(350, entry);
    }
    return list.release();
  }
  if (ref.kind == "LAYOUT") {
    list.addText(0, "LAYOUT");
    list.addText(100, "AcDbLayout");
    list.addText(1, ref.name);
    return list.release();
  }
  resbuf* record = acdbTblSearch(ref.kind.c_str(), ref.name.c_str(), 0);
  if (!record) return nullptr;
  resbuf* head = list.release();
  head->rbnext = record;
  return head;
}

}  // namespace

resbuf* objectList(const ads_name name) {
  const ObjectRef* ref = refOf(name);
  if (!ref) {
    session().setErrno(kErrInvalidName);
    return nullptr;
  }
  const ObjectRef copy = *ref;  // naming the entries may grow the list
  return listOf(name, copy);
}

}  // namespace host

using host::guardedCall;

extern "C" {

int acdbTblObjName(const ACHAR* tblname, const ACHAR* sym, ads_name result) {
  return guardedCall(
      __func__,
      [&] {
        if (!tblname || !sym || !result) return RTERROR;
        resbuf* record = acdbTblSearch(tblname, sym, 0);
        if (!record) return RTERROR;
        acutRelRb(record);
        return host::nameFor(tblname, sym, result) ? RTNORM : RTERROR;
      },
      RTERROR);
}

int acdbNamedObjDict(ads_name result) {
  return guardedCall(
      __func__,
      [&] { return result && host::nameFor("DICTIONARY", "", result) ? RTNORM : RTERROR; },
      RTERROR);
}

resbuf* acdbDictSearch(const ads_name dict, const ACHAR* sym, int setnext) {
  (void)setnext;  // dictionaries are not walked with dictnext here
  return guardedCall(
      __func__,
      [&]() -> resbuf* {
        const host::ObjectRef* ref = host::refOf(dict);
        if (!ref || ref->kind != "DICTIONARY" || !sym) return nullptr;
        for (const auto& [key, target] : host::entriesOf(*ref)) {
          if (strcasecmp(key.c_str(), sym) != 0) continue;
          ads_name entry = {0, 0};
          if (!host::nameFor(target.kind, target.name, entry)) return nullptr;
          return host::objectList(entry);
        }
        return nullptr;
      },
      static_cast<resbuf*>(nullptr));
}

}  // extern "C"
