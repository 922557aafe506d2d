// Loading a project file: load states, the terrain block, the messages of a
// missing file and of an unexpected word, tags in any case, and saving.
#include <filesystem>

#include "projet_essai.h"
#include "road/axe_en_plan.h"
#include "road/projet_talvex.h"

namespace {

using road::PROJETTALVEX;

constexpr char kTerrain[] =
    "3D-DONNEES-TERRAIN\n\"T\" = \"\"\n+\n\t\"VMin\" = \"1\"\n\t\"VMax\" = \"2\"\n\t\"VNul\" = "
    "\"3\"\n-\n";
constexpr char kAxe[] =
    "ID-AXE-EN-PLAN\nA1 0.000000 100.000000 1 CONS 0 0.000000 0.000000 0.000000 "
    "10.000000 10.000000 0.000000 80\n";

class Chargement : public ProjetEssai {};

TEST_F(Chargement, EtatsDeChargement) {
  {
    ecrit("terrain.axs", kTerrain);
    auto p = PROJETTALVEX::ouvre(fichier("terrain.axs"), 1);
    EXPECT_EQ(p->etatChargement(), road::kProjetAvecTerrain);
    EXPECT_EQ(p->nombreAxes(), 0u);
    EXPECT_DOUBLE_EQ(p->vMin(), 1);
    EXPECT_DOUBLE_EQ(p->vNul(), 3);
  }
  {
    ecrit("axe.axs", kAxe);
    auto p = PROJETTALVEX::ouvre(fichier("axe.axs"), 1);
    EXPECT_EQ(p->etatChargement(), road::kProjetSansTerrain);
    ASSERT_EQ(p->nombreAxes(), 1u);
    // No block in the file: the values of "cc.ini".
    EXPECT_DOUBLE_EQ(p->vMin(), 10.5);
    EXPECT_DOUBLE_EQ(p->vMax(), 250);
    EXPECT_DOUBLE_EQ(p->vNul(), -999);
  }
  {
    videLigne();
    auto p = PROJETTALVEX::ouvre(fichier("absent.axs"), 0);
    EXPECT_EQ(p->etatChargement(), road::kProjetNonLu);
    EXPECT_TRUE(ligneContient("Fichier <" + fichier("absent.axs") + "> introuvable\n"));
    EXPECT_EQ(symbole("_NEVAZMIN"), "nil") << "a missing file publishes nothing";
    // Saving creates the file under the remembered name.
    EXPECT_TRUE(p->sauve());
    EXPECT_EQ(lit("absent.axs").rfind("3D-DONNEES-TERRAIN\n\"TERRAIN\" = \"\"\n", 0), 0u);
  }
}

TEST_F(Chargement, MotInattenduArreteLaLecture) {
  ecrit("faux.axs", std::string(kAxe) + "BIDULE 1 2 3\n" + kAxe);
  auto p = PROJETTALVEX::ouvre(fichier("faux.axs"), 1);
  // The alignment stops at the unknown child, then the project at the word after it.
  EXPECT_TRUE(ligneContient("AXE_EN_PLAN::ES : objet inconnu <BIDULE>\n"));
  EXPECT_TRUE(ligneContient(
      "PROJETTALVEX::ES : Erreur de fichier : attente de ID-AXE-EN-PLAN, trouve 1\n"));
  EXPECT_EQ(p->nombreAxes(), 1u);

  videLigne();
  ecrit("premier.axs", "n'importe quoi\n" + std::string(kAxe));
  auto q = PROJETTALVEX::ouvre(fichier("premier.axs"), 1);
  EXPECT_EQ(ligne(),
            "PROJETTALVEX::ES : Erreur de fichier : attente de ID-AXE-EN-PLAN, trouve n'importe\n");
  EXPECT_EQ(q->nombreAxes(), 0u);
  // What was not read would be lost: the file is never written back.
  const std::string avant = lit("premier.axs");
  videLigne();
  EXPECT_FALSE(q->sauve());
  EXPECT_EQ(ligne(), "Fichier <" + fichier("premier.axs") +
                         "> non reecrit : sa lecture a echoue (PROJETTALVEX::ES : Erreur de "
                         "fichier : attente de ID-AXE-EN-PLAN, trouve n'importe)\n");
  EXPECT_EQ(lit("premier.axs"), avant);
}

TEST_F(Chargement, EtiquettesEnMinuscules) {
  std::string texte = std::string(kTerrain) + kAxe + kAxe;
  texte.replace(texte.find("3D-DONNEES-TERRAIN"), 18, "3d-donnees-terrain");
  texte.replace(texte.find("ID-AXE-EN-PLAN"), 14, "id-axe-en-plan");
  texte.replace(texte.rfind("ID-AXE-EN-PLAN"), 14, "Id-Axe-En-Plan");
  texte.replace(texte.rfind("A1"), 2, "B2");
  ecrit("min.axs", texte);
  auto p = PROJETTALVEX::ouvre(fichier("min.axs"), 1);
  EXPECT_EQ(p->etatChargement(), road::kProjetAvecTerrain);
  ASSERT_EQ(p->nombreAxes(), 2u);
  EXPECT_EQ(p->trouveAxe("b2"), p->axes()[1].get());
  EXPECT_EQ(p->trouveAxe("a1"), p->axes()[0].get());
  EXPECT_EQ(p->trouveAxe("C3"), nullptr);
  ASSERT_TRUE(p->sauve(fichier("maj.axs")));
  const std::string sauve = lit("maj.axs");
  EXPECT_EQ(sauve.find("id-axe"), std::string::npos);
  EXPECT_NE(sauve.find("ID-AXE-EN-PLAN\nB2 "), std::string::npos);
}

TEST_F(Chargement, BlocTerrainIllisibleGardeLesDefauts) {
  ecrit("bloc.axs", "3D-DONNEES-TERRAIN\n\"T\" \"sans egal\"\n");
  auto p = PROJETTALVEX::ouvre(fichier("bloc.axs"), 1);
  EXPECT_TRUE(ligneContient("il manque '='"));
  EXPECT_EQ(p->etatChargement(), road::kProjetAvecTerrain);
  EXPECT_DOUBLE_EQ(p->vMax(), 250);
}

TEST_F(Chargement, AxesAjoutesRetiresDupliques) {
  ecrit("axes.axs", std::string(kTerrain) + kAxe);
  auto p = PROJETTALVEX::ouvre(fichier("axes.axs"), 1);
  auto nouvel = std::make_unique<road::AXE_EN_PLAN>();
  nouvel->nom = "Z9";
  p->ajouteAxe(std::move(nouvel));
  ASSERT_EQ(p->nombreAxes(), 2u);
  EXPECT_EQ(p->axes()[1]->nom, "Z9");

  auto copie = p->duplique();
  EXPECT_EQ(copie->silencieux(), 0);
  ASSERT_EQ(copie->nombreAxes(), 2u);
  EXPECT_NE(copie->axes()[0].get(), p->axes()[0].get());
  // The copy's terrain is that of "cc.ini", not the source's.
  EXPECT_DOUBLE_EQ(copie->vMin(), 10.5);

  auto retire = p->retireAxe(p->trouveAxe("a1"));
  ASSERT_TRUE(retire);
  EXPECT_EQ(retire->nom, "A1");
  EXPECT_EQ(p->nombreAxes(), 1u);
  EXPECT_FALSE(p->retireAxe(retire.get())) << "no longer in the project";
}

TEST_F(Chargement, SauvegardeImpossibleGardeLAncienFichier) {
  ecrit("garde.axs", std::string(kTerrain) + kAxe);
  const std::string avant = lit("garde.axs");
  auto p = PROJETTALVEX::ouvre(fichier("garde.axs"), 1);
  p->fixeVMin(42);

  EXPECT_FALSE(p->sauve(fichier("dossier/absent/x.axs")));
  EXPECT_TRUE(
      ligneContient("Impossible de creer le fichier <" + fichier("dossier/absent/x.axs") + ">\n"));

  // A read-only project: refused, and left exactly as it was.
  std::filesystem::permissions(fichier("garde.axs"), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  videLigne();
  EXPECT_FALSE(p->sauve());
  EXPECT_TRUE(ligneContient("Impossible de creer le fichier <" + fichier("garde.axs") + ">\n"));
  EXPECT_EQ(lit("garde.axs"), avant);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dossier_),
                          std::filesystem::directory_iterator()),
            1)
      << "no temporary file left behind";
  EXPECT_DOUBLE_EQ(p->vMin(), 42) << "the project in memory is unchanged";
}

TEST_F(Chargement, NomDuFichierSelonCheminom) {
  fixeSymbole("CHEMINOM", nullptr);
  videLigne();
  EXPECT_EQ(road::nomFichierProjet(), "defaut.axs");
  EXPECT_EQ(ligne(), "La variable CHEMINNOM est inconnue\n");

  fixeSymbole("CHEMINOM", fichier("route").c_str());
  videLigne();
  EXPECT_EQ(road::nomFichierProjet(), fichier("route") + ".axs");
  EXPECT_EQ(ligne(), "");

  ecrit("route.axs", std::string(kTerrain) + kAxe);
  auto p = PROJETTALVEX::ouvre(std::nullopt, 1);
  EXPECT_EQ(p->nomFichier(), fichier("route.axs"));
  EXPECT_EQ(p->nombreAxes(), 1u);
}

}  // namespace
