#include "map/map_service.h"

#include <strings.h>

#include <algorithm>
#include <cstring>

#include "base/guarded_call.h"
#include "base/resbuf_list.h"
#include "core/session.h"
#include "db/entity_copy.h"
#include "dxf/dxf.h"
#include "select/filter.h"
#include "select/selector.h"

namespace host::map {

namespace {

bool isText(const resbuf* rb) { return rb && rb->restype == RTSTR && rb->resval.rstring; }

bool sameText(const char* a, const char* b) { return a && b && strcasecmp(a, b) == 0; }

bool number(const resbuf* rb, double& value) {
  if (!rb) return false;
  switch (rb->restype) {
    case RTREAL: value = rb->resval.rreal; return true;
    case RTSHORT: value = rb->resval.rint; return true;
    case RTLONG: value = rb->resval.rlong; return true;
    default: return false;
  }
}

// The arguments given as one list: its first element.
const resbuf* inside(const resbuf* args) {
  return args && args->restype == RTLB ? args->rbnext : args;
}

resbuf* truth() {
  RbListBuilder b;
  b.add(RTT);
  return b.release();
}

resbuf* real(double v) {
  RbListBuilder b;
  b.add(RTREAL)->resval.rreal = v;
  return b.release();
}

resbuf* text(const std::string& s) {
  RbListBuilder b;
  b.addText(RTSTR, s);
  return b.release();
}

}  // namespace

MapService& mapService() { return session().state<MapService>(); }

MapService::SourceDrawing* MapService::drawing(const resbuf* id) {
  double value = 0;
  if (!number(inside(id), value)) return nullptr;
  for (SourceDrawing& d : drawings_)
    if (d.id == value) return &d;
  return nullptr;
}

int MapService::execute(int numero, const resbuf* args, resbuf** resultat) {
  return guardedCall(
      "ade",
      [&]() -> int {
        if (!resultat) return 0;
        *resultat = nullptr;
        const resbuf* a = inside(args);
        switch (numero) {
          case kDsList: {
            RbListBuilder b;
            b.add(RTLB);
            for (const SourceDrawing& d : drawings_) b.add(RTREAL)->resval.rreal = d.id;
            b.add(RTLE);
            *resultat = b.release();
            return 1;
          }
          case kDsAttach: return attach(a, resultat);
          case kDsDetach: {
            SourceDrawing* d = drawing(a);
            if (!d) return 0;
            drawings_.erase(drawings_.begin() + (d - drawings_.data()));
            *resultat = truth();
            return 1;
          }
          case kDwgActivate:
          case kDwgDeactivate: {
            SourceDrawing* d = drawing(a);
            if (!d) return 0;
            d->active = numero == kDwgActivate;
            *resultat = truth();
            return 1;
          }
          case kDwgIsActive: {
            SourceDrawing* d = drawing(a);
            if (!d) return 0;
            if (d->active) *resultat = truth();
            return 1;
          }
          case kQryClear:
            query_ = Query();
            *resultat = truth();
            return 1;
          case kQryDefine: return define(args, resultat);
          case kQryExecute: return runQuery(resultat);
          case kQrySetType:
            if (!isText(a)) return 0;
            query_.draw = sameText(a->resval.rstring, "draw");
            if (!query_.draw) return 0;  // reports and previews are not made here
            *resultat = truth();
            return 1;
          case kAliasAdd:
          case kAliasUpdate: {
            if (!isText(a) || !isText(a->rbnext)) return 0;
            const bool done = numero == kAliasAdd
                                  ? aliases_.add(a->resval.rstring, a->rbnext->resval.rstring)
                                  : aliases_.update(a->resval.rstring, a->rbnext->resval.rstring);
            if (!done) return 0;
            *resultat = truth();
            return 1;
          }
          case kAliasGetList: {
            RbListBuilder b;
            b.add(RTLB);
            for (const Alias& alias : aliases_.all()) {
              b.add(RTLB);
              b.addText(RTSTR, alias.name);
              b.addText(RTSTR, alias.path);
              b.add(RTLE);
            }
            b.add(RTLE);
            *resultat = b.release();
            return 1;
          }
          case kErrGetLevel: {
            RbListBuilder b;
            b.addInt(RTSHORT, errorLevel_);
            *resultat = b.release();
            return 1;
          }
          case kErrSetLevel: {
            double level = 0;
            if (!number(a, level)) return 0;
            errorLevel_ = static_cast<int>(level);
            *resultat = truth();
            return 1;
          }
          case kDwgAliasPath: {
            if (!isText(a)) return 0;
            const auto path = aliases_.aliasPath(a->resval.rstring);
            if (!path) return 0;
            *resultat = text(*path);
            return 1;
          }
          case kDwgActualPath: {
            SourceDrawing* d = drawing(a);
            if (!d) return 0;
            *resultat = text(d->actualPath);
            return 1;
          }
          default: return 0;
        }
      },
      0);
}

bool MapService::attach(const resbuf* a, resbuf** resultat) {
  lastError_.clear();
  if (!isText(a)) return false;
  const auto path = aliases_.actualPath(a->resval.rstring);
  if (!path) {
    lastError_ = std::string("alias inconnu dans ") + a->resval.rstring;
    return false;
  }
  for (const SourceDrawing& d : drawings_)
    if (d.actualPath == *path) {
      lastError_ = "dessin déjà attaché: " + *path;
      return false;
    }
  std::string error;
  std::unique_ptr<db::Database> db = dxf::read(*path, error);
  if (!db) {
    lastError_ = *path + ": " + error;
    return false;
  }
  SourceDrawing d;
  d.id = nextId_++;
  d.actualPath = *path;
  d.db = std::move(db);
  drawings_.push_back(std::move(d));
  *resultat = real(drawings_.back().id);
  return true;
}

// ("and" "" "" "Location" ("polygon" "crossing" pt ...) "") as one list or
// as its elements: a polygon of three points or more.
bool MapService::define(const resbuf* args, resbuf** resultat) {
  const resbuf* rb = inside(args);
  while (rb && !(isText(rb) && sameText(rb->resval.rstring, "Location"))) rb = rb->rbnext;
  if (!rb || !rb->rbnext || rb->rbnext->restype != RTLB) return false;
  rb = rb->rbnext->rbnext;
  if (!isText(rb) || !sameText(rb->resval.rstring, "polygon")) return false;
  rb = rb->rbnext;
  if (!isText(rb)) return false;
  Query q;
  q.draw = query_.draw;
  if (sameText(rb->resval.rstring, "crossing"))
    q.crossing = true;
  else if (sameText(rb->resval.rstring, "inside"))
    q.crossing = false;
  else
    return false;
  for (rb = rb->rbnext; rb && rb->restype != RTLE; rb = rb->rbnext)
    if (rb->restype == RTPOINT || rb->restype == RT3DPOINT)
      q.polygon.push_back({rb->resval.rpoint[0], rb->resval.rpoint[1]});
  if (q.polygon.size() < 3) return false;
  q.defined = true;
  query_ = std::move(q);
  *resultat = real(1);
  return true;
}

bool MapService::runQuery(resbuf** resultat) {
  if (!query_.defined || !query_.draw) return false;
  Document* doc = session().currentPtr();
  if (!doc) return false;
  const geo::Area area = geo::Area::polygon(query_.polygon);
  const SelectionFilter everything;
  size_t copied = 0;
  for (const SourceDrawing& d : drawings_) {
    if (!d.active) continue;
    Selector selector(*d.db, everything);
    selector.area(area, query_.crossing);
    copied += db::copyEntities(*d.db, selector.found(), doc->db(), true);
  }
  *resultat = real(static_cast<double>(copied));
  return true;
}

}  // namespace host::map
