// The grid drawn cell by cell (void nodes, each cell once, the grid's edge)
// and the heights of a draped segment against values worked by hand.
#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

#include "dem/trace_grille.h"

namespace dem {
namespace {

struct Releve : SortieDessin {
  std::vector<std::vector<Noeud>> faces, lignes, points;
  std::vector<int> couleurs;
  void face(const Noeud& a, const Noeud& b, const Noeud& c, const Noeud& d, int k) override {
    faces.push_back({a, b, c, d});
    couleurs.push_back(k);
  }
  void ligne(const Noeud& a, const Noeud& b, int k) override {
    lignes.push_back({a, b});
    couleurs.push_back(k);
  }
  void point(const Noeud& a, int k) override {
    points.push_back({a});
    couleurs.push_back(k);
  }
};

Calage calage(int64_t rangees, int64_t colonnes) {
  Calage k;
  k.pas = 10;
  k.x0 = 1000;
  k.y0 = 2000;
  k.rangees = rangees;
  k.colonnes = colonnes;
  return k;
}

TEST(Trace, FacesFollowTheVoidNodesAndDrawEachCellOnce) {
  GrilleAltitudes g;
  // Cell (0,0) whole: two triangles; cell (0,1): lower-right void, only
  // a c' d; cell (0,2): lower-left void, nothing.
  const int32_t z[2][4] = {{100, 150, kSansDonnee, 40}, {170, 0, 60, kSansDonnee}};
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 4; ++c) g.poser(r, c, z[r][c]);
  g.poser(0, 2, kSansDonnee);
  Releve s;
  EXPECT_EQ(tracerGrille(Trace::Faces, g, calage(2, 4), bandesParDefaut(), s), 3);
  ASSERT_EQ(s.faces.size(), 3u);
  // a b c', colour from (100, 150, 0): mean 83 -> 53; a c' d from (100, 0, 170).
  EXPECT_DOUBLE_EQ(s.faces[0][1].x, 1010);
  EXPECT_DOUBLE_EQ(s.faces[0][2].y, 2010);
  EXPECT_DOUBLE_EQ(s.faces[0][3].z, 0);
  EXPECT_EQ(s.couleurs[0], 53);
  EXPECT_DOUBLE_EQ(s.faces[1][2].z, 170);
  // Cell (0,1): a=150, b void -> c'=60 present, but b void: only a c' d.
  EXPECT_DOUBLE_EQ(s.faces[2][0].z, 150);
  EXPECT_DOUBLE_EQ(s.faces[2][1].z, 60);
  EXPECT_DOUBLE_EQ(s.faces[2][2].z, 0);

  // A whole window: no face twice.
  GrilleAltitudes plein;
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 6; ++c) plein.poser(r, c, 10 * r + c);
  Releve t;
  EXPECT_EQ(tracerGrille(Trace::Faces, plein, calage(5, 6), bandesParDefaut(), t), 2 * 4 * 5);
  std::set<std::tuple<double, double, double, double>> vues;
  for (const auto& f : t.faces) vues.insert({f[0].x, f[0].y, f[2].x, f[2].y});
  EXPECT_EQ(vues.size(), t.faces.size());
}

TEST(Trace, UpperRightVoidGivesTheOtherDiagonal) {
  GrilleAltitudes g;
  g.poser(0, 0, 10);
  g.poser(0, 1, 20);
  g.poser(1, 0, 30);
  Releve f, l, p;
  EXPECT_EQ(tracerGrille(Trace::Faces, g, calage(2, 2), bandesParDefaut(), f), 1);
  EXPECT_DOUBLE_EQ(f.faces[0][2].z, 30);  // a b d, d repeated
  EXPECT_DOUBLE_EQ(f.faces[0][3].z, 30);
  EXPECT_EQ(f.couleurs[0], 51);
  // Lines: a-b, the diagonal d-b, a-d.
  EXPECT_EQ(tracerGrille(Trace::Lignes, g, calage(2, 2), bandesParDefaut(), l), 3);
  EXPECT_DOUBLE_EQ(l.lignes[1][0].z, 30);
  EXPECT_DOUBLE_EQ(l.lignes[1][1].z, 20);
  EXPECT_EQ(tracerGrille(Trace::Points, g, calage(2, 2), bandesParDefaut(), p), 3);
}

TEST(Trace, NodesBeyondTheGridAreVoid) {
  GrilleAltitudes g;
  for (int r = 998; r < 1000; ++r)
    for (int c = 998; c < 1000; ++c) g.poser(r, c, 5);
  g.poser(1000, 0, 5);  // outside: not written
  EXPECT_TRUE(g.vide(1000, 0));
  Releve s;
  // A window snapped to 1,001 nodes: the last row and column fall outside.
  EXPECT_EQ(tracerGrille(Trace::Lignes, g, calage(1001, 1001), bandesParDefaut(), s), 5);
}

TEST(Trace, DrapedSamplesAlongTheGridColumns) {
  GrilleAltitudes g;
  // Columns 1 and 2 hold z = 100 + row * 10 and 200 + row * 20; column 3 a
  // void node in row 1.
  for (int r = 0; r < 4; ++r) {
    g.poser(r, 0, 7);
    g.poser(r, 1, 100 + 10 * r);
    g.poser(r, 2, 200 + 20 * r);
    g.poser(r, 3, r == 1 ? kSansDonnee : 300);
  }
  const Calage k = calage(4, 5);
  // From (1005, 2005) to (1035, 2020): y = 2005 + (x - 1005) / 2.
  const std::vector<Noeud> s = echantillons(g, k, 1005, 2005, 1035, 2020);
  ASSERT_EQ(s.size(), 3u);
  EXPECT_DOUBLE_EQ(s[0].x, 1010);
  EXPECT_DOUBLE_EQ(s[0].y, 2007.5);
  EXPECT_DOUBLE_EQ(s[0].z, 107.5);  // 100 + 10 * 0.75
  EXPECT_DOUBLE_EQ(s[1].y, 2012.5);
  EXPECT_DOUBLE_EQ(s[1].z, 225);  // row 1: 220 + 20 * 0.25
  // Beside the void node: without data, whatever it interpolates to; it
  // keeps the previous sample's height.
  EXPECT_DOUBLE_EQ(s[2].z, 225);
  // Due north: no column crossed.
  EXPECT_TRUE(echantillons(g, k, 1015, 2000, 1015, 2030).empty());
  // The height at a point, bilinear, and nothing beside a void node.
  EXPECT_DOUBLE_EQ(*altitudeAu(g, k, 1015, 2005), (105 + 210) / 2.0);
  EXPECT_FALSE(altitudeAu(g, k, 1025, 2005).has_value());
}

}  // namespace
}  // namespace dem
