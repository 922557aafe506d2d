// Talvex's LandXML exchange: "exportlandxml" writes the module's terrain mesh
// and the project's alignments; "importlandxml" draws a document's surfaces as
// 3D faces on a layer.
#pragma once
#include <cstdint>

struct resbuf;

namespace landxml {

resbuf* exportlandxml(int32_t);
resbuf* importlandxml(int32_t);

}  // namespace landxml
