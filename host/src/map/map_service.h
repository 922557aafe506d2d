// cadhost's mapping service over DXF source drawings on disk: aliases, the
// attached drawings (read with the host's DXF reader when attached), their
// activation, and the location query that copies into the current drawing
// whatever crosses or lies inside a polygon in the active ones.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "db/database.h"
#include "map/alias_table.h"
#include "mapapi.h"
#include "select/region.h"

namespace host::map {

// The function numbers the service answers; any other fails.
enum AdeFunction {
  kDsList = 0,
  kDsAttach = 2,
  kDsDetach = 4,
  kDwgActivate = 6,
  kDwgDeactivate = 7,
  kDwgIsActive = 8,
  kQryClear = 27,
  kQryDefine = 28,
  kQryExecute = 29,
  kQrySetType = 33,
  kAliasAdd = 76,
  kAliasUpdate = 78,
  kAliasGetList = 79,
  kErrGetLevel = 121,
  kErrSetLevel = 122,
  kDwgAliasPath = 143,
  kDwgActualPath = 144,
};

class MapService final : public AcMapAdeService {
 public:
  const ACHAR* serviceName() const override { return "Map_Class"; }
  int execute(int numero, const resbuf* arguments, resbuf** resultat) override;

  // What an attach reports when it fails (read by tests and the log).
  const std::string& lastError() const { return lastError_; }

 private:
  struct SourceDrawing {
    double id = 0;
    std::string actualPath;
    std::unique_ptr<db::Database> db;
    bool active = false;
  };
  struct Query {
    bool defined = false;
    bool crossing = true;
    std::vector<geo::Vec2> polygon;
    bool draw = false;
  };

  SourceDrawing* drawing(const resbuf* id);
  bool attach(const resbuf* args, resbuf** resultat);
  bool define(const resbuf* args, resbuf** resultat);
  bool runQuery(resbuf** resultat);

  AliasTable aliases_;
  std::vector<SourceDrawing> drawings_;
  double nextId_ = 1;
  Query query_;
  int errorLevel_ = 0;
  std::string lastError_;
};

// The session's mapping service (registered under "Map_Class" by cadhost
// unless told to run without it).
MapService& mapService();

}  // namespace host::map
