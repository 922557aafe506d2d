// Quoril's point outlines through cadhost: the dialog and its "..." buttons,
// clusters, holes, three points, the convex hull, a pinch, and the faces form.
#include <gtest/gtest.h>

#include "run_cadhost.h"

namespace {

// Points on layer P; each outline's vertex count and closure on "Contour".
constexpr char kOutils[] =
    "(defun pt (x y) (entmake (list '(0 . \"POINT\") '(8 . \"P\") (list 10 x y 1.0))))\n"
    "(defun contours (/ ss i e n r)\n"
    "  (setq ss (ssget \"X\" '((0 . \"POLYLINE\") (8 . \"Contour\"))) i 0 r nil)\n"
    "  (if ss (repeat (sslength ss)\n"
    "    (setq e (ssname ss i) n 0 i (1+ i) f (logand 1 (cdr (assoc 70 (entget e)))))\n"
    "    (while (= (cdr (assoc 0 (entget (setq e (entnext e))))) \"VERTEX\") (setq n (1+ n)))\n"
    "    (setq r (cons (list n f) r))))\n"
    "  (reverse r))\n"
    "(defun efface () (if (setq ss (ssget \"X\" '((8 . \"Contour\"))))"
    " (command \"_ERASE\" ss \"\")))\n";

TEST(ContourLisp, OutlinesOfClustersHolesAndPinches) {
  ScratchDir dir;
  dir.write("t.lsp",
            std::string(kOutils) +
                // A 7 x 7 grid 10 m apart with a 3 x 3 hole, and three points far away.
                "(setq i 0)\n"
                "(repeat 7 (setq j 0) (repeat 7 (if (not (and (> i 1) (< i 5) (> j 1) (< j 5)))"
                " (pt (* i 10.0) (* j 10.0))) (setq j (1+ j))) (setq i (1+ i)))\n"
                "(pt 500.0 500.0) (pt 510.0 500.0) (pt 505.0 508.0)\n"
                "(pt 500.0005 500.0)\n"  // merged with its neighbour: counts once
                "(user-input '(dialog (\"distance\" . \"15\") \"ok\") \"OK\")\n"
                "(c:contourpt)\n(prin1 (list 'grille (contours)))\n(efface)\n"
                // Everything in one outline: the convex hull.
                "(user-input '(dialog (\"distance\" . \"1e6\") \"ok\"))\n"
                "(c:contourpt)\n(prin1 (list 'enveloppe (contours)))\n(efface)\n"
                // Annuler: nothing drawn.
                "(user-input '(dialog \"annuler\"))\n(c:contourpt)\n"
                "(prin1 (list 'annule (contours)))\n");
  const CadhostRun r = runCadhost(dir, {"--load", "quoril", "t.lsp"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("Travail avec 44 points"), std::string::npos) << r.out;
  // The far triangle (its points come first in the mesh, the newest first),
  // the grid's outer outline (24 points) and its hole (12).
  EXPECT_NE(r.out.find("(GRILLE ((3 1) (24 1) (12 1)))"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("[message] Recherche de contours: 3 contour(s) trouvé(s)"),
            std::string::npos);
  // The hull passes through the points on its straight edges: the grid's
  // bottom row (7) and left column (6 more), and two points of the far triangle.
  EXPECT_NE(r.out.find("(ENVELOPPE ((15 1)))"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("1 contour(s) trouvé(s)"), std::string::npos);
  EXPECT_EQ(r.out.find("[message] Recherche de contours: 1 "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("(ANNULE nil)"), std::string::npos) << r.out;
}

TEST(ContourLisp, ThreePointsAPinchAndTheDialogButtons) {
  ScratchDir dir;
  dir.write("t.lsp",
            std::string(kOutils) +
                "(pt 0.0 0.0) (pt 10.0 0.0) (pt 0.0 10.0)\n"
                "(user-input '(dialog \"ok\"))\n(c:contourpt)\n"
                "(prin1 (list 'trois (contours)))\n(efface)\n"
                // Two triangles meeting at (0 0) only (the triangles between them have
                // an edge of 17 m): two closed outlines, no problem.
                "(setq ss (ssget \"X\" '((0 . \"POINT\"))))\n(command \"_ERASE\" ss \"\")\n"
                "(pt 0.0 0.0) (pt 10.0 0.0) (pt 5.0 8.0) (pt -10.0 0.0) (pt -5.0 -8.0)\n"
                "(user-input '(dialog (\"distance\" . \"12\") \"ok\") \"OK\")\n(c:contourpt)\n"
                "(prin1 (list 'pincement (contours)))\n(efface)\n"
                // The buttons: a layer appended to the sources, a result layer, a distance.
                "(entmake '((0 . \"LAYER\") (100 . \"AcDbSymbolTableRecord\") (100 . "
                "\"AcDbLayerTableRecord\") (2 . \"Q\") (70 . 0) (62 . 1) (6 . \"CONTINUOUS\")))\n"
                "(entmake (list '(0 . \"POINT\") '(8 . \"Q\") (list 10 20.0 20.0 1.0)))\n"
                "(user-input '(dialog \"choix_calques\" \"choix_distance\" \"ok\")"
                " '(dialog (\"liste\" . \"Q\") \"OK\") 100.0)\n"
                "(c:contourpt)\n(prin1 (list 'boutons (contours)))\n"
                // Three arguments: the triangles as faces, no outline.
                "(user-input '(dialog \"ok\"))\n(efface)\n(c:contourpt 1 2 3)\n"
                "(prin1 (list 'faces (sslength (ssget \"X\" '((0 . \"3DFACE\")))) (contours)))\n"
                "(setq ss (ssget \"X\" '((0 . \"POINT\") (8 . \"P\"))))\n"
                "(command \"_ERASE\" ss \"\")\n"
                "(user-input '(dialog (\"calques\" . \"P\") \"ok\"))\n(c:contourpt)\n");
  const CadhostRun r = runCadhost(dir, {"--load", "quoril", "t.lsp"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("(TROIS ((3 1)))"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("[message] Recherche de contours: 1 "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("(PINCEMENT ((3 1) (3 1)))"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("problemes rencontrés"), std::string::npos) << r.out;
  // Layers P,Q with a distance of 100: the hull of the five P points and Q's
  // (20 20) has four corners; their six triangles are the faces.
  EXPECT_NE(r.out.find("Travail avec 6 points"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("(BOUTONS ((4 1)))"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("(FACES 6 nil)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Trop peu de points"), std::string::npos) << r.out;
}

}  // namespace
