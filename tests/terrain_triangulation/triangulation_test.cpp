// The guarded triangulation: counts that Euler fixes, constraints kept as
// edges, altitudes interpolated at inserted points, and Triangle stopping its
// process for want of memory while the caller goes on.
#include "terrain/triangulation.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <utility>

namespace terrain {
namespace {

double aire(const ResultatTriangulation& r, size_t t) {
  const int* c = &r.triangles[3 * t];
  const double ax = r.xy[2 * c[0]], ay = r.xy[2 * c[0] + 1];
  return ((r.xy[2 * c[1]] - ax) * (r.xy[2 * c[2] + 1] - ay) -
          (r.xy[2 * c[2]] - ax) * (r.xy[2 * c[1] + 1] - ay)) /
         2;
}

// Every triangle counterclockwise, together covering `attendue`.
void verifieAires(const ResultatTriangulation& r, double attendue) {
  double somme = 0;
  for (size_t t = 0; t < r.nombreTriangles(); ++t) {
    ASSERT_GT(aire(r, t), 0) << "triangle " << t;
    somme += aire(r, t);
  }
  EXPECT_NEAR(somme, attendue, 1e-9 * attendue);
}

bool aArete(const ResultatTriangulation& r, int a, int b) {
  for (size_t e = 0; e < r.nombreAretes(); ++e) {
    const int p = r.aretes[2 * e], q = r.aretes[2 * e + 1];
    if ((p == a && q == b) || (p == b && q == a)) return true;
  }
  return false;
}

// Edges that only one triangle uses: the hull's, h of them.
size_t aretesDeBord(const ResultatTriangulation& r) {
  std::vector<uint64_t> cles;
  cles.reserve(r.triangles.size());
  for (size_t t = 0; t < r.nombreTriangles(); ++t) {
    for (int k = 0; k < 3; ++k) {
      const auto a = static_cast<uint64_t>(r.triangles[3 * t + k]);
      const auto b = static_cast<uint64_t>(r.triangles[3 * t + (k + 1) % 3]);
      cles.push_back(std::min(a, b) << 32 | std::max(a, b));
    }
  }
  std::sort(cles.begin(), cles.end());
  size_t bord = 0;
  for (size_t i = 0; i < cles.size();) {
    size_t j = i;
    while (j < cles.size() && cles[j] == cles[i]) ++j;
    bord += (j - i == 1);
    i = j;
  }
  return bord;
}

// The corners of a 10 m square, its diagonal 0-2 as a constraint, and inner
// points about the diagonal that a plain Delaunay triangulation cuts it with.
EntreeTriangulation carreAvecDiagonale() {
  EntreeTriangulation in;
  in.xy = {0, 0, 10, 0, 10, 10, 0, 10, 5, 5.8, 5.8, 5, 3, 2.2, 7.5, 8.4};
  for (size_t i = 0; i < in.xy.size() / 2; ++i) in.z.push_back(100 + i);
  in.segments = {0, 2};
  return in;
}

EntreeTriangulation semis(size_t n, uint64_t graine) {
  std::mt19937_64 aleas(graine);
  std::uniform_real_distribution<double> u(0, 1000);
  EntreeTriangulation in;
  in.xy.resize(2 * n);
  for (double& c : in.xy) c = u(aleas);
  in.z.resize(n);
  for (double& z : in.z) z = u(aleas) / 10;
  in.options = "pczAe";
  return in;
}

TEST(Triangulation, CarreContraintCompteDEulerEtAretes) {
  const EntreeTriangulation in = carreAvecDiagonale();
  ResultatTriangulation r;
  std::string erreur;
  ASSERT_TRUE(trianguler(in, r, erreur)) << erreur;
  const size_t n = 8, h = 4;
  EXPECT_EQ(r.nombrePoints(), n);  // no switch that inserts points
  EXPECT_EQ(r.nombreTriangles(), 2 * n - 2 - h);
  EXPECT_EQ(r.nombreAretes(), n + r.nombreTriangles() - 1);
  EXPECT_EQ(aretesDeBord(r), h);
  verifieAires(r, 100);
  EXPECT_EQ(r.z, in.z);
  EXPECT_TRUE(aArete(r, 0, 2));

  // Without the constraint the diagonal is gone: the check above means something.
  EntreeTriangulation libre = in;
  libre.segments.clear();
  ASSERT_TRUE(trianguler(libre, r, erreur)) << erreur;
  EXPECT_FALSE(aArete(r, 0, 2));
  EXPECT_EQ(r.nombreTriangles(), 2 * n - 2 - h);

  // Without "e", no edges; "z" is added, so the numbers still start at 0.
  libre.options = "pcA";
  ASSERT_TRUE(trianguler(libre, r, erreur)) << erreur;
  EXPECT_EQ(r.nombreAretes(), 0u);
  EXPECT_EQ(*std::min_element(r.triangles.begin(), r.triangles.end()), 0);
}

TEST(Triangulation, AltitudesInterpoleesAuxPointsInseres) {
  // A long thin strip: the quality switch must insert points, and the
  // altitudes of a plane are interpolated exactly.
  auto plan = [](double x, double y) { return 250 + 0.03 * x - 0.2 * y; };
  EntreeTriangulation in;
  in.xy = {0, 0, 100, 0, 100, 4, 0, 4, 30, 1};
  for (size_t i = 0; i < 5; ++i) in.z.push_back(plan(in.xy[2 * i], in.xy[2 * i + 1]));
  in.segments = {0, 2};
  in.options = "pczAeq";
  ResultatTriangulation r;
  std::string erreur;
  ASSERT_TRUE(trianguler(in, r, erreur)) << erreur;
  ASSERT_GT(r.nombrePoints(), 5u);
  for (size_t i = 0; i < 5; ++i) EXPECT_EQ(r.z[i], in.z[i]);
  for (size_t i = 5; i < r.nombrePoints(); ++i) {
    const double x = r.xy[2 * i], y = r.xy[2 * i + 1];
    EXPECT_TRUE(x >= 0 && x <= 100 && y >= 0 && y <= 4) << i;
    EXPECT_NEAR(r.z[i], plan(x, y), 1e-9) << "point " << i;
  }
  verifieAires(r, 400);
  EXPECT_EQ(r.nombreAretes(), r.nombrePoints() + r.nombreTriangles() - 1);
}

TEST(Triangulation, EntreesRefuseesOuDegenerees) {
  ResultatTriangulation r = {{1, 2}, {3}, {}, {}};
  const ResultatTriangulation avant = r;
  std::string erreur;

  EntreeTriangulation in = carreAvecDiagonale();
  in.segments = {0, 8};
  EXPECT_FALSE(trianguler(in, r, erreur));
  EXPECT_EQ(erreur, "Triangulation impossible : le segment 0 relie le point 8, qui n'existe pas.");
  in = carreAvecDiagonale();
  in.z.pop_back();
  EXPECT_FALSE(trianguler(in, r, erreur));
  EXPECT_EQ(erreur, "Triangulation impossible : 7 altitudes pour 8 points.");
  in = carreAvecDiagonale();
  in.xy[3] = NAN;
  EXPECT_FALSE(trianguler(in, r, erreur));
  EXPECT_EQ(erreur, "Triangulation impossible : le point 1 a une coordonnée non finie.");
  in = carreAvecDiagonale();
  in.options = "pczv";
  EXPECT_FALSE(trianguler(in, r, erreur));
  EXPECT_EQ(erreur,
            "Triangulation impossible : l'option de triangulation « v » n'est pas prise en "
            "charge.");
  EXPECT_EQ(r.xy, avant.xy);
  EXPECT_EQ(r.z, avant.z);

  // Triangle would stop its process on these: an empty mesh instead.
  for (const std::vector<double>& xy :
       {std::vector<double>{}, {1, 1, 2, 2}, {5, 5, 5, 5, 5, 5, 5, 5}}) {
    in = {xy, std::vector<double>(xy.size() / 2, 7.0), {}, "pczAe"};
    ASSERT_TRUE(trianguler(in, r, erreur)) << erreur;
    EXPECT_EQ(r.nombreTriangles(), 0u);
    EXPECT_EQ(r.xy, xy);
  }
  // Collinear points: Triangle's own answer, no triangle either.
  in = {{0, 0, 1, 1, 2, 2, 3, 3}, {1, 2, 3, 4}, {}, "pczAe"};
  ASSERT_TRUE(trianguler(in, r, erreur)) << erreur;
  EXPECT_EQ(r.nombreTriangles(), 0u);
}

// An exit handler of the caller's, which must run in the caller only.
pid_t gPidDuTest = 0;
std::filesystem::path gTemoin;
void gestionnaireDuTest() {
  if (::getpid() != gPidDuTest) std::ofstream(gTemoin) << "exécuté dans le fils\n";
}

TEST(Triangulation, MemoireEpuiseeLAppelantContinue) {
  gPidDuTest = ::getpid();
  gTemoin =
      std::filesystem::temp_directory_path() / ("terrain_temoin_" + std::to_string(gPidDuTest));
  std::filesystem::remove(gTemoin);
  std::atexit(gestionnaireDuTest);

  const EntreeTriangulation in = semis(300000, 11);
  ResultatTriangulation r = {{1, 2}, {3}, {}, {}};
  std::string erreur;
  OptionsTriangulation options;
  options.memoireMaxOctets = 8 << 20;
  testing::internal::CaptureStdout();
  EXPECT_FALSE(trianguler(in, r, erreur, options));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");  // "Error: Out of memory." kept away
  EXPECT_EQ(erreur,
            "Triangulation impossible : la bibliothèque de triangulation s'est arrêtée, faute de "
            "mémoire.");
  EXPECT_EQ(r.z, std::vector<double>{3});
  EXPECT_FALSE(std::filesystem::exists(gTemoin));

  // The same points without the limit: Euler's count over the hull.
  ASSERT_TRUE(trianguler(in, r, erreur)) << erreur;
  const size_t n = 300000;
  ASSERT_EQ(r.nombrePoints(), n);
  EXPECT_EQ(r.nombreTriangles(), 2 * n - 2 - aretesDeBord(r));

  // Every child waited for: none left, zombie or not.
  errno = 0;
  EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

}  // namespace
}  // namespace terrain
