// The 3D drafting tools' LISP functions, as the modules' tables declare them.
#pragma once
#include <cstdint>

struct resbuf;

namespace tools3d {

// Slope hatching: (talus_arx crest-polyline toe-selection); ECHL&& and COEFLGT.
resbuf* talus_arx(int32_t);
// Offset of a 3D polyline with a height ramp, through the dialog "decale".
resbuf* dec3d_arx(int32_t);
// Platform edges: (c3d_dep alignment-points profile), heights following the
// alignment, or graded straight between profile points (dep_plgfos).
resbuf* c3d_dep(int32_t);
resbuf* dep_plgfos(int32_t);
// Triangulation of picked points into 3D faces, cut by open 3D polylines.
resbuf* tria_ads(int32_t);

}  // namespace tools3d
