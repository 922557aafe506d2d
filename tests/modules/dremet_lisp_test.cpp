// Dremet as a user drives it through cadhost: the dialogs answered by the
// scripted user, a window of tiles drawn as coloured 3D faces, the colour
// band dialog, a polyline draped on the data, and the command's messages.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "run_cadhost.h"

namespace {

bool has(const std::string& out, const std::string& text) {
  return out.find(text) != std::string::npos;
}

// A tile at step 50 from (1000, 2000): a void node in the middle, sea level
// at the west end of the middle row.
constexpr char kDalle[] = "1000 2000 3 3 50\n100 100 200\n0 -1 250\n300 350 400\n";

// The colours of the 3D faces, in drawing order.
constexpr char kCouleurs[] =
    "(setq ss (ssget \"X\" '((0 . \"3DFACE\"))) i 0 l nil)\n"
    "(if ss (repeat (sslength ss) (setq l (cons (cdr (assoc 62 (entget (ssname ss i)))) l)"
    " i (1+ i))))\n"
    "(prin1 (list 'couleurs (reverse l)))\n";

class Dremet : public ::testing::Test {
 protected:
  ScratchDir dir;
  CadhostRun lancer(const std::string& script) {
    dir.write("t.lsp", script);
    return runCadhost(dir, {"--load", "dremet", "t.lsp"});
  }
};

TEST_F(Dremet, WindowPickedThenDrawnAsColouredFacesOnce) {
  std::filesystem::create_directories(dir.file("mnt"));
  dir.write("mnt/alti1.z", kDalle);
  // A tile that is no tile: refused with its reason, the others still read.
  dir.write("mnt/alti2.z", "1000 2000 3 3 0\n1 2 3\n");
  const CadhostRun r = lancer(
      std::string("(user-input '(dialog (\"dirz\" . \"mnt\") \"fene\") '(1100 2100) '(1000 2000)"
                  " '(dialog \"face\"))\n(c:dremet)\n") +
      kCouleurs + "(prin1 (cdr (assoc 8 (entget (ssname ss 0)))))\n");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_TRUE(has(r.out, "POINT BAS GAUCHE")) << r.out;
  EXPECT_TRUE(has(r.out, "2 sommets à mettre en 3D...")) << r.out;
  EXPECT_TRUE(has(r.out, "Fichier a ouvrir : mnt/alti19.z")) << r.out;
  EXPECT_TRUE(has(r.out, "Fichier mnt/alti2.z ignoré : pas de grille nul")) << r.out;
  EXPECT_TRUE(has(r.out, "8 POINTS LUS.")) << r.out;
  EXPECT_TRUE(has(r.out, "ZMAX = 400\n ZMIN = 0")) << r.out;
  // Three cells hold data, one face each: the mean of 100, 100 and 0 is 66
  // (sea level counts), not 100; nothing is drawn twice.
  EXPECT_TRUE(has(r.out, "(COULEURS (51 55 55))")) << r.out;
  EXPECT_TRUE(has(r.out, "\"0\"")) << r.out;  // the current layer
}

TEST_F(Dremet, MessagesForAMissingDirectoryAWindowOffTheDataAndCancel) {
  std::filesystem::create_directories(dir.file("mnt"));
  dir.write("mnt/alti1.z", kDalle);
  // A directory name longer than any fixed buffer is kept whole.
  const std::string long_(120, 'x');
  const CadhostRun r = lancer(
      "(user-input '(dialog \"cancel\"))\n(c:dremet)\n"
      "(user-input '(dialog (\"dirz\" . \"absent/" +
      long_ +
      "\") \"face\" (\"dirz\" . \"mnt\")"
      " \"fene\") '(90000 90000) '(90100 90100) '(dialog \"point\"))\n(c:dremet)\n"
      "(prin1 (list 'points (ssget \"X\" '((0 . \"POINT\")))))\n");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_TRUE(has(r.out, "*** ARRET ***")) << r.out;
  EXPECT_TRUE(has(r.out, ": Répertoire inexistant.")) << r.out;
  EXPECT_TRUE(has(r.out, "- FICHIERS DE DONNEES INEXISTANTS OU \n - FENETRE HORS ZONE.")) << r.out;
  EXPECT_TRUE(has(r.out, "(POINTS nil)")) << r.out;

  const CadhostRun l = lancer("(user-input '(dialog (\"dirz\" . \"" + dir.path() + "/" + long_ +
                              "\") \"fene\") '(0 0) '(1 1) '(dialog \"point\"))\n"
                              "(c:dremet)\n");
  EXPECT_TRUE(has(l.out, ": Répertoire inexistant.")) << l.out;
  std::filesystem::create_directories(dir.file(long_));
  dir.write(long_ + "/alti1.z", kDalle);
  const CadhostRun trouve =
      lancer("(user-input '(dialog (\"dirz\" . \"" + dir.path() + "/" + long_ +
             "\") \"fene\") '(1000 2000) '(1100 2100) '(dialog \"point\"))\n(c:dremet)\n"
             "(prin1 (list 'points (sslength (ssget \"X\" '((0 . \"POINT\"))))))\n"
             // The window and the directory stay for the next command; screen
             // vectors add nothing to the drawing.
             "(user-input '(dialog \"virtu\"))\n(c:dremet)\n"
             "(prin1 (list 'apres (sslength (ssget \"X\"))))\n");
  EXPECT_TRUE(has(trouve.out, "Fichier a ouvrir : " + dir.path() + "/" + long_ + "/alti1.z"))
      << trouve.out;
  EXPECT_TRUE(has(trouve.out, "(POINTS 8)")) << trouve.out;
  EXPECT_TRUE(has(trouve.out, "(APRES 8)")) << trouve.out;
  EXPECT_EQ(trouve.out.find("POINT BAS GAUCHE"), trouve.out.rfind("POINT BAS GAUCHE"));
}

TEST_F(Dremet, ColourBandDialogEditsTheTable) {
  std::filesystem::create_directories(dir.file("mnt"));
  dir.write("mnt/alti1.z", kDalle);
  // Refused colour and altitude, a gradient from 10, a colour from the
  // host's colour dialog on band 2's swatch, altitude steps, then OK.
  const CadhostRun r = lancer(
      "(user-input '(dialog (\"dirz\" . \"mnt\") \"tbc\" \"fene\")\n"
      " '(dialog (\"col0\" . \"257\") (\"col0\" . \"10\") \"degrade\" (\"alti0\" . \"0\")"
      " \"ima2\" \"pasalti\" \"accept\")\n"
      " 30\n"
      " '(dialog (\"altimin\" . \"\") \"accept\" (\"altimin\" . \"70\") (\"pasinter\" . \"100\")"
      " \"accept\")\n"
      " '(1000 2000) '(1100 2100) '(dialog \"face\"))\n"
      "(c:dremet)\n" +
      std::string(kCouleurs) +
      // The table stays for the next command; Cancel in the band dialog keeps it.
      "(command \"_ERASE\" ss \"\")\n"
      "(user-input '(dialog \"tbc\" \"face\") '(dialog (\"col0\" . \"1\") \"cancel\"))\n"
      "(c:dremet)\n" +
      kCouleurs);
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_TRUE(has(r.out, ": Mauvaise couleur.")) << r.out;
  EXPECT_TRUE(has(r.out, ": Mauvaise altitude.")) << r.out;
  EXPECT_TRUE(has(r.out, "[couleur] Choisissez une couleur (14)")) << r.out;
  EXPECT_TRUE(has(r.out, "Remplissez toutes les zones")) << r.out;
  // Bounds 70, 170, 270 ...: means 66, 183 and 216 fall in bands 0 and 2,
  // coloured 10 and, from the colour dialog, 30.
  const size_t premier = r.out.find("(COULEURS (10 30 30))");
  ASSERT_NE(premier, std::string::npos) << r.out;
  EXPECT_NE(r.out.find("(COULEURS (10 30 30))", premier + 1), std::string::npos) << r.out;
}

TEST_F(Dremet, PolylineDrapedOnTheGrid) {
  std::filesystem::create_directories(dir.file("mnt"));
  // Step 10 from (0, 0): z = 100 + x + y / 5 at every node.
  std::string dalle = "0 0 4 5 10\n";
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 5; ++c) dalle += std::to_string(100 + 10 * c + 2 * r) + " ";
    dalle += "\n";
  }
  dir.write("mnt/alti1.z", dalle);
  const CadhostRun r = lancer(
      "(entmake '((0 . \"LWPOLYLINE\") (100 . \"AcDbEntity\") (8 . \"0\")"
      " (100 . \"AcDbPolyline\") (90 . 3) (70 . 0) (10 5.0 5.0) (10 35.0 15.0) (10 15.0 25.0)))\n"
      "(setq pl (entlast))\n"
      "(entmake '((0 . \"LINE\") (10 0.0 0.0 0.0) (11 1.0 1.0 0.0)))\n"
      "(user-input '(dialog (\"dirz\" . \"mnt\") \"poly3d\") (list pl '(5 5)))\n"
      "(c:dremet)\n"
      "(setq e (entnext (ssname (ssget \"X\" '((0 . \"POLYLINE\"))) 0)) l nil)\n"
      "(while (= (cdr (assoc 0 (entget e))) \"VERTEX\")"
      " (setq l (cons (mapcar '(lambda (v) (/ (fix (+ (* v 1000) 0.5)) 1000.0))"
      " (cdr (assoc 10 (entget e)))) l) e (entnext e)))\n"
      "(prin1 (list 'sommets (reverse l)))\n"
      "(user-input '(dialog \"poly3d\") (list (ssname (ssget \"X\" '((0 . \"LINE\"))) 0) '(0 0)))\n"
      "(c:dremet)\n"
      // A segment of 50 km or more ends the command; what was draped stays.
      "(entmake '((0 . \"POLYLINE\") (66 . 1) (70 . 0)))\n"
      "(foreach p '((5 5 0) (15 5 0) (60015 5 0))"
      " (entmake (list '(0 . \"VERTEX\") (cons 10 p) '(70 . 0))))\n"
      "(entmake '((0 . \"SEQEND\")))\n"
      "(user-input '(dialog \"poly3d\") (list (entlast) '(5 5)))\n"
      "(c:dremet)\n"
      "(prin1 (list 'polylignes (sslength (ssget \"X\" '((0 . \"POLYLINE\") (70 . 8))))))\n");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_TRUE(has(r.out, "3 sommets à mettre en 3D...")) << r.out;
  // The first vertex from its cell; then the samples where each segment
  // crosses a grid column (the second, running west, in its own direction),
  // each segment's end at the height of the sample before it.
  EXPECT_TRUE(has(r.out,
                  "(SOMMETS ((5.0 5.0 106.0) (10.0 6.667 111.333) (20.0 10.0 122.0)"
                  " (30.0 13.333 132.667) (35.0 15.0 132.667) (30.0 17.5 133.5)"
                  " (20.0 22.5 124.5) (15.0 25.0 124.5)))"))
      << r.out;
  EXPECT_TRUE(has(r.out, "Ce n'est pas une polyligne.")) << r.out;
  EXPECT_TRUE(has(r.out, "Segment trop long > 50 Km")) << r.out;
  EXPECT_TRUE(has(r.out, "(POLYLIGNES 2)")) << r.out;
}

}  // namespace
