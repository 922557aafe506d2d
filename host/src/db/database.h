// The drawing database: entities in creation order, the layer table, header values.
#pragma once
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "dbtables.h"

struct resbuf;

namespace db {

struct Point3 {
  double x = 0, y = 0, z = 0;
};

enum class EntityType : uint8_t {
  Point,
  Line,
  Face3d,
  Solid,
  Polyline,
  Vertex,
  Seqend,
  LwPolyline,
  Arc,
  Circle,
  Text,
  Insert,
  Attrib,
  Attdef,
  Other
};
// DXF type name ("POINT", "3DFACE", ...) and back; Other for an unknown name.
const char* typeName(EntityType t);
EntityType typeFromName(std::string_view name);  // case-insensitive
// VERTEX, SEQEND and ATTRIB live inside a POLYLINE or an INSERT.
inline bool isSubEntity(EntityType t) {
  return t == EntityType::Vertex || t == EntityType::Seqend || t == EntityType::Attrib;
}

// One DXF group other than those the entity keeps in its own fields.
// Strings live in the database's string pool.
struct Group {
  enum Kind : uint8_t { Real, Int, Text, Point };
  int16_t code = 0;
  Kind kind = Int;
  uint32_t text = 0;        // string pool index, for Text
  double v[3] = {0, 0, 0};  // v[0] for Real, (int64) v[0] for Int, all three for Point
  int64_t asInt() const { return static_cast<int64_t>(v[0]); }
};
// The kind a group code carries in DXF (0-9 text, 10-18 point, 40-59 real, ...).
// Y and Z codes (20-37, ...) read alone are reals. Codes DXF does not define give false.
bool kindOfCode(int code, Group::Kind& kind);
Group::Kind kindOfCode(int code);  // Text for undefined codes

struct Entity {
  uint64_t handle = 0;
  uint32_t layer = 0;  // index into the layer table
  EntityType type = EntityType::Other;
  bool erased = false;
  uint32_t typeText = 0;      // string pool index of the type name, for Other
  std::vector<Group> groups;  // every group but -1, 0, 5, 8, in DXF subclass order
};

struct Layer {
  std::string name;
  int color = 7;  // negative when the layer is off
  int flags = 0;  // bit 1: frozen, bit 4: locked
  std::string linetype = "CONTINUOUS";
  bool frozen() const { return (flags & 1) != 0; }
};

class StringPool {
 public:
  uint32_t intern(std::string_view s);
  const std::string& at(uint32_t i) const { return strings_[i]; }
  size_t size() const { return strings_.size(); }

 private:
  std::deque<std::string> strings_{std::string()};        // a deque keeps its elements in place
  std::unordered_map<std::string_view, uint32_t> index_;  // views into strings_
};

class LayerTable {
 public:
  LayerTable();  // holds layer "0"
  size_t size() const { return layers_.size(); }
  Layer& at(uint32_t i) { return layers_[i]; }
  const Layer& at(uint32_t i) const { return layers_[i]; }
  // Index of a layer by name ignoring case, or -1.
  int find(std::string_view name) const;
  // Index of the layer, made with default values when missing.
  uint32_t findOrAdd(std::string_view name);
  // Whether a name can name a layer: not empty, none of <>/\":;?*|=` and no control character.
  static bool validName(std::string_view name);

 private:
  std::vector<Layer> layers_;
  std::unordered_map<std::string, uint32_t> byUpperName_;
};

// A record of a table other than LAYER (LTYPE, STYLE) made by entmake: its
// flags (70) and its other groups in DXF order.
struct TableRecord {
  std::string name;
  int flags = 0;
  std::vector<Group> groups;  // texts in the database's string pool
};

// The records of one such table, and where acdbTblNext goes on from.
struct RecordTable {
  std::vector<TableRecord> records;
  uint32_t cursor = 0;
  // The record of that name (case ignored), or nullptr.
  const TableRecord* find(std::string_view name) const;
};

// Header variables read from and written to DXF ($EXTMIN, $CLAYER ...), as text groups.
struct HeaderVar {
  std::string name;  // with its "$"
  std::vector<std::pair<int, std::string>> groups;
};

class LayerTableObject;

class Database : public AcDbDatabase {
 public:
  Database();
  ~Database() override;
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Serial number, different for every database of the process: it is the
  // second word of every entity name, so names of a closed drawing are refused.
  int64_t serial() const { return serial_; }

  std::vector<Entity> entities;  // entity name = index + 1
  LayerTable layers;
  StringPool strings;
  std::vector<HeaderVar> header;
  uint64_t nextHandle = 0x20;
  uint32_t currentLayer = 0;

  // A POLYLINE or an INSERT with attributes made piece by piece (entmake),
  // kept apart until its SEQEND commits it to `entities`.
  std::vector<Entity> pending;
  // Where acdbTblNext on the layer table goes on from (index of the next record).
  uint32_t layerCursor = 0;
  // Line types and text styles made by entmake; those every drawing has
  // (CONTINUOUS, STANDARD ...) and those entities name are not listed.
  RecordTable linetypes, textStyles;
  // Applications registered for extended data (regapp, the file's APPID table);
  // ACAD is always there and not listed.
  RecordTable appIds;

  uint64_t newHandle() { return nextHandle++; }
  const std::string& text(const Group& g) const { return strings.at(g.text); }
  const Group* find(const Entity& e, int code) const;  // first group with that code
  // Index of the entity whose handle is given, or -1 (built on demand).
  int64_t findHandle(uint64_t handle);
  // Appends an entity and returns its index.
  uint32_t add(Entity e);
  // The complex entity an entity belongs to: [first, last] indexes of the header
  // and its VERTEX/ATTRIB/SEQEND entities (first == last for a simple entity).
  std::pair<size_t, size_t> complexRange(size_t index) const;

  // Header variables by name (case-insensitive); nullptr when absent.
  const HeaderVar* headerVar(std::string_view name) const;
  void setHeaderVar(std::string_view name, std::vector<std::pair<int, std::string>> groups);

  // AcDbDatabase
  Acad::ErrorStatus getLayerTable(AcDbLayerTable*& table, AcDb::OpenMode mode) override;

 private:
  int64_t serial_;
  std::unordered_map<uint64_t, uint32_t> handleIndex_;
  size_t handleIndexed_ = 0;
  std::unique_ptr<LayerTableObject> layerTableObject_;
};

}  // namespace db
