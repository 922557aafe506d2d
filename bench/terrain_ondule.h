// Scattered survey points over rolling ground about 150 m high at national-grid
// coordinates, to the millimetre, meshed: the terrain the benchmarks share.
#pragma once
#include <cstddef>
#include <cstdint>

namespace terrain {
class MAILLAGE;
}

// False when the build failed.
bool construitTerrainOndule(terrain::MAILLAGE& m, size_t points, uint64_t graine);
