// Talvex's terrain functions as the road programs call them: a survey drawn
// with entmake, meshed, queried and drawn through cadhost.
#include <gtest/gtest.h>

#include "run_cadhost.h"

namespace {

// A 5 x 5 grid of points on the plane z = x + 2y + 100 at national-grid
// coordinates, on "TN", with a breakline across it; the 3D layers from LSTCALQ3D.
constexpr char kLeve[] =
    "(setq CHEMINOM \"projet\" X0 600000.0 Y0 6500000.0)\n"
    "(defun pt (x y) (list (+ X0 x) (+ Y0 y) (+ x (* 2 y) 100.0)))\n"
    "(foreach i '(0 10 20 30 40) (foreach j '(0 10 20 30 40)"
    " (entmake (list '(0 . \"POINT\") '(8 . \"TN\") (cons 10 (pt i j))))))\n"
    "(entmake (list '(0 . \"LINE\") '(8 . \"TN\") (cons 10 (pt 5 5)) (cons 11 (pt 35 25))))\n"
    "(setq LSTCALQ3D '(\"TN\"))\n";

TEST(TerrainLisp, MeshBuiltQueriedAndDrawn) {
  ScratchDir dir;
  dir.write("t.lsp", std::string(kLeve) +
                         "(prin1 (list 'avant (infomaille) (caddr (zpoint (pt 5 5)))))\n"
                         "(mailleterrain \"U\" 0.01)\n"
                         "(prin1 (list 'apres (infomaille)))\n"
                         "(prin1 (list 'z (caddr (zpoint (pt 12 17)))))\n"
                         "(prin1 (list 'hors (caddr (zpoint (pt 100 0)))))\n"
                         "(zpoint)\n(zpoint 1 2)\n"
                         "(setvar \"CLAYER\" \"0\")\n(affichemaille 7)\n"
                         "(prin1 (list 'faces (sslength (ssget \"X\" '((0 . \"3DFACE\"))))))\n");
  const CadhostRun r = runCadhost(dir, {"--load", "talvex", "t.lsp"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("(AVANT 0 -9999.0)"), std::string::npos) << r.out;
  // 25 points and the two ends of the breakline, 16 on the hull: 2 * 27 - 2 - 16.
  EXPECT_NE(r.out.find("triangles générés"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("(APRES 36)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("(Z 146.0)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("(HORS -9999.0)"), std::string::npos) << r.out;
  // Once for no argument, once for two.
  EXPECT_LT(r.out.find("Point Z : Attend le point à rechercher"),
            r.out.rfind("Point Z : Attend le point à rechercher"));
  EXPECT_NE(r.out.find("(FACES 36)"), std::string::npos) << r.out;
}

TEST(TerrainLisp, SegmentCutOnTheBreaklinesOnceAtAVertex) {
  ScratchDir dir;
  // A project whose 3D layer is "TN" and the marked layer list.
  dir.write("projet.axs",
            "3D-DONNEES-TERRAIN\n\"TERRAIN\" = \"\"\n+\n\t\"VNul\" = \"-9999\"\n"
            "\t\"PLANS3D\" = \"\"\n\t+\n\t\t\"TN\" = \"TN\"\n\t-\n-\n");
  dir.write("t.lsp",
            "(setq CHEMINOM \"projet\" LCALQ_CHEX '(\"TN\"))\n"
            "(entmake '((0 . \"POLYLINE\") (8 . \"TN\") (66 . 1) (70 . 8)))\n"
            "(foreach p '((0 0 1) (10 10 2) (20 0 3) (30 10 -9999) (40 0 5))"
            " (entmake (list '(0 . \"VERTEX\") '(8 . \"TN\") (cons 10 p) '(70 . 32))))\n"
            "(entmake '((0 . \"SEQEND\") (8 . \"TN\")))\n"
            "(setq LSTCALQ3D '(\"TN\"))\n"
            "(prin1 (decoupeseg '(0 10 0) '(40 10 0)))\n"
            "(prin1 (decoupeseg '(-5 5 0) '(45 5 0)))\n"
            "(decoupeseg '(0 0 0))\n");
  const CadhostRun r = runCadhost(dir, {"--load", "talvex", "t.lsp"});
  ASSERT_EQ(r.status, 0) << r.out;
  // The vertex on the first segment ends two edges: one crossing; the edges
  // at the vertex without height give none.
  EXPECT_NE(r.out.find("(((10.0 10.0 2.0) T))"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("(((5.0 5.0 1.5) T) ((15.0 5.0 2.5) T))"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Intersection Segment : Attend deux points"), std::string::npos) << r.out;
}

}  // namespace

namespace {

TEST(TerrainLisp, LandXMLOutAndBackAsFaces) {
  ScratchDir dir;
  // A document whose face names a point it lacks: nothing of it is drawn.
  dir.write("mauvais.xml",
            "<LandXML><Surfaces><Surface><Definition><Pnts><P id=\"1\">0 0 0</P>"
            "<P id=\"2\">0 1 0</P><P id=\"3\">1 0 0</P></Pnts><Faces><F>1 2 3</F>"
            "<F>1 2 9</F></Faces></Definition></Surface></Surfaces></LandXML>");
  dir.write("t.lsp", std::string(kLeve) +
                         "(exportlandxml)\n(exportlandxml \"vide.xml\")\n"
                         "(mailleterrain \"U\" 0.01)\n"
                         "(prin1 (list 'export (exportlandxml \"t.xml\")))\n"
                         "(defun faces () (if (setq s (ssget \"X\" '((0 . \"3DFACE\")"
                         " (8 . \"IMPORT\")))) (sslength s) 0))\n"
                         "(prin1 (list 'import (importlandxml \"t.xml\" \"IMPORT\") (faces)))\n"
                         "(prin1 (list 'mauvais (importlandxml \"mauvais.xml\" \"IMPORT\")"
                         " (importlandxml \"absent.xml\" \"IMPORT\") (faces)))\n"
                         "(importlandxml \"t.xml\")\n");
  const CadhostRun r = runCadhost(dir, {"--load", "talvex", "t.lsp"});
  ASSERT_EQ(r.status, 0) << r.out;
  for (const char* attendu :
       {"exportlandxml : attend le nom du fichier LandXML",
        "LandXML : rien à exporter (ni maillage ni axe)",
        "LandXML : t.xml écrit (27 point(s), 36 face(s), 1 ligne(s) de rupture, 0 axe(s))",
        "(EXPORT T)", "LandXML : 36 face(s) 3D de 1 surface(s) sur le calque IMPORT",
        "(IMPORT T 36)",
        "LandXML : face sur le point 9, absent dans la surface \"Surface 1\" (ligne 1) : "
        "mauvais.xml n'est pas lu",
        "LandXML : lecture impossible de absent.xml", "(MAUVAIS nil nil 36)",
        "importlandxml : attend le nom du fichier LandXML et un calque"})
    EXPECT_NE(r.out.find(attendu), std::string::npos) << attendu << "\n" << r.out;
  EXPECT_FALSE(dir.exists("vide.xml"));
}

TEST(TerrainLisp, ContourLinesOnTheirLayers) {
  ScratchDir dir;
  dir.write("t.lsp", std::string(kLeve) +
                         "(courbesniveau)\n"
                         "(mailleterrain \"U\" 0.01)\n"
                         "(courbesniveau -1)\n(courbesniveau 10 \"x\")\n"
                         "(courbesniveau 10.0 50.0)\n"
                         "(defun compte (c) (if (setq s (ssget \"X\" (list '(0 . \"POLYLINE\")"
                         " (cons 8 c)))) (sslength s) 0))\n"
                         "(prin1 (list 'courbes (compte \"COURBES\")"
                         " (compte \"COURBES_MAITRESSES\")))\n");
  const CadhostRun r = runCadhost(dir, {"--load", "talvex", "t.lsp"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("Courbes de niveau : pas de maillage"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Courbes de niveau : attend"), std::string::npos) << r.out;
  // z = x + 2y + 100 over 40 x 40 m: levels 110 to 210 (220 is one corner).
  EXPECT_NE(r.out.find("Courbes de niveau : 11 polyligne(s) de 110 à 210 m"), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("(COURBES 9 2)"), std::string::npos) << r.out;
}

}  // namespace
