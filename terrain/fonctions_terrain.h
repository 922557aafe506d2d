// Talvex's terrain LISP functions on the module-wide mesh, which lives from
// the module's load to its unload.
#pragma once
#include <cstdint>

struct resbuf;

namespace terrain {

class MAILLAGE;

// The module-wide mesh.
MAILLAGE& maillageModule();

resbuf* ini3dterrain(int32_t);
resbuf* mailleterrain(int32_t);
resbuf* affichemaille(int32_t);
resbuf* infomaille(int32_t);
resbuf* zpoint(int32_t);
resbuf* decoupeseg(int32_t);
resbuf* calzlimite(int32_t);
// Contour lines: [interval [index interval [layer [index layer]]]].
resbuf* courbesniveau(int32_t);

}  // namespace terrain
