#include "db/entity_resbuf.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "base/host_errors.h"
#include "base/resbuf_kind.h"
#include "base/wcmatch.h"

namespace db {

using host::RbKind;

int groupsFromList(const resbuf* list, std::vector<InGroup>& out) {
  out.clear();
  for (const resbuf* rb = list; rb; rb = rb->rbnext) {
    InGroup g;
    g.code = rb->restype;
    if (g.code >= 5000) return host::kErrBadField;  // a LISP value code, not a group
    switch (host::resbufKind(rb->restype)) {
      case RbKind::Text:
        if (!rb->resval.rstring) return host::kErrBadField;
        g.text = rb->resval.rstring;
        break;
      case RbKind::Point:
        for (int i = 0; i < 3; ++i) g.v[i] = rb->resval.rpoint[i];
        break;
      case RbKind::Real: g.v[0] = rb->resval.rreal; break;
      case RbKind::Short: g.v[0] = rb->resval.rint; break;
      case RbKind::Long: g.v[0] = rb->resval.rlong; break;
      case RbKind::Int64: g.v[0] = static_cast<double>(rb->resval.mnInt64); break;
      case RbKind::Name: break;  // -1 and owners: the builder drops them
      case RbKind::None:
        if (g.code != -3) return host::kErrBadField;
        break;
      case RbKind::Binary: return host::kErrBadField;
    }
    out.push_back(g);
  }
  return 0;
}

void appendGroup(RbListBuilder& list, const Database& db, const Group& g) {
  const RbKind kind = host::resbufKind(g.code);
  switch (g.kind) {
    case Group::Text:
      if (kind == RbKind::Text) list.addText(g.code, db.text(g));
      break;
    case Group::Point:
      if (kind == RbKind::Point) {
        resbuf* rb = list.add(g.code);
        for (int i = 0; i < 3; ++i) rb->resval.rpoint[i] = g.v[i];
      }
      break;
    case Group::Real:
      if (kind == RbKind::Real) list.add(g.code)->resval.rreal = g.v[0];
      break;
    case Group::Int:
      if (kind == RbKind::Short)
        list.addInt(g.code, static_cast<int>(g.asInt()));
      else if (kind == RbKind::Long)
        list.add(g.code)->resval.rlong = static_cast<int32_t>(g.asInt());
      else if (kind == RbKind::Int64)
        list.add(g.code)->resval.mnInt64 = g.asInt();
      break;
  }
}

RbList entityToList(const Database& db, size_t index, std::span<const std::string> apps) {
  const Entity& e = db.entities[index];
  RbListBuilder list;
  resbuf* name = list.add(-1);
  name->resval.rlname[0] = static_cast<int64_t>(index) + 1;
  name->resval.rlname[1] = db.serial();
  list.addText(0, typeName(e.type));
  char hex[20];
  auto end = std::to_chars(hex, hex + sizeof hex, e.handle, 16).ptr;
  for (char* c = hex; c != end; ++c)
    if (*c >= 'a' && *c <= 'f') *c = static_cast<char>(*c - 'a' + 'A');
  list.addText(5, std::string_view(hex, static_cast<size_t>(end - hex)));
  list.addText(8, db.layers.at(e.layer).name);
  // Extended data is only given to the applications that ask.
  for (const Group& g : e.groups)
    if (g.code < 1000) appendGroup(list, db, g);
  bool marked = false, wanted = false;
  for (const Group& g : e.groups) {
    if (g.code < 1000) continue;
    if (g.code == 1001) {
      wanted = std::any_of(apps.begin(), apps.end(), [&](const std::string& pattern) {
        return host::wcmatch(db.text(g), pattern, true);
      });
      if (wanted && !marked) list.add(-3), marked = true;
    }
    if (wanted) appendGroup(list, db, g);
  }
  return RbList(list.release());
}

namespace {

// Texts count their bytes, numbers their size, a point three reals; each
// group one more byte for its code.
size_t groupSize(int code, size_t textLength) {
  const RbKind kind = host::resbufKind(code);
  size_t bytes = 1;
  switch (kind) {
    case RbKind::Text:
    case RbKind::Binary: bytes += textLength + 1; break;
    case RbKind::Point: bytes += 24; break;
    case RbKind::Real: bytes += 8; break;
    case RbKind::Short: bytes += 2; break;
    default: bytes += 4; break;
  }
  return bytes;
}

}  // namespace

size_t extendedDataSize(const resbuf* list) {
  size_t total = 0;
  for (const resbuf* rb = list; rb; rb = rb->rbnext) {
    if (rb->restype < 1000) continue;
    size_t length = 0;
    if (host::resbufKind(rb->restype) == RbKind::Text && rb->resval.rstring)
      length = std::strlen(rb->resval.rstring);
    else if (host::resbufKind(rb->restype) == RbKind::Binary)
      length = static_cast<size_t>(rb->resval.rbinary.clen);
    total += groupSize(rb->restype, length);
  }
  return total;
}

size_t extendedDataSize(const Database& db, const Entity& e) {
  size_t total = 0;
  for (const Group& g : e.groups)
    if (g.code >= 1000) total += groupSize(g.code, g.kind == Group::Text ? db.text(g).size() : 0);
  return total;
}

}  // namespace db
