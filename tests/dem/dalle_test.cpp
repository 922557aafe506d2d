// The tile reader: its format, the snapping of the window to the tile's step,
// and tiles that must be refused whole without a write outside the grid.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dem/dalle.h"

namespace dem {
namespace {

struct Lecture {
  GrilleAltitudes grille;
  BilanPasse bilan;
  std::vector<int32_t> tampon;
  ResultatDalle lire(const std::string& texte, const Coins& c) {
    return lireDalle(texte, c, grille, bilan, tampon);
  }
};

TEST(Dalle, RunsNoDataAndRowsPlacedFromTheSnappedOrigin) {
  Lecture l;
  // Row 0: 100, three void, 120; a run that passes the row's end is cut
  // there; altitude 0 is stored.
  const std::string texte = "1000 2000 3 5 50\n100 -3 120\n1 2 -7\n0 +4 5 6 7\n";
  const ResultatDalle r = l.lire(texte, Coins{1010, 2020, 1300, 2200});
  ASSERT_EQ(r.issue, IssueDalle::Lue) << r.motif;
  EXPECT_EQ(l.bilan.calage.x0, 1000);
  EXPECT_EQ(l.bilan.calage.y0, 2000);
  EXPECT_EQ(l.bilan.calage.colonnes, 8);  // (1300 - 1000) / 50 + 2
  EXPECT_EQ(l.bilan.calage.rangees, 6);
  EXPECT_EQ(l.grille.z(0, 0), 100);
  for (int c = 1; c <= 3; ++c) EXPECT_TRUE(l.grille.vide(0, c));
  EXPECT_EQ(l.grille.z(0, 4), 120);
  EXPECT_EQ(l.grille.z(1, 1), 2);
  EXPECT_TRUE(l.grille.vide(1, 2));
  EXPECT_EQ(l.grille.z(2, 0), 0);
  EXPECT_EQ(l.grille.z(2, 1), 4);
  EXPECT_EQ(l.bilan.noeuds, 9);
  EXPECT_EQ(l.bilan.zmax, 120);
  EXPECT_EQ(l.bilan.zmin, 0);

  // A second tile east of the window's origin lands further right, and what
  // falls outside the window's rows and columns is not stored.
  ASSERT_EQ(l.lire("1200 2100 2 3 50 10 11 12 13 14 15", Coins{1010, 2020, 1300, 2200}).issue,
            IssueDalle::Lue);
  EXPECT_EQ(l.grille.z(2, 4), 10);
  EXPECT_EQ(l.grille.z(3, 6), 15);
  EXPECT_EQ(l.bilan.noeuds, 15);
}

TEST(Dalle, WindowSizesAndSnapping) {
  // 1,000 units at step 50: 21 cells in the dialog, 22 nodes after snapping.
  EXPECT_EQ(taille(Coins{0, 0, 1000, 1000}).rangees, 21);
  const Calage k = caler(Coins{0, 0, 1000, 1000}, 50);
  EXPECT_EQ(k.rangees, 22);
  EXPECT_EQ(k.colonnes, 22);
  // A picked window taller than 49,950 units is brought back to 1,000 rows.
  Coins haut{10, 20, 30, 70000};
  EXPECT_EQ(limiter(haut).rangees, 1000);
  EXPECT_DOUBLE_EQ(haut.y2, 20 + 49950);
  // Snapping truncates toward zero.
  const Calage n = caler(Coins{-75, 75, 125, 175}, 50);
  EXPECT_EQ(n.x0, -50);
  EXPECT_EQ(n.y0, 50);
  EXPECT_EQ(n.x1, 100);
  // Far corners and the largest step stay within the integers.
  const Calage loin = caler(Coins{-1e300, -1e300, 1e300, 1e300}, 2147483647);
  EXPECT_LT(loin.x0, 0);
  EXPECT_GT(loin.colonnes, 1000);
  Lecture l;
  EXPECT_EQ(l.lire("0 0 2 2 2147483647 1 2 3 4", Coins{-1e300, -1e300, 1e300, 1e300}).issue,
            IssueDalle::Lue);
}

TEST(Dalle, TileOutsideTheWindowIsLeftUnread) {
  Lecture l;
  // Its values are not even looked at.
  const ResultatDalle r = l.lire("5000 5000 2 2 50 pas des nombres", Coins{0, 0, 1000, 1000});
  EXPECT_EQ(r.issue, IssueDalle::HorsFenetre);
  EXPECT_EQ(l.bilan.pas, 50);
  EXPECT_EQ(l.bilan.noeuds, 0);
}

TEST(Dalle, HostileTilesAreRefusedWholeAndWriteNothing) {
  const Coins c{0, 0, 60000, 60000};
  const struct {
    std::string texte, motif;
  } cas[] = {
      {"0 0 2 2", "en-tête illisible"},
      {"0 0 2 2 0 1 2 3 4", "pas de grille nul"},
      {"0 0 2 2 -50 1 2 3 4", "pas de grille nul"},
      {"0 0 0 2 50", "nul ou négatif"},
      {"0 0 1001 2 50 1", "plus que la grille"},
      {"0 0 2 2 50 1 2 3", "1 rangées complètes sur 2"},
      {"0 0 2 2 50 1 2 3 4 5", "valeurs en trop"},
      {"0 0 2 2 50 1 2 x 4", "mot non numérique à la rangée 2"},
      {"0 0 2 2 50 1 2 3 4e", "mot non numérique"},
      {"0 0 2 2 50 1 99999999999 3 4", "mot non numérique"},
      {"0 0 2 2 50 1 2 3 4 -", "valeurs en trop"},
  };
  for (const auto& k : cas) {
    Lecture l;
    const ResultatDalle r = l.lire(k.texte, c);
    EXPECT_EQ(r.issue, IssueDalle::Refusee) << k.texte;
    EXPECT_NE(r.motif.find(k.motif), std::string::npos) << k.texte << " : " << r.motif;
    EXPECT_EQ(l.bilan.noeuds, 0) << k.texte;
    EXPECT_TRUE(l.grille.vide(0, 0)) << k.texte;
  }
  // Far coordinates and the longest runs neither overflow nor write outside.
  Lecture l;
  EXPECT_EQ(l.lire("2147483647 -2147483647 1 3 2147483647 7 8 9",
                   Coins{2147483000.0, -2147483648.0, 2147483647.0, -2147483000.0})
                .issue,
            IssueDalle::Lue);
  EXPECT_EQ(l.grille.z(0, 1), 7);
  EXPECT_EQ(l.grille.z(0, 2), 8);
  EXPECT_EQ(l.bilan.noeuds, 2);  // the third node is beyond the window
  EXPECT_EQ(
      l.lire("-100000 -100000 2 1000 100 -2147483648 -2147483648", Coins{-100000, -100000, 0, 0})
          .issue,
      IssueDalle::Lue);
  EXPECT_EQ(l.bilan.noeuds, 2);
}

}  // namespace
}  // namespace dem
