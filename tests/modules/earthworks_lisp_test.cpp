// Talvex's earthwork functions as a LISP program calls them through cadhost:
// volumes between the 3D faces of two layers, and section areas.
#include <gtest/gtest.h>

#include "run_cadhost.h"

namespace {

// Ground flat at 10 and a project 5 + x over the same 10 m square, each one
// four-corner face: they cross at x = 5, 125 m3 of cut and of fill.
constexpr char kSurfaces[] =
    "(defun face (calque a b c d)\n"
    "  (entmake (list '(0 . \"3DFACE\") (cons 8 calque) (cons 10 a) (cons 11 b) (cons 12 c)"
    " (cons 13 d))))\n"
    "(face \"TN\" '(0 0 10) '(10 0 10) '(10 10 10) '(0 10 10))\n"
    "(face \"PRJ\" '(0 0 5) '(10 0 15) '(10 10 15) '(0 10 5))\n"
    "(defun resultats (quoi) (prin1 (list quoi CUBEDEB CUBEREMB CUBESURFD CUBESURFR CUBESURF CUBE"
    " CUBES3DTN CUBES3RTN CUBES3DPRJ CUBES3RPRJ)) (terpri))\n"
    "(defun compte (calque) (if (setq s (ssget \"X\" (list '(0 . \"3DFACE\") (cons 8 calque))))"
    " (sslength s) 0))\n";

TEST(EarthworksLisp, CubeterrainSetsItsTenSymbols) {
  ScratchDir dir;
  dir.write("t.lsp", std::string(kSurfaces) +
                         "(setq CUBEDEB 'avant)\n"
                         "(cubeterrain)\n(cubeterrain \"TN\" 3)\n"
                         "(prin1 (list 'refus CUBEDEB (cubeterrain \"TN\")))\n"
                         "(cubeterrain \"TN\" \"PRJ\")\n(resultats 'volumes)\n"
                         "(cubeterrain \"TN\" \"PRJ\" \"Surfaces\")\n(resultats 'aires)\n"
                         "(setvar \"CLAYER\" \"0\")\n"
                         "(cubeterrain \"TN\" \"PRJ\" \"zone\")\n"
                         "(prin1 (list 'dessin (compte \"CubeDeblais\") (compte \"CubeRemblais\")"
                         " (getvar \"CLAYER\")))\n"
                         "(cubeterrain \"TN\" \"VIDE\")\n(resultats 'vide)\n");
  const CadhostRun r = runCadhost(dir, {"--load", "talvex", "t.lsp"});
  ASSERT_EQ(r.status, 0) << r.out;
  // Refused calls change nothing and answer nil.
  EXPECT_NE(r.out.find("(REFUS AVANT nil)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("cubeterrain : attend le calque du terrain naturel et le calque du projet"),
            std::string::npos);
  // Both halves of each four-corner face count.
  EXPECT_NE(r.out.find("(VOLUMES 125.0 125.0 50.0 50.0 100.0 0.0 0.0 0.0 0.0 0.0)"),
            std::string::npos)
      << r.out;
  // The project rises 1 m per metre: its 3D areas are sqrt(2) times the plan ones.
  EXPECT_NE(r.out.find("(AIRES 125.0 125.0 50.0 50.0 100.0 0.0 50.0 50.0 70.7107 70.7107)"),
            std::string::npos)
      << r.out;
  // The pieces are drawn on their layers, the current layer stays.
  EXPECT_NE(r.out.find("(DESSIN "), std::string::npos);
  EXPECT_EQ(r.out.find("(DESSIN 0 "), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("(DESSIN 0 "), r.out.find("(DESSIN 0 0"));
  EXPECT_NE(r.out.find(" \"0\")"), std::string::npos) << r.out;
  // An empty project layer: no volume, the ground's whole area.
  EXPECT_NE(r.out.find("aucune face 3D sur le calque VIDE"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("(VIDE 0.0 0.0 0.0 0.0 100.0 0.0 0.0 0.0 0.0 0.0)"), std::string::npos)
      << r.out;
}

TEST(EarthworksLisp, LigneptMeasuresSectionAreas) {
  ScratchDir dir;
  dir.write("t.lsp",
            "(setq SDEB 'avant SREMB 'avant)\n"
            "(lignept '((0 0) (10 0)) '((0 1) \"a\"))\n"
            "(lignept '((0 0) (10 0)))\n"
            "(prin1 (list 'refus SDEB SREMB))\n"
            "(lignept '((0 0) (10 0)) '((0 -1) (10 1)))\n"
            "(prin1 (list 'croisement SDEB SREMB))\n"
            // Read to the millimetre: both lines start at the same point.
            "(lignept '((0 0) (10 0.0004)) '((0 0.0001) (10 1)))\n"
            "(prin1 (list 'arrondi SDEB SREMB))\n"
            "(lignept nil '((0 1) (10 1)))\n"
            "(prin1 (list 'vide SDEB SREMB))\n");
  const CadhostRun r = runCadhost(dir, {"--load", "talvex", "t.lsp"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("(REFUS AVANT AVANT)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("lignept : attend deux listes de points (terrain puis projet)"),
            std::string::npos);
  EXPECT_NE(r.out.find("(CROISEMENT 2.5 2.5)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("(ARRONDI 0.0 5.0)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("(VIDE 0.0 0.0)"), std::string::npos) << r.out;
}

}  // namespace
