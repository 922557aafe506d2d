// The host's entity functions (acdbEntMake ...) on the current drawing.
#include <charconv>
#include <exception>
#include <string_view>

#include <strings.h>

#include <string>
#include <vector>

#include "acedads.h"
#include "api/drawing_objects.h"
#include "base/guarded_call.h"
#include "base/host_errors.h"
#include "core/session.h"
#include "db/entity_ops.h"
#include "db/entity_resbuf.h"

namespace {

using host::session;

db::Database* currentDb() {
  host::Document* doc = session().currentPtr();
  return doc ? &doc->db() : nullptr;
}

// The entity an ads_name stands for in the current drawing; names of another
// (or a closed) drawing are refused.
bool resolve(const ads_name name, db::Database*& db, size_t& index) {
  db = currentDb();
  if (!db || !name || name[1] != db->serial() || name[0] < 1 ||
      static_cast<uint64_t>(name[0]) > db->entities.size()) {
    session().setErrno(host::kErrInvalidName);
    return false;
  }
  index = static_cast<size_t>(name[0] - 1);
  return true;
}

void setName(ads_name out, const db::Database& db, int64_t index) {
  out[0] = index + 1;
  out[1] = db.serial();
}

// Extended data needs its applications registered (regapp); ACAD always is.
bool applicationsRegistered(const db::Database& db, const resbuf* list) {
  for (const resbuf* rb = list; rb; rb = rb->rbnext)
    if (rb->restype == 1001 && rb->resval.rstring && strcasecmp(rb->resval.rstring, "ACAD") != 0 &&
        !db.appIds.find(rb->resval.rstring)) {
      session().setErrno(host::kErrBadField);
      return false;
    }
  return true;
}

// `result` (entmakex) gets the name of the entity made.
int make(const resbuf* list, ads_name result) {
  db::Database* db = currentDb();
  if (!db) {
    session().setErrno(host::kErrInvalidName);
    return RTERROR;
  }
  if (!applicationsRegistered(*db, list)) return RTERROR;
  // Entities without a layer go on the one CLAYER names.
  const host::SysVar* clayer = session().current().vars().find("CLAYER");
  const db::MakeResult made =
      db::makeFromList(*db, clayer ? clayer->s : std::string(), list, result != nullptr);
  const int error = made.error;
  if (error) {
    session().setErrno(error);
    return RTERROR;  // with ERRNO saying why, for the caller's status check
  }
  if (result) setName(result, *db, made.index);
  return RTNORM;
}

}  // namespace

using host::guardedCall;

extern "C" {

int acdbEntMake(const resbuf* ent) {
  return guardedCall(
      __func__, [&] { return make(ent, nullptr); }, RTERROR);
}

int acdbEntMakeX(const resbuf* ent, ads_name result) {
  return guardedCall(
      __func__, [&] { return make(ent, result); }, RTERROR);
}

resbuf* acdbEntGet(const ads_name ent) { return acdbEntGetX(ent, nullptr); }

resbuf* acdbEntGetX(const ads_name ent, const resbuf* apps) {
  return guardedCall(
      __func__,
      [&]() -> resbuf* {
        if (ent && ent[0] < 0) return host::objectList(ent);
        db::Database* db;
        size_t index;
        if (!resolve(ent, db, index)) return nullptr;
        if (db->entities[index].erased) {
          session().setErrno(host::kErrDeletedEntity);
          return nullptr;
        }
        std::vector<std::string> patterns;
        for (const resbuf* rb = apps; rb; rb = rb->rbnext)
          if (rb->restype == RTSTR && rb->resval.rstring) patterns.emplace_back(rb->resval.rstring);
        return db::entityToList(*db, index, patterns).release();
      },
      static_cast<resbuf*>(nullptr));
}

int acdbRegApp(const ACHAR* appname) {
  return guardedCall(
      __func__,
      [&] {
        db::Database* db = currentDb();
        if (!db || !appname || !db::LayerTable::validName(appname)) return RTERROR;
        if (strcasecmp(appname, "ACAD") == 0 || db->appIds.find(appname)) return RTERROR;
        db->appIds.records.push_back(db::TableRecord{appname, 0, {}});
        return RTNORM;
      },
      RTERROR);
}

int acdbXdSize(const resbuf* rb, int32_t* size) {
  return guardedCall(
      __func__,
      [&] {
        if (!size) return RTERROR;
        *size = static_cast<int32_t>(db::extendedDataSize(rb));
        return RTNORM;
      },
      RTERROR);
}

int acdbXdRoom(const ads_name ent, int32_t* result) {
  return guardedCall(
      __func__,
      [&] {
        db::Database* db;
        size_t index;
        if (!result || !resolve(ent, db, index)) return RTERROR;
        const size_t used = db::extendedDataSize(*db, db->entities[index]);
        *result =
            static_cast<int32_t>(used >= db::kExtendedDataMax ? 0 : db::kExtendedDataMax - used);
        return RTNORM;
      },
      RTERROR);
}

int acdbEntNext(const ads_name ent, ads_name result) {
  return guardedCall(
      __func__,
      [&] {
        db::Database* db = currentDb();
        size_t index = 0;
        int64_t from = -1;
        if (ent) {
          if (!resolve(ent, db, index)) return RTERROR;
          from = static_cast<int64_t>(index);
        } else if (!db) {
          session().setErrno(host::kErrInvalidName);
          return RTERROR;
        }
        const int64_t next = db::nextEntity(*db, from);
        if (next < 0) {
          session().setErrno(host::kErrEndOfEntities);
          return RTERROR;
        }
        if (result) setName(result, *db, next);
        return RTNORM;
      },
      RTERROR);
}

int acdbEntLast(ads_name result) {
  return guardedCall(
      __func__,
      [&] {
        db::Database* db = currentDb();
        const int64_t last = db ? db::lastEntity(*db) : -1;
        if (last < 0) {
          session().setErrno(host::kErrEntLastFailed);
          return RTERROR;
        }
        if (result) setName(result, *db, last);
        return RTNORM;
      },
      RTERROR);
}

int acdbEntDel(const ads_name ent) {
  return guardedCall(
      __func__,
      [&] {
        db::Database* db;
        size_t index;
        if (!resolve(ent, db, index)) return RTERROR;
        if (const int error = db::toggleErased(*db, index)) {
          session().setErrno(error);
          return RTERROR;
        }
        return RTNORM;
      },
      RTERROR);
}

int acdbEntMod(const resbuf* ent) {
  return guardedCall(
      __func__,
      [&] {
        const resbuf* nameGroup = ent;
        while (nameGroup && nameGroup->restype != -1) nameGroup = nameGroup->rbnext;
        db::Database* db;
        size_t index;
        if (!resolve(nameGroup ? nameGroup->resval.rlname : nullptr, db, index)) return RTERROR;
        if (!applicationsRegistered(*db, ent)) return RTERROR;
        std::vector<db::InGroup> groups;
        int error = db::groupsFromList(ent, groups);
        if (!error) error = db::modifyEntity(*db, index, groups);
        if (error) {
          session().setErrno(error);
          return RTERROR;
        }
        return RTNORM;
      },
      RTERROR);
}

int acdbEntUpd(const ads_name ent) {
  return guardedCall(
      __func__,
      [&] {
        db::Database* db;
        size_t index;
        if (!resolve(ent, db, index)) return RTERROR;
        if (db->entities[index].erased) {
          session().setErrno(host::kErrDeletedEntity);
          return RTERROR;
        }
        return RTNORM;  // nothing to redraw on a headless host
      },
      RTERROR);
}

int acdbHandEnt(const ACHAR* handle, ads_name entres) {
  return guardedCall(
      __func__,
      [&] {
        db::Database* db = currentDb();
        const std::string_view text = handle ? handle : "";
        uint64_t value = 0;
        const auto r = std::from_chars(text.data(), text.data() + text.size(), value, 16);
        const bool parsed =
            !text.empty() && r.ec == std::errc() && r.ptr == text.data() + text.size();
        // Erased entities keep their handle for the session, as the host's do.
        const int64_t index = db && parsed ? db->findHandle(value) : -1;
        if (index < 0) {
          session().setErrno(host::kErrInvalidHandle);
          return RTERROR;
        }
        if (entres) setName(entres, *db, index);
        return RTNORM;
      },
      RTERROR);
}

}  // extern "C"
