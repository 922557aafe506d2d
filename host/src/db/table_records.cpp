#include "db/table_records.h"

#include <strings.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "base/host_errors.h"
#include "db/database.h"

namespace db {

namespace {

std::string_view typeOf(std::span<const InGroup> groups) {
  for (const InGroup& g : groups)
    if (g.code == 0) return g.text;
  return {};
}

bool is(std::string_view a, const char* b) {
  return a.size() == std::strlen(b) && strncasecmp(a.data(), b, a.size()) == 0;
}

const InGroup* find(std::span<const InGroup> groups, int code) {
  for (const InGroup& g : groups)
    if (g.code == code) return &g;
  return nullptr;
}

int integerOr(std::span<const InGroup> groups, int code, int fallback) {
  const InGroup* g = find(groups, code);
  return g ? static_cast<int>(g->v[0]) : fallback;
}

// Builds the groups of a record in the order DXF writes them.
class RecordGroups {
 public:
  RecordGroups(Database& db, std::span<const InGroup> given) : db_(db), given_(given) {}
  void real(int code, double fallback) {
    const InGroup* g = find(given_, code);
    add(code, Group::Real, g ? g->v[0] : fallback);
  }
  void integer(int code, int fallback) { add(code, Group::Int, integerOr(given_, code, fallback)); }
  void text(int code, std::string_view fallback) {
    const InGroup* g = find(given_, code);
    Group out;
    out.code = static_cast<int16_t>(code);
    out.kind = Group::Text;
    out.text = db_.strings.intern(g ? g->text : fallback);
    groups_.push_back(out);
  }
  void add(int code, Group::Kind kind, double value) {
    Group out;
    out.code = static_cast<int16_t>(code);
    out.kind = kind;
    out.v[0] = value;
    groups_.push_back(out);
  }
  std::vector<Group> take() { return std::move(groups_); }

 private:
  Database& db_;
  std::span<const InGroup> given_;
  std::vector<Group> groups_;
};

bool finiteValues(std::span<const InGroup> groups) {
  for (const InGroup& g : groups)
    if (!std::isfinite(g.v[0]) || !std::isfinite(g.v[1]) || !std::isfinite(g.v[2])) return false;
  return true;
}

int makeLayer(Database& db, std::string_view name, std::span<const InGroup> groups) {
  if (db.layers.find(name) >= 0) return host::kErrBadField;
  const int color = integerOr(groups, 62, 7);
  if (color == 0 || color > 255 || color < -255) return host::kErrBadField;
  std::string_view linetype = "CONTINUOUS";
  if (const InGroup* g = find(groups, 6)) linetype = g->text;
  if (!LayerTable::validName(linetype)) return host::kErrBadField;
  Layer& layer = db.layers.at(db.layers.findOrAdd(name));
  layer.color = color;
  layer.flags = integerOr(groups, 70, 0) & (1 | 4);  // frozen, locked
  layer.linetype = std::string(linetype);
  return 0;
}

// Only simple dashes are kept: shapes and texts in line types are not.
int makeLinetype(Database& db, std::string_view name, std::span<const InGroup> groups) {
  for (const char* fixed : {"BYBLOCK", "BYLAYER", "CONTINUOUS"})
    if (is(name, fixed)) return host::kErrBadField;
  if (db.linetypes.find(name)) return host::kErrBadField;
  RecordGroups out(db, groups);
  std::vector<double> dashes;
  double length = 0;
  for (const InGroup& g : groups)
    if (g.code == 49) {
      dashes.push_back(g.v[0]);
      length += std::fabs(g.v[0]);
    }
  out.text(3, "");
  out.add(72, Group::Int, 65);
  out.add(73, Group::Int, static_cast<double>(dashes.size()));
  out.real(40, length);
  for (double d : dashes) {
    out.add(49, Group::Real, d);
    out.add(74, Group::Int, 0);
  }
  db.linetypes.records.push_back(
      TableRecord{std::string(name), integerOr(groups, 70, 0) & 0xFF, out.take()});
  return 0;
}

int makeTextStyle(Database& db, std::string_view name, std::span<const InGroup> groups) {
  if (is(name, "STANDARD") || db.textStyles.find(name)) return host::kErrBadField;
  RecordGroups out(db, groups);
  out.real(40, 0.0);   // fixed height, 0 when texts choose theirs
  out.real(41, 1.0);   // width factor
  out.real(50, 0.0);   // oblique angle
  out.integer(71, 0);  // backwards, upside down
  out.real(42, 2.5);   // last height used
  out.text(3, "txt");
  out.text(4, "");
  db.textStyles.records.push_back(
      TableRecord{std::string(name), integerOr(groups, 70, 0) & 0xFF, out.take()});
  return 0;
}

}  // namespace

bool isTableRecordList(std::span<const InGroup> groups) {
  const std::string_view type = typeOf(groups);
  return is(type, "LAYER") || is(type, "LTYPE") || is(type, "STYLE");
}

int makeTableRecord(Database& db, std::span<const InGroup> groups) {
  const std::string_view type = typeOf(groups);
  const InGroup* name = find(groups, 2);
  if (!name || name->text.empty()) return host::kErrMandatoryFieldMissing;
  if (!LayerTable::validName(name->text))
    return is(type, "LAYER") ? host::kErrBadLayerName : host::kErrBadField;
  if (!finiteValues(groups)) return host::kErrBadField;
  if (is(type, "LAYER")) return makeLayer(db, name->text, groups);
  if (is(type, "LTYPE")) return makeLinetype(db, name->text, groups);
  return makeTextStyle(db, name->text, groups);
}

}  // namespace db
