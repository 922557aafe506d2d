// Talvex's earthwork LISP functions: cut and fill between the 3D faces of two
// layers, and the cut and fill areas of a cross-section.
#pragma once
#include <cstdint>

struct resbuf;

namespace earthworks {

resbuf* cubeterrain(int32_t);
resbuf* lignept(int32_t);

}  // namespace earthworks
