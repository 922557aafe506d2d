// The DXF writer: an R2000 file with the tables, blocks and objects that
// readers expect around the drawing's layers and entities.
#include <strings.h>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "db/entity_classes.h"
#include "dxf/drawing_names.h"
#include "dxf/dxf.h"
#include "dxf/output.h"
#include "platform.h"

namespace dxf {

namespace {

struct Named {
  std::string name;
  uint64_t handle = 0;
};

struct Table {
  const char* name;
  const char* recordClass;
  uint64_t handle = 0;
  std::vector<Named> entries;
};

struct Block {
  std::string name;
  uint64_t record = 0, begin = 0, end = 0;
  bool paper = false;
};

class Writer {
 public:
  Writer(const db::Database& db, Output& out) : db_(db), out_(out), next_(db.nextHandle) { plan(); }
  void write();

 private:
  uint64_t newHandle() { return next_++; }
  void plan();
  Table& addTable(const char* name, const char* recordClass, std::vector<std::string> names);
  void header();
  void tables();
  void table(const Table& t);
  void tableEntry(const Table& t, const Named& e, size_t index);
  void blocks();
  void entities();
  void entity(const db::Entity& e);
  // `flat`: a point written without its Z (LWPOLYLINE vertices).
  void group(const db::Group& g, bool flat = false);
  void objects();
  void section(const char* name) {
    out_.raw(0, "SECTION");
    out_.raw(2, name);
  }
  void endSection() { out_.raw(0, "ENDSEC"); }

  const db::Database& db_;
  Output& out_;
  uint64_t next_;
  std::vector<Table> tables_;
  std::vector<Block> blocks_;
  uint64_t rootDictionary_ = 0, groupDictionary_ = 0;
  // The POLYLINE or INSERT whose sub-entities are being written.
  uint64_t owner_ = 0;
  int ownerFlags_ = 0;
};

std::vector<std::string> merged(std::vector<std::string> fixed, const NameSet& used) {
  NameSet all;
  for (const auto& n : fixed) all.add(n);
  for (const auto& n : used.names) all.add(n);
  return all.names;
}

Table& Writer::addTable(const char* name, const char* recordClass, std::vector<std::string> names) {
  Table t{name, recordClass, newHandle(), {}};
  for (auto& n : names) t.entries.push_back(Named{std::move(n), newHandle()});
  tables_.push_back(std::move(t));
  return tables_.back();
}

void Writer::plan() {
  NameSet linetypes = usedNames(db_, 6);
  for (uint32_t i = 0; i < db_.layers.size(); ++i) linetypes.add(db_.layers.at(i).linetype);
  for (const db::TableRecord& r : db_.linetypes.records) linetypes.add(r.name);
  NameSet styles = usedNames(db_, 7);
  for (const db::TableRecord& r : db_.textStyles.records) styles.add(r.name);
  std::vector<std::string> layers;
  for (uint32_t i = 0; i < db_.layers.size(); ++i) layers.push_back(db_.layers.at(i).name);
  std::vector<std::string> blockNames = {"*Model_Space", "*Paper_Space"};
  NameSet insertedBlocks;
  for (const db::Entity& e : db_.entities)
    if (!e.erased && e.type == db::EntityType::Insert)
      if (const db::Group* g = db_.find(e, 2); g && g->kind == db::Group::Text)
        insertedBlocks.add(db_.text(*g));
  blockNames = merged(blockNames, insertedBlocks);

  addTable("VPORT", "AcDbViewportTableRecord", {"*Active"});
  addTable("LTYPE", "AcDbLinetypeTableRecord",
           merged({"ByBlock", "ByLayer", "Continuous"}, linetypes));
  addTable("LAYER", "AcDbLayerTableRecord", layers);
  addTable("STYLE", "AcDbTextStyleTableRecord", merged({"Standard"}, styles));
  addTable("VIEW", "AcDbViewTableRecord", {});
  addTable("UCS", "AcDbUCSTableRecord", {});
  NameSet apps = usedNames(db_, 1001);
  for (const db::TableRecord& r : db_.appIds.records) apps.add(r.name);
  addTable("APPID", "AcDbRegAppTableRecord", merged({"ACAD"}, apps));
  addTable("DIMSTYLE", "AcDbDimStyleTableRecord", {"Standard"});
  Table& records = addTable("BLOCK_RECORD", "AcDbBlockTableRecord", blockNames);
  for (size_t i = 0; i < records.entries.size(); ++i) {
    Block b{records.entries[i].name, records.entries[i].handle, newHandle(), newHandle(), i == 1};
    blocks_.push_back(std::move(b));
  }
  rootDictionary_ = newHandle();
  groupDictionary_ = newHandle();
}

void Writer::write() {
  header();
  tables();
  blocks();
  entities();
  objects();
  out_.raw(0, "EOF");
}

void Writer::header() {
  section("HEADER");
  out_.raw(9, "$ACADVER");
  out_.raw(1, "AC1015");
  out_.raw(9, "$DWGCODEPAGE");
  out_.raw(3, "ANSI_1252");
  out_.raw(9, "$HANDSEED");
  out_.handle(5, next_);
  out_.raw(9, "$CLAYER");
  out_.text(8, db_.layers.at(db_.currentLayer).name);
  for (const db::HeaderVar& v : db_.header) {
    bool own = false;
    for (const char* n : {"$ACADVER", "$DWGCODEPAGE", "$HANDSEED", "$CLAYER"})
      own = own || strcasecmp(v.name.c_str(), n) == 0;
    if (own || v.name.empty()) continue;
    out_.text(9, v.name);
    for (const auto& [code, value] : v.groups) {
      if (db::kindOfCode(code) == db::Group::Text) {
        out_.text(code, value);
      } else {
        out_.raw(code, value);
      }
    }
  }
  endSection();
}

void Writer::tables() {
  section("TABLES");
  for (const Table& t : tables_) table(t);
  endSection();
}

void Writer::table(const Table& t) {
  const bool dimstyle = std::strcmp(t.name, "DIMSTYLE") == 0;
  out_.raw(0, "TABLE");
  out_.raw(2, t.name);
  out_.handle(5, t.handle);
  out_.raw(330, "0");
  out_.raw(100, "AcDbSymbolTable");
  out_.integer(70, static_cast<int64_t>(t.entries.size()));
  if (dimstyle) out_.raw(100, "AcDbDimStyleTable");
  for (size_t i = 0; i < t.entries.size(); ++i) tableEntry(t, t.entries[i], i);
  out_.raw(0, "ENDTAB");
}

void Writer::tableEntry(const Table& t, const Named& e, size_t index) {
  const std::string_view type = t.name;
  out_.raw(0, type);
  out_.handle(type == "DIMSTYLE" ? 105 : 5, e.handle);
  out_.handle(330, t.handle);
  out_.raw(100, "AcDbSymbolTableRecord");
  out_.raw(100, t.recordClass);
  out_.text(2, e.name);
  if (type == "LAYER") {
    const db::Layer& layer = db_.layers.at(static_cast<uint32_t>(index));
    out_.integer(70, layer.flags);
    out_.integer(62, layer.color);
    out_.text(6, layer.linetype);
    return;
  }
  const db::RecordTable* made = type == "LTYPE"   ? &db_.linetypes
                                : type == "STYLE" ? &db_.textStyles
                                                  : nullptr;
  if (const db::TableRecord* r = made ? made->find(e.name) : nullptr) {
    out_.integer(70, r->flags);
    for (const db::Group& g : r->groups) group(g);
    return;
  }
  out_.integer(70, 0);
  if (type == "VPORT") {
    out_.real(10, 0.0);
    out_.real(20, 0.0);
    out_.real(11, 1.0);
    out_.real(21, 1.0);
    out_.real(12, 0.0);
    out_.real(22, 0.0);
    out_.real(40, 100.0);
    out_.real(41, 1.5);
  } else if (type == "LTYPE") {
    out_.raw(3, "");
    out_.integer(72, 65);
    out_.integer(73, 0);
    out_.real(40, 0.0);
  } else if (type == "STYLE") {
    out_.real(40, 0.0);
    out_.real(41, 1.0);
    out_.real(50, 0.0);
    out_.integer(71, 0);
    out_.real(42, 2.5);
    out_.raw(3, "txt");
    out_.raw(4, "");
  }
}

void Writer::blocks() {
  section("BLOCKS");
  for (const Block& b : blocks_) {
    out_.raw(0, "BLOCK");
    out_.handle(5, b.begin);
    out_.handle(330, b.record);
    out_.raw(100, "AcDbEntity");
    if (b.paper) out_.integer(67, 1);
    out_.raw(8, "0");
    out_.raw(100, "AcDbBlockBegin");
    out_.text(2, b.name);
    out_.integer(70, 0);
    out_.real(10, 0.0);
    out_.real(20, 0.0);
    out_.real(30, 0.0);
    out_.text(3, b.name);
    out_.raw(1, "");
    out_.raw(0, "ENDBLK");
    out_.handle(5, b.end);
    out_.handle(330, b.record);
    out_.raw(100, "AcDbEntity");
    if (b.paper) out_.integer(67, 1);
    out_.raw(8, "0");
    out_.raw(100, "AcDbBlockEnd");
  }
  endSection();
}

void Writer::entities() {
  section("ENTITIES");
  for (const db::Entity& e : db_.entities)
    if (!e.erased) entity(e);
  endSection();
}

void Writer::entity(const db::Entity& e) {
  using db::EntityType;
  const db::Group* flagsGroup = db_.find(e, 70);
  const int flags = flagsGroup ? static_cast<int>(flagsGroup->asInt()) : 0;
  const bool paper = [&] {
    const db::Group* g = db_.find(e, 67);
    return g && g->asInt() != 0;
  }();
  uint64_t owner = paper ? blocks_[1].record : blocks_[0].record;
  if (db::isSubEntity(e.type)) {
    owner = owner_;
  } else if (e.type == EntityType::Polyline || e.type == EntityType::Insert) {
    owner_ = e.handle;
    ownerFlags_ = flags;
  }
  const int markerFlags = e.type == EntityType::Vertex ? ownerFlags_ : flags;

  out_.raw(0, db::typeName(e.type));
  out_.handle(5, e.handle);
  out_.handle(330, owner);
  out_.raw(100, "AcDbEntity");
  const auto firstInEntityPart = [](int code) { return code == 67 || code == 410; };
  for (const db::Group& g : e.groups)
    if (db::subclassRank(e.type, g.code) == 0 && firstInEntityPart(g.code)) group(g);
  out_.text(8, db_.layers.at(e.layer).name);
  int rank = 0;
  for (const db::Group& g : e.groups) {
    const int r = db::subclassRank(e.type, g.code);
    if (r == 0 && firstInEntityPart(g.code)) continue;
    // Markers of the subclasses up to this group's, even those with no group.
    for (; rank < r && rank < 2; ++rank)
      if (const char* marker = db::subclassMarker(e.type, rank + 1, markerFlags, flags))
        out_.raw(100, marker);
    group(g, e.type == db::EntityType::LwPolyline && g.code == 10);
  }
  for (; rank < 2; ++rank)
    if (const char* marker = db::subclassMarker(e.type, rank + 1, markerFlags, flags))
      out_.raw(100, marker);
}

void Writer::group(const db::Group& g, bool flat) {
  switch (g.kind) {
    case db::Group::Point:
      out_.real(g.code, g.v[0]);
      out_.real(g.code + 10, g.v[1]);
      // LWPOLYLINE vertices are 2D: their elevation is group 38.
      if (!flat) out_.real(g.code + 20, g.v[2]);
      break;
    case db::Group::Real: out_.real(g.code, g.v[0]); break;
    case db::Group::Int: out_.integer(g.code, g.asInt()); break;
    case db::Group::Text: out_.text(g.code, db_.text(g)); break;
  }
}

void Writer::objects() {
  section("OBJECTS");
  out_.raw(0, "DICTIONARY");
  out_.handle(5, rootDictionary_);
  out_.raw(330, "0");
  out_.raw(100, "AcDbDictionary");
  out_.integer(281, 1);
  out_.raw(3, "ACAD_GROUP");
  out_.handle(350, groupDictionary_);
  out_.raw(0, "DICTIONARY");
  out_.handle(5, groupDictionary_);
  out_.handle(330, rootDictionary_);
  out_.raw(100, "AcDbDictionary");
  out_.integer(281, 1);
  endSection();
}

}  // namespace

std::string writeToString(const db::Database& db) {
  Output out;
  Writer(db, out).write();
  return out.take();
}

bool write(const db::Database& db, const std::string& path, std::string& error) {
  error.clear();
  const bool ok = platform::replaceFile(path, [&](std::ostream& stream) {
    try {
      Output out(stream);
      Writer(db, out).write();
      return out.flush();
    } catch (const std::exception& e) {
      error = std::string("écriture interrompue: ") + e.what();
      return false;
    }
  });
  if (!ok && error.empty())
    error = std::string("impossible d'écrire le fichier (") + std::strerror(errno) + ")";
  return ok;
}

}  // namespace dxf
