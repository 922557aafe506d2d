// Cut and fill between two meshed surfaces, measured against itself:
//   a) a terrain of scattered survey points and a project surface crossing
//      it (a platform on a slope, with its own points), each meshed, at N
//      and at 4N points (about 2N triangles each): the time ratio, goal
//      <= 4.6 (linear: candidate pairs come through the grid);
//   b) the relative error of cut and fill against closed forms: two planes
//      over a square, and a box-shaped pit in a flat project (goal < 1e-9).
//
//   bench_cubature [--points N]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <sstream>

#include "earthworks/cubature_prisme.h"
#include "framework/error_stream.h"
#include "terrain/construction_maillage.h"
#include "terrain/maillage.h"

namespace {

using earthworks::CUBATUREPRISME;
using terrain::MAILLAGE;
using terrain::VECTEUR;
using Clock = std::chrono::steady_clock;

constexpr double kX0 = 600000.0, kY0 = 6500000.0;

template <typename Hauteur>
void maille(MAILLAGE& m, size_t points, double cote, uint64_t graine, Hauteur z) {
  std::mt19937_64 aleas(graine);
  std::uniform_real_distribution<double> u(0.0, cote);
  // The corners first, so that both surfaces cover the whole square.
  for (const double x : {0.0, cote})
    for (const double y : {0.0, cote}) m.ajoutePoint(VECTEUR(kX0 + x, kY0 + y, z(x, y)));
  for (size_t k = 4; k < points; ++k) {
    const double x = u(aleas), y = u(aleas);
    m.ajoutePoint(VECTEUR(kX0 + x, kY0 + y, z(x, y)));
  }
  terrain::PARAMETRES_CONSTRUCTION p;
  p.distanceMax = 0.0;
  terrain::construitMaillage(m, p);
  m.construitGrille(true);
}

// Seconds for the cut and fill between a rolling terrain and a platform of
// slope 2 % across it, `points` each; the triangles of the terrain in *n.
double mesureDebit(size_t points, size_t* n) {
  const double cote = std::sqrt(static_cast<double>(points)) * 10.0;  // ~10 m spacing
  MAILLAGE sol, projet;
  maille(sol, points, cote, 1,
         [](double x, double y) { return 100.0 + 3.0 * std::sin(x / 70.0) * std::cos(y / 90.0); });
  maille(projet, points, cote, 2, [](double x, double) { return 99.0 + 0.02 * (x - 50.0); });
  *n = sol.nombreTriangles();
  CUBATUREPRISME c(sol, projet);
  const auto debut = Clock::now();
  c.calcule(CUBATUREPRISME::kVolumes);
  return std::chrono::duration<double>(Clock::now() - debut).count();
}

double ecart(double mesure, double attendu) { return std::fabs(mesure - attendu) / attendu; }

}  // namespace

int main(int argc, char** argv) {
  size_t points = 250000;
  for (int i = 1; i + 1 < argc; i += 2)
    if (!std::strcmp(argv[i], "--points")) points = std::strtoul(argv[i + 1], nullptr, 10);
  std::ostringstream messages;
  framework::fluxErreur().rdbuf(messages.rdbuf());

  size_t n1 = 0, n4 = 0;
  const double t1 = mesureDebit(points, &n1);
  const double t4 = mesureDebit(4 * points, &n4);
  const double ratio = t4 / t1;
  std::printf("a) cut and fill, %zu triangles a surface: %.3f s; %zu triangles: %.3f s\n", n1, t1,
              n4, t4);
  std::printf("   ratio 4x/1x %.2f (goal <= 4.6) %s\n", ratio, ratio <= 4.6 ? "ok" : "MISSED");

  // Two planes over a 400 m square: ground at 10, project 5 + 0.025 x; they
  // cross at x = 200: 200 * 400 * (5 / 2) = 200,000 m3 each side.
  double pire = 0.0;
  {
    MAILLAGE sol, projet;
    maille(sol, 20000, 400.0, 3, [](double, double) { return 10.0; });
    maille(projet, 30000, 400.0, 4, [](double x, double) { return 5.0 + 0.025 * x; });
    CUBATUREPRISME c(sol, projet);
    c.calcule(CUBATUREPRISME::kVolumes);
    const double e1 = ecart(c.volumeDeblai, 200000.0), e2 = ecart(c.volumeRemblai, 200000.0);
    std::printf("b) two planes: cut %.6f, fill %.6f m3 (200000 each): relative errors %.1e %.1e\n",
                c.volumeDeblai, c.volumeRemblai, e1, e2);
    pire = std::max({pire, e1, e2});
  }
  // A 30 x 50 x 3 m pit with vertical walls in a flat project over meshed
  // flat ground: 4,500 m3 of cut, no fill.
  {
    MAILLAGE sol, fouille;
    maille(sol, 20000, 400.0, 5, [](double, double) { return 0.0; });
    auto p = [&](double x, double y, double z) {
      return fouille.ajoutePoint(VECTEUR(kX0 + x, kY0 + y, z));
    };
    auto quad = [&](terrain::PT_MAILLE* a, terrain::PT_MAILLE* b, terrain::PT_MAILLE* c,
                    terrain::PT_MAILLE* d) {
      fouille.ajouteTriangle(a, b, c);
      fouille.ajouteTriangle(a, c, d);
    };
    const double xs[] = {0, 170, 200, 400}, ys[] = {0, 130, 180, 400};
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j) {
        const double z = i == 1 && j == 1 ? -3.0 : 0.0;
        quad(p(xs[i], ys[j], z), p(xs[i + 1], ys[j], z), p(xs[i + 1], ys[j + 1], z),
             p(xs[i], ys[j + 1], z));
      }
    const double bord[5][2] = {{170, 130}, {200, 130}, {200, 180}, {170, 180}, {170, 130}};
    for (int k = 0; k < 4; ++k)
      quad(p(bord[k][0], bord[k][1], 0), p(bord[k + 1][0], bord[k + 1][1], 0),
           p(bord[k + 1][0], bord[k + 1][1], -3), p(bord[k][0], bord[k][1], -3));
    fouille.construitGrille(true);
    CUBATUREPRISME c(sol, fouille);
    c.calcule(CUBATUREPRISME::kVolumes);
    const double e = ecart(c.volumeDeblai, 4500.0);
    std::printf("   pit: cut %.6f m3 (4500), fill %.3g: relative error %.1e\n", c.volumeDeblai,
                c.volumeRemblai, e);
    pire = std::max(pire, c.volumeRemblai > 0.0 ? 1.0 : e);
  }
  std::printf("   worst relative error %.1e (goal < 1e-9) %s\n", pire,
              pire < 1e-9 ? "ok" : "MISSED");
  return 0;
}
