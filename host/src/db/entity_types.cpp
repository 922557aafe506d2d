// Entity type names and the value kind of each DXF group code.
#include <strings.h>
#include <cstring>

#include "db/database.h"

namespace db {

namespace {

struct TypeEntry {
  EntityType type;
  const char* name;
};

constexpr TypeEntry kTypes[] = {
    {EntityType::Point, "POINT"},       {EntityType::Line, "LINE"},
    {EntityType::Face3d, "3DFACE"},     {EntityType::Solid, "SOLID"},
    {EntityType::Polyline, "POLYLINE"}, {EntityType::Vertex, "VERTEX"},
    {EntityType::Seqend, "SEQEND"},     {EntityType::LwPolyline, "LWPOLYLINE"},
    {EntityType::Arc, "ARC"},           {EntityType::Circle, "CIRCLE"},
    {EntityType::Text, "TEXT"},         {EntityType::Insert, "INSERT"},
    {EntityType::Attrib, "ATTRIB"},     {EntityType::Attdef, "ATTDEF"},
};

}  // namespace

const char* typeName(EntityType t) {
  for (const auto& e : kTypes)
    if (e.type == t) return e.name;
  return "";
}

EntityType typeFromName(std::string_view name) {
  for (const auto& e : kTypes)
    if (name.size() == std::strlen(e.name) && strncasecmp(name.data(), e.name, name.size()) == 0)
      return e.type;
  return EntityType::Other;
}

bool kindOfCode(int c, Group::Kind& k) {
  using K = Group::Kind;
  auto in = [c](int lo, int hi) { return c >= lo && c <= hi; };
  if (in(0, 9) || in(100, 109) || in(300, 369) || in(390, 399) || in(410, 419) || in(430, 439) ||
      in(470, 481) || c == 999 || in(1000, 1009)) {
    k = K::Text;  // handles and binary chunks travel as hexadecimal text
  } else if (in(10, 18) || in(110, 112) || c == 210 || in(1010, 1013)) {
    k = K::Point;
  } else if (in(19, 59) || in(113, 149) || in(211, 239) || in(460, 469) || in(1014, 1059)) {
    k = K::Real;
  } else if (in(60, 79) || in(90, 99) || in(160, 179) || in(270, 299) || in(370, 389) ||
             in(400, 409) || in(420, 429) || in(440, 459) || in(1060, 1071)) {
    k = K::Int;
  } else {
    return false;
  }
  return true;
}

Group::Kind kindOfCode(int code) {
  Group::Kind k = Group::Text;
  kindOfCode(code, k);
  return k;
}

}  // namespace db
