// The host's symbol-table functions (acdbTblNext, acdbTblSearch): the layer
// table, and the line types and text styles made by entmake; the other tables
// are empty.
#include <strings.h>
#include <exception>

#include "acedads.h"
#include "base/guarded_call.h"
#include "base/host_errors.h"
#include "base/resbuf_list.h"
#include "core/session.h"
#include "db/entity_resbuf.h"

namespace {

using host::session;

enum class Table { Layer, Linetype, Style, AppId, Empty, Unknown };

Table tableOf(const ACHAR* name) {
  if (!name) return Table::Unknown;
  if (strcasecmp(name, "LAYER") == 0) return Table::Layer;
  if (strcasecmp(name, "LTYPE") == 0) return Table::Linetype;
  if (strcasecmp(name, "STYLE") == 0) return Table::Style;
  if (strcasecmp(name, "APPID") == 0) return Table::AppId;
  for (const char* other : {"VIEW", "BLOCK", "UCS", "DIMSTYLE", "VPORT"})
    if (strcasecmp(name, other) == 0) return Table::Empty;
  return Table::Unknown;
}

// The database the call works on, or nullptr (ERRNO set) when it answers nil.
db::Database* databaseFor(Table t) {
  if (t == Table::Unknown) session().setErrno(host::kErrInvalidTableName);
  host::Document* doc = session().currentPtr();
  return t != Table::Unknown && t != Table::Empty && doc ? &doc->db() : nullptr;
}

resbuf* layerRecord(const db::Database& db, uint32_t index) {
  const db::Layer& layer = db.layers.at(index);
  host::RbListBuilder list;
  list.addText(0, "LAYER");
  list.addText(2, layer.name);
  list.addInt(70, layer.flags);
  list.addInt(62, layer.color);
  list.addText(6, layer.linetype);
  return list.release();
}

resbuf* otherRecord(const db::Database& db, const char* type, const db::TableRecord& r) {
  host::RbListBuilder list;
  list.addText(0, type);
  list.addText(2, r.name);
  list.addInt(70, r.flags);
  for (const db::Group& g : r.groups) db::appendGroup(list, db, g);
  return list.release();
}

db::RecordTable& recordsOf(db::Database& db, Table t) {
  return t == Table::Linetype ? db.linetypes : t == Table::AppId ? db.appIds : db.textStyles;
}
const char* typeOf(Table t) {
  return t == Table::Linetype ? "LTYPE" : t == Table::AppId ? "APPID" : "STYLE";
}

}  // namespace

using host::guardedCall;

extern "C" {

resbuf* acdbTblNext(const ACHAR* tblname, int rewind) {
  return guardedCall(__func__, [&]() -> resbuf* {
    const Table t = tableOf(tblname);
    db::Database* db = databaseFor(t);
    if (!db) return nullptr;
    if (t == Table::Layer) {
      if (rewind) db->layerCursor = 0;
      if (db->layerCursor >= db->layers.size()) return nullptr;
      return layerRecord(*db, db->layerCursor++);
    }
    db::RecordTable& table = recordsOf(*db, t);
    if (rewind) table.cursor = 0;
    if (table.cursor >= table.records.size()) return nullptr;
    return otherRecord(*db, typeOf(t), table.records[table.cursor++]);
  });
}

resbuf* acdbTblSearch(const ACHAR* tblname, const ACHAR* sym, int setnext) {
  return guardedCall(__func__, [&]() -> resbuf* {
    const Table t = tableOf(tblname);
    db::Database* db = databaseFor(t);
    if (!db || !sym) return nullptr;
    if (t == Table::Layer) {
      const int index = db->layers.find(sym);
      if (index < 0) return nullptr;
      if (setnext) db->layerCursor = static_cast<uint32_t>(index) + 1;
      return layerRecord(*db, static_cast<uint32_t>(index));
    }
    db::RecordTable& table = recordsOf(*db, t);
    const db::TableRecord* found = table.find(sym);
    if (!found) return nullptr;
    if (setnext) table.cursor = static_cast<uint32_t>(found - table.records.data()) + 1;
    return otherRecord(*db, typeOf(t), *found);
  });
}

}  // extern "C"
