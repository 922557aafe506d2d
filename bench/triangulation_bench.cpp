// The guarded triangulation (Triangle in a child process, the result sent back
// through a pipe) measured against calling triangulate() directly on the same
// points, in the same run: guarded/direct ratios of elapsed time and of
// processor time, the child's included (goal <= 1.25 each), and the
// processor time of the first calls alone. On a loaded machine the processor
// time is the steadier.
//
//   bench_triangulation [--points N] [--runs R]
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <string>

#include "terrain/triangulation.h"
#include "triangle_direct.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Temps {
  double ecoule = 1e300;
  double processeur = 1e300;
  double premierProcesseur = 0;  // the first run: a cold heap, as a host's single call has
};

// Processor time of this process and of its waited-for children.
double tempsProcesseur() {
  double t = 0;
  for (const int qui : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
    rusage r{};
    getrusage(qui, &r);
    t += r.ru_utime.tv_sec + r.ru_stime.tv_sec + 1e-6 * (r.ru_utime.tv_usec + r.ru_stime.tv_usec);
  }
  return t;
}

// Best of `runs`: the machine is shared, the fastest run is the least disturbed.
Temps best(int runs, const std::function<void()>& fn) {
  Temps t;
  for (int i = 0; i < runs; ++i) {
    const auto debut = Clock::now();
    const double processeur = tempsProcesseur();
    fn();
    const double ce = tempsProcesseur() - processeur;
    if (i == 0) t.premierProcesseur = ce;
    t.processeur = std::min(t.processeur, ce);
    t.ecoule = std::min(t.ecoule, std::chrono::duration<double>(Clock::now() - debut).count());
  }
  return t;
}

}  // namespace

int main(int argc, char** argv) {
  size_t points = 1000000;
  int runs = 3;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--points") == 0) points = std::strtoul(argv[i + 1], nullptr, 10);
    if (std::strcmp(argv[i], "--runs") == 0) runs = std::max(1, std::atoi(argv[i + 1]));
  }

  // Surveyed points over a 10 km square, to the millimetre.
  std::mt19937_64 aleas(7);
  std::uniform_real_distribution<double> u(0, 10000);
  terrain::EntreeTriangulation in;
  in.xy.resize(2 * points);
  for (double& c : in.xy) c = std::round(u(aleas) * 1000) / 1000;
  in.z.resize(points);
  for (double& z : in.z) z = std::round(u(aleas) * 10) / 1000;
  in.options = "pczAe";

  size_t trianglesDirect = 0;
  const Temps tDirect = best(runs, [&] {
    triangulateio entree{};
    entree.pointlist = in.xy.data();
    entree.numberofpoints = static_cast<int>(points);
    entree.pointattributelist = in.z.data();
    entree.numberofpointattributes = 1;
    triangulateio out{};
    std::string options = in.options + "Q";
    triangulate(options.data(), &entree, &out, nullptr);
    trianglesDirect = static_cast<size_t>(out.numberoftriangles);
    libere(out);
  });

  size_t trianglesGarde = 0;
  std::string erreur;
  const Temps tGarde = best(runs, [&] {
    terrain::ResultatTriangulation r;
    if (!terrain::trianguler(in, r, erreur)) std::fprintf(stderr, "%s\n", erreur.c_str());
    trianglesGarde = r.nombreTriangles();
  });

  const double ratio = tGarde.ecoule / tDirect.ecoule;
  const double ratioProcesseur = tGarde.processeur / tDirect.processeur;
  std::printf("%zu points, best of %d runs\n", points, runs);
  std::printf("%-30s %7.3f s elapsed %7.3f s processor  %zu triangles\n",
              "triangulate() direct (floor)", tDirect.ecoule, tDirect.processeur, trianglesDirect);
  std::printf("%-30s %7.3f s elapsed %7.3f s processor  %zu triangles\n",
              "terrain::trianguler (child)", tGarde.ecoule, tGarde.processeur, trianglesGarde);
  std::printf("guarded/direct: elapsed %.3f, processor %.3f (goal <= 1.25) %s\n", ratio,
              ratioProcesseur, std::max(ratio, ratioProcesseur) <= 1.25 ? "ok" : "MISSED");
  // The child always starts on fresh pages; a direct call repeated in one
  // process reuses its heap. The first calls compare what a host sees once.
  std::printf("first calls only, processor: direct %.3f s, guarded %.3f s, ratio %.3f\n",
              tDirect.premierProcesseur, tGarde.premierProcesseur,
              tGarde.premierProcesseur / tDirect.premierProcesseur);
  return trianglesGarde == trianglesDirect ? 0 : 1;
}
