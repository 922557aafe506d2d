// The host's symbol-table functions (acdbTblNext, acdbTblSearch): the layer
// table is the one this host keeps; the other tables are empty.
#include <exception>
#include <strings.h>

#include "api/guarded_call.h"
#include "acedads.h"
#include "core/host_errors.h"
#include "core/session.h"
#include "db/resbuf_list.h"

namespace {

using host::session;

enum class Table { Layer, Empty, Unknown };

Table tableOf(const ACHAR* name) {
  if (!name) return Table::Unknown;
  if (strcasecmp(name, "LAYER") == 0) return Table::Layer;
  for (const char* other : {"LTYPE", "VIEW", "STYLE", "BLOCK", "UCS", "APPID", "DIMSTYLE", "VPORT"})
    if (strcasecmp(name, other) == 0) return Table::Empty;
  return Table::Unknown;
}

// The database the call works on, or nullptr (ERRNO set) when it answers nil.
db::Database* layerTableOf(const ACHAR* tblname) {
  const Table t = tableOf(tblname);
  if (t == Table::Unknown) session().setErrno(host::kErrInvalidTableName);
  host::Document* doc = session().currentPtr();
  return t == Table::Layer && doc ? &doc->db() : nullptr;
}

resbuf* layerRecord(const db::Database& db, uint32_t index) {
  const db::Layer& layer = db.layers.at(index);
  db::RbListBuilder list;
  list.appendText(0, "LAYER");
  list.appendText(2, layer.name);
  list.appendInt(70, layer.flags);
  list.appendInt(62, layer.color);
  list.appendText(6, layer.linetype);
  return list.release();
}


}  // namespace

using host::guardedCall;

extern "C" {

resbuf* acdbTblNext(const ACHAR* tblname, int rewind) {
  return guardedCall(__func__, [&]() -> resbuf* {
    db::Database* db = layerTableOf(tblname);
    if (!db) return nullptr;
    if (rewind) db->layerCursor = 0;
    if (db->layerCursor >= db->layers.size()) return nullptr;
    return layerRecord(*db, db->layerCursor++);
  });
}

resbuf* acdbTblSearch(const ACHAR* tblname, const ACHAR* sym, int setnext) {
  return guardedCall(__func__, [&]() -> resbuf* {
    db::Database* db = layerTableOf(tblname);
    if (!db || !sym) return nullptr;
    const int index = db->layers.find(sym);
    if (index < 0) return nullptr;
    if (setnext) db->layerCursor = static_cast<uint32_t>(index) + 1;
    return layerRecord(*db, static_cast<uint32_t>(index));
  });
}

}  // extern "C"
