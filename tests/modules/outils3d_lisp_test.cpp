// The 3D drafting tools as the road programs and the users call them, through
// cadhost: slope hatching, offsets through the dialog, platform edges and the
// point-set triangulation.
#include <gtest/gtest.h>

#include "run_cadhost.h"

namespace {

// Drawing helpers: a 3D polyline (flags 8, or as given) and its vertices.
constexpr char kOutils[] =
    "(defun poly (pts drapeaux)"
    " (entmake (list '(0 . \"POLYLINE\") '(66 . 1) (cons 70 drapeaux) '(10 0.0 0.0 0.0)))"
    " (foreach p pts (entmake (list '(0 . \"VERTEX\") (cons 10 p) '(70 . 32))))"
    " (entmake '((0 . \"SEQEND\")))"
    " (ssname (ssget \"X\" '((0 . \"POLYLINE\"))) (1- (sslength (ssget \"X\" '((0 . "
    "\"POLYLINE\")))))))\n"
    "(defun sommets (e / l v) (setq v (entnext e))"
    " (while (and v (= (cdr (assoc 0 (entget v))) \"VERTEX\"))"
    "  (setq l (cons (cdr (assoc 10 (entget v))) l) v (entnext v))) (reverse l))\n"
    "(defun nombre (type / s) (if (setq s (ssget \"X\" (list (cons 0 type)))) (sslength s) 0))\n"
    "(defun derniere () (ssname (ssget \"X\" '((0 . \"POLYLINE\")))"
    " (1- (sslength (ssget \"X\" '((0 . \"POLYLINE\")))))))\n";

CadhostRun lance(const ScratchDir& dir, const std::string& module, const std::string& script) {
  dir.write("t.lsp", std::string(kOutils) + script);
  return runCadhost(dir, {"--load", module, "t.lsp"});
}

TEST(Outils3dLisp, HachuresDeTalusDansLesDeuxModules) {
  // A straight crest 2 long, its toe 5 away and 5 lower; scale 1:1000 gives
  // stations every 0.5: lines C-1, 1.5-4.5, C-1, none (5 <= 5.5), C-1.
  const std::string script =
      "(setq crete (poly '((0 0 10) (2 0 10)) 8) pied (poly '((0 -5 5) (2 -5 5)) 8))\n"
      "(setq ECHL&& 1000 COEFLGT 1.0)\n"
      "(talus_arx crete (ssadd pied))\n"
      "(setq l (ssget \"X\" '((0 . \"LINE\"))))\n"
      "(prin1 (list 'lignes (sslength l)))\n"
      "(prin1 (list 'tiret (cdr (assoc 10 (entget (ssname l 1)))) (cdr (assoc 11 (entget (ssname l "
      "1))))))\n"
      "(setq COEFLGT 0.0)\n(talus_arx crete (ssadd pied))\n"
      "(setq COEFLGT \"1\")\n(talus_arx crete (ssadd pied))\n"
      "(setq COEFLGT 1.0 ECHL&& -5)\n(talus_arx crete (ssadd pied))\n"
      "(setq ECHL&& 1000)\n(talus_arx crete (ssadd))\n"
      "(talus_arx pied (ssadd (poly '((0 -20000 5) (2 -20000 5)) 8)))\n"
      "(talus_arx (poly '((0 0 10)) 8) (ssadd pied))\n"
      "(talus_arx (poly '((0 0 10) (2 0 10)) 0) (ssadd pied))\n"
      "(talus_arx crete)\n"
      "(prin1 (list 'fin (nombre \"LINE\")))\n";
  for (const char* module : {"talvex", "brenix"}) {
    ScratchDir dir;
    const CadhostRun r = lance(dir, module, script);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("(LIGNES 4)"), std::string::npos) << module << r.out;
    EXPECT_NE(r.out.find("(TIRET (0.5 -1.5 8.5) (0.5 -4.5 5.5))"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("-- Lecture des points de la polyligne CRETE en cours --"),
              std::string::npos);
    // Refused inputs draw nothing more.
    EXPECT_NE(r.out.find("(FIN 4)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Coefficient COEFLGT absent ou incorrect"), std::string::npos);
    EXPECT_NE(r.out.find("Echelle ECHL&& absente ou incorrecte"), std::string::npos);
    EXPECT_NE(r.out.find("Pas de pieds de talus !!!"), std::string::npos);
    EXPECT_NE(r.out.find("Aucun pied de talus n'est atteint"), std::string::npos);
    EXPECT_NE(r.out.find("La crête doit avoir au moins deux sommets"), std::string::npos);
    EXPECT_NE(r.out.find("La crête n'est pas une polyligne 3D"), std::string::npos);
    EXPECT_NE(r.out.find("talus_arx : attend la polyligne de crête"), std::string::npos);
  }
}

TEST(Outils3dLisp, DecalageParLeDialogue) {
  ScratchDir dir;
  const CadhostRun r = lance(
      dir, "brenix",
      "(setq e (poly '((0 0 10) (10 0 12)) 8))\n"
      "(user-input (list e '(5 0 11))"
      " '(dialog (\"didec\" . \"1\") (\"deltaz1\" . \"0.5\") (\"deltaz2\" . \"0.5\") \"accept\")"
      " '(5 5))\n(dec3d_arx)\n(prin1 (list 'gauche (sommets (derniere))))\n"
      // A wrong distance keeps the last one (1); the other side.
      "(user-input (list e '(5 0 11)) '(dialog (\"didec\" . \"1,5\") \"accept\") '(5 -5))\n"
      "(dec3d_arx)\n(prin1 (list 'droite (sommets (derniere))))\n"
      // An L with a ramp from 0 to 1 over the offset's plan length 18.
      "(setq l (poly '((0 0 0) (10 0 0) (10 10 0)) 8))\n"
      "(user-input (list l '(5 0 0)) '(dialog (\"deltaz1\" . \"0\") (\"deltaz2\" . \"1\") "
      "\"accept\")"
      " '(5 5))\n(dec3d_arx)\n(prin1 (list 'rampe (sommets (derniere))))\n"
      // Part of it, between two picked points, in the order of the vertices.
      "(user-input (list l '(10 4 0)) '(dialog (\"deltaz2\" . \"0\") \"partiel\" \"saisie\")"
      " (list l '(10 6 0)) (list l '(2 0 0)) '(dialog \"accept\") '(5 5))\n"
      "(dec3d_arx)\n(prin1 (list 'partie (sommets (derniere))))\n"
      // Cancelled, then not a 3D polyline, then not a polyline at all.
      "(setq n (nombre \"POLYLINE\"))\n"
      "(user-input (list e '(5 0 11)) '(dialog \"cancel\"))\n(dec3d_arx)\n"
      "(entmake '((0 . \"LINE\") (10 0 50 0) (11 10 50 0)))\n"
      "(user-input (list (entlast) '(5 50 0)))\n(dec3d_arx)\n"
      "(user-input (list (poly '((0 0 0) (5 5 0)) 0) '(1 1 0)))\n(dec3d_arx)\n"
      "(prin1 (list 'sans (- (nombre \"POLYLINE\") n 1)))\n"
      // A closed square stays closed.
      "(setq c (poly '((0 20 0) (10 20 0) (10 30 0) (0 30 0)) 9))\n"
      "(user-input (list c '(5 20 0)) '(dialog \"accept\") '(5 25))\n(dec3d_arx)\n"
      "(prin1 (list 'ferme (cdr (assoc 70 (entget (derniere)))) (length (sommets (derniere)))))\n"
      // The help goes to the application of the HTML document.
      "(setq CHEMHLP \"aide/\")\n"
      "(user-input (list e '(5 0 11)) '(dialog \"help\" \"cancel\"))\n(dec3d_arx)\n");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("(GAUCHE ((0.0 1.0 10.5) (10.0 1.0 12.5)))"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("(DROITE ((0.0 -1.0 10.5) (10.0 -1.0 12.5)))"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("(RAMPE ((0.0 1.0 0.0) (9.0 1.0 0.5) (9.0 10.0 1.0)))"), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("(PARTIE ((2.0 1.0 0.0) (9.0 1.0 0.0) (9.0 6.0 0.0)))"), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("Nombre de sommets à traiter = 3"), std::string::npos);
  EXPECT_NE(r.out.find("Arret !!!"), std::string::npos);
  EXPECT_NE(r.out.find("L'entité sélectionnée n'est pas une polyligne !!!"), std::string::npos);
  EXPECT_NE(r.out.find("** Arret de la commande **"), std::string::npos);
  EXPECT_NE(r.out.find("L'entité sélectionnée n'est pas une polyligne 3D !!!"), std::string::npos);
  EXPECT_NE(r.out.find("(SANS 0)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("(FERME 9 4)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("aucune application pour <aide/brenix.html>"), std::string::npos) << r.out;
}

TEST(Outils3dLisp, BordsDePlateforme) {
  ScratchDir dir;
  const CadhostRun r =
      lance(dir, "talvex",
            "(setq LTABUL '((0.0 0.0 0.0 0.0 1 0.0 0.0) (50.0 0.0 0.0 50.0 1 0.0 0.0)))\n"
            "(setq d (/ pi 2) axe (list (list 0.0 d 0.0 0.0 10.0) (list 25.0 d 25.0 0.0 14.0)"
            " (list 50.0 d 50.0 0.0 12.0)))\n"
            "(c3d_dep axe '((0.0 5.0 0.0) (50.0 (5.0 1.0))))\n"
            "(prin1 (list 'suit (mapcar 'caddr (sommets (derniere)))))\n"
            "(dep_plgfos axe '((0.0 5.0 0.0) (50.0 5.0 1.0)))\n"
            "(prin1 (list 'gradue (mapcar 'caddr (sommets (derniere)))"
            " (mapcar 'cadr (sommets (derniere)))))\n"
            "(setq n (nombre \"POLYLINE\"))\n"
            "(c3d_dep '((0.0 1.0 2.0)) '((0.0 5.0 0.0)))\n(dep_plgfos)\n"
            "(setq LTABUL nil)\n(c3d_dep axe '((0.0 5.0 0.0) (50.0 5.0 1.0)))\n"
            "(prin1 (list 'rien (- (nombre \"POLYLINE\") n)))\n");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("(SUIT (10.0 14.5 13.0))"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("(GRADUE (10.0 11.5 13.0) (5.0 5.0 5.0))"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("c3d_dep : attend la liste des points d'axe"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("dep_plgfos : attend la liste des points d'axe"), std::string::npos);
  EXPECT_NE(r.out.find("c3d_dep : pas de bord de plateforme"), std::string::npos);
  EXPECT_NE(r.out.find("(RIEN 0)"), std::string::npos) << r.out;
}

TEST(Outils3dLisp, TriangulationDuSemis) {
  // The square: two faces, four outline edges; an open 3D polyline across it
  // erases both faces, a closed one nothing.
  const std::string carre =
      "(foreach p '((-1 -1 0) (1 -1 0) (1 1 1) (-1 1 1))"
      " (entmake (list '(0 . \"POINT\") (cons 10 p))))\n(setq DRAYMIN 10.0)\n";
  ScratchDir dir;
  CadhostRun r = lance(dir, "talvex",
                       carre +
                           "(poly '((-3 5 0) (3 5 0) (3 6 0)) 9)\n"
                           "(user-input \"X\" nil)\n(tria_ads)\n"
                           "(prin1 (list 'faces (nombre \"3DFACE\")))\n"
                           "(poly '((-2 0.5 0) (2 0.5 0)) 8)\n"
                           "(user-input \"X\" nil)\n(tria_ads)\n"
                           "(prin1 (list 'coupees (nombre \"3DFACE\")))\n");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("(FACES 2)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("CONTOUR 3 DU SEMIS"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("CONTOUR 4 DU SEMIS"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("ISEGPOL2 = 1"), std::string::npos) << r.out;
  // The second run drew two more and its cut line erased all four.
  EXPECT_NE(r.out.find("(COUPEES 0)"), std::string::npos) << r.out;

  // Break after the first face: it stays, nothing is erased.
  ScratchDir dir2;
  r = lance(dir2, "talvex",
            carre +
                "(poly '((-2 0.5 0) (2 0.5 0)) 8)\n(user-input \"X\" nil 'break)\n(tria_ads)\n"
                "(prin1 (list 'arret (nombre \"3DFACE\")))\n"
                "(setq DRAYMIN \"loin\")\n(user-input \"X\" nil)\n(tria_ads)\n"
                "(command \"_erase\" (ssget \"X\" '((0 . \"POINT\"))) \"\")\n"
                "(entmake '((0 . \"POINT\") (10 0 0 0)))\n"
                "(user-input \"X\" nil)\n(tria_ads)\n");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("(ARRET 1)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Termine."), std::string::npos);
  EXPECT_NE(r.out.find("DRAYMIN n'est pas un rayon positif"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Moins de trois points sélectionnés : aucune face dessinée."),
            std::string::npos)
      << r.out;
}

}  // namespace
