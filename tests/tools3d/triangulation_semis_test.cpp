// The point-set triangulation: the square, isolated points, interruption, and
// the indexed search against the plain scan.
#include <gtest/gtest.h>

#include <cmath>

#include <random>

#include "../../bench/triangulation_balayage.h"
#include "tools3d/triangulation_semis.h"

namespace {

using namespace tools3d;

struct RELEVE : ECOUTE_TRIANGULATION {
  std::vector<balayage::FACE> faces;
  std::vector<std::pair<int, int>> contours;
  int arret = -1;  // stop before this many edges
  int aretes = 0;
  void face(const Point3D& a, const Point3D& b, const Point3D& c) override {
    faces.push_back({a, b, c});
  }
  void contour(int rang, int i, int j, const Point3D&, const Point3D&) override {
    EXPECT_EQ(rang, static_cast<int>(contours.size()));
    contours.emplace_back(i, j);
  }
  void progression(size_t, size_t) override {}
  bool interrompu() override { return aretes++ == arret; }
};

TEST(TriangulationSemis, CarreEtPointIsole) {
  RELEVE r;
  ASSERT_EQ(trianguleSemis({{-1, -1, 0}, {1, -1, 0}, {1, 1, 1}, {-1, 1, 1}}, 10, r),
            FIN_TRIANGULATION::Complete);
  EXPECT_EQ(r.faces.size(), 2u);
  EXPECT_EQ(r.contours.size(), 4u);
  // Points 50 away with a radius of 10: never used (the square keeps the centre).
  RELEVE s;
  trianguleSemis({{-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, 1, 0}, {50, 0, 0}, {-50, 0, 0}}, 10, s);
  for (const auto& f : s.faces)
    for (const Point3D& q : {f.a, f.b, f.c}) EXPECT_LT(std::fabs(q[0]), 2);
  EXPECT_EQ(s.faces.size(), 2u);
  EXPECT_EQ(s.contours.size(), 4u);
  // Equal distances from the centre keep the selection order.
  const auto tries =
      triParDistance({{1, 0, 0}, {0, 1, 0}, {-1, 0, 0}, {0, -1, 0}, {3, 0, 0}, {-3, 0, 0}});
  EXPECT_EQ(tries[0], (Point3D{1, 0, 0}));
  EXPECT_EQ(tries[3], (Point3D{0, -1, 0}));
  // Fewer than three points: nothing.
  RELEVE t;
  trianguleSemis({{0, 0, 0}, {1, 0, 0}}, 10, t);
  EXPECT_TRUE(t.faces.empty());
}

TEST(TriangulationSemis, InterruptionEtFrontQuiNeSeRefermePas) {
  std::vector<Point3D> grille;
  for (int i = 0; i < 10; ++i)
    for (int j = 0; j < 10; ++j) grille.push_back({double(i), double(j), 0});
  RELEVE r;
  r.arret = 2;
  EXPECT_EQ(trianguleSemis(grille, 1.5, r), FIN_TRIANGULATION::Interrompue);
  EXPECT_GE(r.faces.size(), 1u);
  EXPECT_LE(r.faces.size(), 3u);
  // On a regular grid the end-point test by coordinates lets the front cover
  // its own faces again: the run stops at 8 faces a point instead of going on.
  RELEVE s;
  EXPECT_EQ(trianguleSemis(grille, 4, s), FIN_TRIANGULATION::Limite);
  EXPECT_EQ(s.faces.size(), kFacesParPoint * grille.size() + 1);
}

TEST(TriangulationSemis, MemesFacesQueLeBalayage) {
  std::mt19937 gen(12);
  std::uniform_real_distribution<double> u(0, 100);
  for (const double rayon : {4.0, 9.0, 60.0}) {
    std::vector<Point3D> semis;
    for (int n = 0; n < 1500; ++n) {
      const double x = u(gen), y = u(gen);
      semis.push_back({600000 + x, 6500000 + y, 100 + 0.1 * x + 2 * std::sin(0.05 * y)});
    }
    // Collinear points and ties of distance.
    for (int i = 0; i < 10; ++i) semis.push_back({600030.0 + 2 * i, 6500071.0, 104});
    RELEVE r;
    ASSERT_EQ(trianguleSemis(semis, rayon, r), FIN_TRIANGULATION::Complete);
    const auto attendues = balayage::triangule(semis, rayon);
    EXPECT_GT(r.faces.size(), semis.size()) << rayon;
    EXPECT_LT(r.faces.size(), 3 * semis.size()) << rayon;
    EXPECT_TRUE(r.faces == attendues)
        << rayon << ": " << r.faces.size() << " / " << attendues.size();
  }
}

}  // namespace
