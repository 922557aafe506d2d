// The LISP functions of the terrain settings, run from Talvex's table.
#pragma once
#include <cstdint>

struct resbuf;

namespace road {

// "ihmzlimite": the elevations dialog on the project, which is then saved
// whatever the answer.
resbuf* ihmzlimite(int32_t);
// "ihmcc": the 3D layers dialog on a copy of the project's list, stored and
// saved when confirmed.
resbuf* ihmcc(int32_t);

}  // namespace road
