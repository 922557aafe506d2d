#include "db/entity_classes.h"

#include <algorithm>
#include <initializer_list>

namespace db {

namespace {

bool oneOf(int code, std::initializer_list<int> codes) {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

bool isCommonCode(int code) {
  return oneOf(code, {6, 48, 60, 62, 67, 284, 347, 370, 380, 390, 410, 420, 430, 440});
}

}  // namespace

int subclassRank(EntityType type, int code) {
  if (code >= 1000) return 3;
  if (isCommonCode(code)) return 0;
  switch (type) {
    case EntityType::Text: return code == 73 ? 2 : 1;
    case EntityType::Arc: return code == 50 || code == 51 ? 2 : 1;
    case EntityType::Attrib: return oneOf(code, {2, 70, 73, 74, 280}) ? 2 : 1;
    case EntityType::Attdef: return oneOf(code, {2, 3, 70, 73, 74, 280}) ? 2 : 1;
    case EntityType::Vertex: return 2;  // AcDbVertex itself holds nothing
    default: return 1;
  }
}

const char* subclassMarker(EntityType type, int rank, int flags, int vertexFlags) {
  if (rank == 1) {
    switch (type) {
      case EntityType::Point: return "AcDbPoint";
      case EntityType::Line: return "AcDbLine";
      case EntityType::Face3d: return "AcDbFace";
      case EntityType::Solid: return "AcDbTrace";
      case EntityType::Polyline:
        if (flags & 8) return "AcDb3dPolyline";
        if (flags & 16) return "AcDbPolygonMesh";
        if (flags & 64) return "AcDbPolyFaceMesh";
        return "AcDb2dPolyline";
      case EntityType::Vertex: return "AcDbVertex";
      case EntityType::LwPolyline: return "AcDbPolyline";
      case EntityType::Arc:
      case EntityType::Circle: return "AcDbCircle";
      case EntityType::Text:
      case EntityType::Attrib:
      case EntityType::Attdef: return "AcDbText";
      case EntityType::Insert: return "AcDbBlockReference";
      default: return nullptr;
    }
  }
  if (rank == 2) {
    switch (type) {
      case EntityType::Text: return "AcDbText";
      case EntityType::Arc: return "AcDbArc";
      case EntityType::Attrib: return "AcDbAttribute";
      case EntityType::Attdef: return "AcDbAttributeDefinition";
      case EntityType::Vertex:
        if (flags & 8) return "AcDb3dPolylineVertex";
        if (flags & 16) return "AcDbPolygonMeshVertex";
        if (flags & 64) return (vertexFlags & 64) ? "AcDbPolyFaceMeshVertex" : "AcDbFaceRecord";
        return "AcDb2dVertex";
      default: return nullptr;
    }
  }
  return nullptr;
}

}  // namespace db
