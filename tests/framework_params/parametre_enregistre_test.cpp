// Registered settings and "registre.ini": declaration by module statics,
// lookup by path, the file's line format, and what loading may change.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "capture_erreurs.h"
#include "framework/parametre_enregistre.h"
#include "framework/parametre_fichier.h"
#include "framework/reglages_framework.h"

namespace {

using framework::PARAMETRE_ENREGISTRE;
using framework::reglagesUtilisateur;
using framework::TEXTE_PARAMETRE;

// Declared the way a module declares its own, during static initialisation.
double distanceStatique = 12.5;
PARAMETRE_ENREGISTRE pDistanceStatique(reglagesUtilisateur(), distanceStatique, "Distance",
                                       "Statique");

// Settings like those of the outline tool: one of each kind, one never loaded.
class Reglages : public ::testing::Test {
 protected:
  int nbPasses = 3;
  double dmax = 1.0 / 3;
  std::string repertoire = "C:\\Rep \"x\"";
  int bloque = 1;
  TEXTE_PARAMETRE plansSrc{"P,PL"};
  TEXTE_PARAMETRE plansRes{"Contour"};
  PARAMETRE_ENREGISTRE pNbPasses{reglagesUtilisateur(), nbPasses, "NbPasses", "ContourPt"};
  PARAMETRE_ENREGISTRE pDMax{reglagesUtilisateur(), dmax, "DMax", "ContourPt"};
  PARAMETRE_ENREGISTRE pRepertoire{reglagesUtilisateur(), repertoire, "Repertoire",
                                   "ContourPt",           "A",        "B"};
  PARAMETRE_ENREGISTRE pBloque{
      reglagesUtilisateur(),   bloque, "Bloque", "ContourPt", nullptr, nullptr,
      framework::kJamaisCharge};
  PARAMETRE_ENREGISTRE pReserve{reglagesUtilisateur(), "Reserve", "ContourPt"};
  PARAMETRE_ENREGISTRE pPlansSrc{reglagesUtilisateur(), plansSrc, "PlansSrc", "ContourPt"};
  PARAMETRE_ENREGISTRE pPlansRes{reglagesUtilisateur(), plansRes, "PlansRes", "ContourPt"};

  static std::vector<std::string> lignesContourPt(const std::string& texte) {
    std::vector<std::string> lignes;
    std::istringstream flux(texte);
    for (std::string l; std::getline(flux, l);)
      if (l.rfind("\"/ContourPt/", 0) == 0) lignes.push_back(l);
    return lignes;
  }

  static int lire(const std::string& texte) {
    std::istringstream flux(texte);
    return framework::lireParametresEnregistres(flux);
  }

  std::string dossier() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::filesystem::path d = std::filesystem::path(TEST_WORK_DIR) / test->name();
    std::filesystem::remove_all(d);
    std::filesystem::create_directories(d);
    return d.string();
  }
};

TEST_F(Reglages, PathsJoinThePresentSectionsAndTheKey) {
  EXPECT_EQ(pDMax.chemin(), "/ContourPt/DMax");
  EXPECT_EQ(pRepertoire.chemin(), "/ContourPt/A/B/Repertoire");
  PARAMETRE_ENREGISTRE sansSection(reglagesUtilisateur(), nbPasses, "Cle", nullptr, "", "Fin");
  EXPECT_EQ(sansSection.chemin(), "/Fin/Cle");
  EXPECT_EQ(pPlansRes.type(), framework::kEnregistreObjetTexte);
  EXPECT_EQ(pReserve.type(), framework::kEnregistreAucun);
  EXPECT_EQ(&pDMax.proprietaire(), &reglagesUtilisateur());
}

TEST_F(Reglages, FoundByPathIgnoringCaseNewestFirst) {
  EXPECT_EQ(framework::trouveParametreEnregistre("/contourpt/DMAX"), &pDMax);
  EXPECT_EQ(framework::trouveParametreEnregistre("/ContourPt/DMax/"), nullptr);
  EXPECT_EQ(framework::premierParametreEnregistre(), &pPlansRes);
  EXPECT_EQ(pPlansRes.suivant(), &pPlansSrc);
  EXPECT_EQ(framework::trouveParametreEnregistre("/statique/distance"), &pDistanceStatique)
      << "declared by a static object";
  {
    double dmax2 = 0;
    PARAMETRE_ENREGISTRE masque(reglagesUtilisateur(), dmax2, "DMAX", "CONTOURPT");
    EXPECT_EQ(framework::trouveParametreEnregistre("/ContourPt/DMax"), &masque);
  }
  EXPECT_EQ(framework::trouveParametreEnregistre("/ContourPt/DMax"), &pDMax)
      << "a destroyed setting leaves the list";
}

TEST_F(Reglages, WrittenOneLinePerSettingWithItsFormat) {
  std::ostringstream flux;
  framework::ecrireParametresEnregistres(flux);
  const std::vector<std::string> attendu = {
      "\"/ContourPt/PlansRes\" \"Contour\"",
      "\"/ContourPt/PlansSrc\" \"P,PL\"",
      "\"/ContourPt/Bloque\" \"1\"",
      "\"/ContourPt/A/B/Repertoire\" \"C:\\\\Rep \\\"x\\\"\"",
      "\"/ContourPt/DMax\" \"0.333333333\"",
      "\"/ContourPt/NbPasses\" \"3\"",
  };
  EXPECT_EQ(lignesContourPt(flux.str()), attendu);

  dmax = 1234567891234.0;
  flux.str("");
  framework::ecrireParametresEnregistres(flux);
  EXPECT_NE(flux.str().find("\"/ContourPt/DMax\" \"1.23456789e+12\"\n"), std::string::npos);
}

TEST_F(Reglages, ReadingSetsKnownPathsSkipsUnknownAndNeverLoadsFlagged) {
  const int fixes = lire(
      "\"/contourpt/dmax\" \"2.5\"\n"
      "\"/Inconnu/Cle\" \"1\"\n"
      "\"/ContourPt/NbPasses\" \"7abc\"\n"
      "\"/ContourPt/Bloque\" \"9\"\n"
      "\"/ContourPt/Reserve\" \"9\"\n"
      "\"/CONTOURPT/PLANSRES\" \"Courbes\"\n"
      "\"/ContourPt/A/B/Repertoire\" \"D:\\\\Autre\\\\\"\n");
  EXPECT_EQ(fixes, 4);
  EXPECT_EQ(dmax, 2.5);
  EXPECT_EQ(nbPasses, 7);
  EXPECT_EQ(bloque, 1);
  EXPECT_EQ(plansRes.texte(), "Courbes");
  EXPECT_EQ(repertoire, "D:\\Autre\\");
}

TEST_F(Reglages, ReadingStopsAtTheFirstPairThatCannotBeRead) {
  EXPECT_EQ(lire("\"/ContourPt/DMax\" \"4\" motnu \"/ContourPt/NbPasses\" \"8\""), 1);
  EXPECT_EQ(dmax, 4.0);
  EXPECT_EQ(nbPasses, 3);

  EXPECT_EQ(lire("\"/ContourPt/PlansSrc\" \"" + std::string(358, 'p') +
                 "\"\n\"/ContourPt/NbPasses\" \"8\""),
            0);
  EXPECT_EQ(plansSrc.texte(), "P,PL");
  EXPECT_EQ(lire("\"/ContourPt/PlansSrc\" \"" + std::string(357, 'p') + "\""), 1);
  EXPECT_EQ(plansSrc.texte().size(), 357u);
}

TEST_F(Reglages, ASettingTooLongForTheFileIsLeftOutAndTheOthersStayReadable) {
  plansRes = std::string(358, 'r');
  repertoire = "\\\\serveur\\partage\\\"x\"\\";
  std::ostringstream flux;
  {
    CaptureErreurs capture;
    framework::ecrireParametresEnregistres(flux);
    EXPECT_EQ(capture.texte(),
              "Réglage trop long (plus de 357 caractères), non enregistré : /ContourPt/PlansRes\n");
  }
  plansRes = "Contour";
  nbPasses = 0;
  repertoire.clear();
  lire(flux.str());
  EXPECT_EQ(plansRes.texte(), "Contour");
  EXPECT_EQ(nbPasses, 3) << "the lines after the long one are read";
  EXPECT_EQ(repertoire, "\\\\serveur\\partage\\\"x\"\\");
}

TEST_F(Reglages, RegistreFileRoundTripsThroughAHostPath) {
  const std::string chemin = dossier() + "\\registre.ini";  // a host path, "\" separated
  repertoire = "C:\\Données\\";
  ASSERT_TRUE(framework::ecrireFichierRegistre(chemin));
  const double ecrit = dmax;
  nbPasses = 0;
  dmax = 0;
  repertoire.clear();
  plansRes = "";
  bloque = 5;
  ASSERT_TRUE(framework::lireFichierRegistre(chemin));
  EXPECT_EQ(nbPasses, 3);
  EXPECT_NEAR(dmax, ecrit, 1e-9);
  EXPECT_EQ(repertoire, "C:\\Données\\");
  EXPECT_EQ(plansRes.texte(), "Contour");
  EXPECT_EQ(bloque, 5) << "written, but never loaded";
}

TEST_F(Reglages, AMissingRegistreChangesNothingAndSaysNothing) {
  CaptureErreurs capture;
  EXPECT_FALSE(framework::lireFichierRegistre(dossier() + "/absent/registre.ini"));
  EXPECT_FALSE(framework::lireFichierRegistre(dossier()));  // a directory is no file
  EXPECT_EQ(nbPasses, 3);
  EXPECT_EQ(plansRes.texte(), "Contour");
  EXPECT_EQ(capture.texte(), "");
}

// The framework's own settings: defaults, kinds, and which of them a client's
// file may change.
TEST(ReglagesFramework, OnlyTemplateAndArcStepAreLoaded) {
  struct Etat {
    int menu = framework::reglageMenuOnLoad();
    std::string gabarit = framework::reglageGabarit().texte();
    std::string fichier = framework::reglageFichierClient();
    std::string client = framework::reglageClientCourant();
    double disc = framework::reglageDiscArc();
  } avant;
  EXPECT_EQ(avant.menu, 0);
  EXPECT_EQ(avant.gabarit, "zizuroz.dwt");
  EXPECT_EQ(avant.fichier, "");
  EXPECT_EQ(avant.client, "");
  EXPECT_EQ(avant.disc, 0.0);

  const struct {
    const char* chemin;
    int type;
    unsigned drapeaux;
  } attendus[] = {{"/Fichier/MenuOnLoad", framework::kEnregistreEntier, 1},
                  {"/General/Gabarit", framework::kEnregistreObjetTexte, 0},
                  {"/Fichier/FichierClient", framework::kEnregistreTexte, 1},
                  {"/Fichier/ClientCourant", framework::kEnregistreTexte, 1},
                  {"/Global/DiscArc", framework::kEnregistreReel, 0}};
  for (const auto& a : attendus) {
    const PARAMETRE_ENREGISTRE* p = framework::trouveParametreEnregistre(a.chemin);
    ASSERT_NE(p, nullptr) << a.chemin;
    EXPECT_EQ(p->chemin(), a.chemin);
    EXPECT_EQ(p->type(), a.type) << a.chemin;
    EXPECT_EQ(p->drapeaux(), a.drapeaux) << a.chemin;
  }

  std::istringstream flux(
      "\"/Fichier/MenuOnLoad\" \"1\" \"/General/Gabarit\" \"autre.dwt\" "
      "\"/Fichier/FichierClient\" \"c.mcl\" \"/Fichier/ClientCourant\" \"/A\" "
      "\"/Global/DiscArc\" \"0.25\"");
  EXPECT_EQ(framework::lireParametresEnregistres(flux), 2);
  EXPECT_EQ(framework::reglageMenuOnLoad(), 0);
  EXPECT_EQ(framework::reglageGabarit().texte(), "autre.dwt");
  EXPECT_EQ(framework::reglageFichierClient(), "");
  EXPECT_EQ(framework::reglageClientCourant(), "");
  EXPECT_EQ(framework::reglageDiscArc(), 0.25);

  framework::reglageGabarit() = avant.gabarit;
  framework::reglageDiscArc() = avant.disc;
}

}  // namespace
