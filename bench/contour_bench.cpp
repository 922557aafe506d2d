// Outlines of a point cloud against the mesher's build of the same points
// alone, in the same run: several clusters of surveyed points, some with
// holes, built in the linking mode the outline uses (edges longer than the
// distance dropped), then the outlines traced. Goal: build and tracing at
// most 1.3 times the build (the tracing is linear); the end-to-end ratio of
// the two runs is printed too.
//
//   bench_contour [--points N]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <sstream>

#include "chrono_banc.h"
#include "framework/error_stream.h"
#include "terrain/construction_maillage.h"
#include "terrain/contours_points.h"
#include "terrain/maillage.h"

namespace {

using Clock = std::chrono::steady_clock;
using terrain::MAILLAGE;

constexpr double kDistance = 25.0;

// Nine square clusters 2 km apart, 8 m spacing with a jitter; every other
// one with a hole in its middle.
void charge(MAILLAGE& m, size_t points) {
  std::mt19937_64 aleas(5);
  std::uniform_real_distribution<double> bruit(-2.0, 2.0);
  const size_t parAmas = points / 9;
  const auto cote = static_cast<size_t>(std::sqrt(static_cast<double>(parAmas)));
  for (size_t a = 0; a < 9; ++a) {
    const double x0 = 600000.0 + 2000.0 * (a % 3) * (1.0 + cote / 200.0);
    const double y0 = 6500000.0 + 2000.0 * (a / 3) * (1.0 + cote / 200.0);
    for (size_t i = 0; i < cote; ++i)
      for (size_t j = 0; j < cote; ++j) {
        const bool trou =
            a % 2 == 0 && i > cote / 3 && i < 2 * cote / 3 && j > cote / 3 && j < 2 * cote / 3;
        if (trou) continue;
        m.ajoutePoint(
            terrain::VECTEUR(x0 + 8.0 * i + bruit(aleas), y0 + 8.0 * j + bruit(aleas), 100.0));
      }
  }
}

}  // namespace

int main(int argc, char** argv) {
  size_t points = 1000000;
  for (int i = 1; i + 1 < argc; i += 2)
    if (!std::strcmp(argv[i], "--points")) points = std::strtoul(argv[i + 1], nullptr, 10);
  std::ostringstream messages;
  framework::fluxErreur().rdbuf(messages.rdbuf());
  terrain::PARAMETRES_CONSTRUCTION p;
  p.mode = -1;
  p.distanceMax = kDistance;

  // Each measured twice, alternately, the best kept: the first build of a
  // process also pays for the memory it is the first to touch.
  double tConstruit = 1e300, tContour = 1e300, tTrace = 1e300;
  size_t nombrePoints = 0;
  std::vector<terrain::CONTOUR> contours;
  bool ok = true;
  for (int essai = 0; essai < 2; ++essai) {
    {
      MAILLAGE seul(terrain::kMailleurQuoril);
      charge(seul, points);
      const auto debut = Clock::now();
      ok = terrain::construitMaillage(seul, p) && ok;
      tConstruit = std::min(tConstruit, seconds(debut));
      nombrePoints = seul.points().size();
    }
    {
      MAILLAGE contour(terrain::kMailleurQuoril);
      charge(contour, points);
      const auto debut = Clock::now();
      ok = terrain::construitMaillage(contour, p) && ok;
      const auto trace = Clock::now();
      contours = terrain::traceContours(contour);
      tTrace = std::min(tTrace, seconds(trace));
      tContour = std::min(tContour, seconds(debut));
    }
  }
  if (!ok) {
    std::printf("the build failed\n");
    return 1;
  }
  size_t fermes = 0;
  for (const auto& c : contours) fermes += c.ferme;
  // The tracing against the build: the two builds are the same work, and on a
  // shared machine their times differ more than the tracing takes.
  const double ratio = (tConstruit + tTrace) / tConstruit;
  std::printf(
      "%zu points: build %.3f s, build and outlines %.3f s (tracing %.3f s; %zu outlines, %zu "
      "closed)\n",
      nombrePoints, tConstruit, tContour, tTrace, contours.size(), fermes);
  std::printf("ratio (build + tracing) / build %.2f (goal <= 1.3) %s; end to end %.2f\n", ratio,
              ratio <= 1.3 ? "ok" : "MISSED", tContour / tConstruit);
  return 0;
}
