// Contour lines of a meshed terrain against the mesh build of the same
// points, in the same run: scattered points over rolling ground about 100 m
// high, the interval giving about 100 levels. Goal: contours at most 0.5
// times the build.
//
//   bench_courbes [--points N]
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "chrono_banc.h"
#include "framework/error_stream.h"
#include "terrain/courbes_niveau.h"
#include "terrain/maillage.h"
#include "terrain_ondule.h"

namespace {

using Clock = std::chrono::steady_clock;

}  // namespace

int main(int argc, char** argv) {
  size_t points = 1000000;
  for (int i = 1; i + 1 < argc; i += 2)
    if (!std::strcmp(argv[i], "--points")) points = std::strtoul(argv[i + 1], nullptr, 10);
  std::ostringstream messages;
  framework::fluxErreur().rdbuf(messages.rdbuf());

  terrain::MAILLAGE m;
  auto debut = Clock::now();
  if (!construitTerrainOndule(m, points, 3)) {
    std::printf("the build failed\n");
    return 1;
  }
  const double tConstruit = seconds(debut);
  const terrain::BOITE b = m.boite();
  const double intervalle = (b.max.z - b.min.z) / 100.0;
  debut = Clock::now();
  const std::vector<terrain::COURBE_NIVEAU> courbes = terrain::courbesNiveau(m, intervalle);
  const double tCourbes = seconds(debut);
  size_t sommets = 0;
  for (const auto& c : courbes) sommets += c.points.size();
  const double ratio = tCourbes / tConstruit;
  std::printf(
      "%zu triangles: build %.3f s; contours every %.3f m: %.3f s (%zu lines, %zu vertices)\n",
      m.nombreTriangles(), tConstruit, intervalle, tCourbes, courbes.size(), sommets);
  std::printf("ratio contours/build %.2f (goal <= 0.5) %s\n", ratio,
              ratio <= 0.5 ? "ok" : "MISSED");
  return 0;
}
