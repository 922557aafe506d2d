// The terrain block of a project, a parameter tree in the text form, keeps
// texts with backslashes and quotes through any number of saves.
#include "projet_essai.h"
#include "road/projet_talvex.h"

namespace {

using road::PROJETTALVEX;

class TerrainTextes : public ProjetEssai {};

TEST_F(TerrainTextes, SauvegardesSuccessivesIdentiques) {
  // Written by the previous writer: a value ending in a backslash, and a
  // Windows path that stays unescaped.
  ecrit("p0.axs",
        "3D-DONNEES-TERRAIN\n\"T\" = \"\"\n+\n\t\"VMin\" = \"1\"\n"
        "\t\"Dossier\" = \"C:\\Terrain\\\\\"\n\t\"Serveur\" = \"\\\\srv\\mnt\"\n-\n");
  auto p = PROJETTALVEX::ouvre(fichier("p0.axs"), 1);
  framework::LISTE_PARAMETRES calques;
  road::ajouteCalque(calques, "Route\\");
  road::ajouteCalque(calques, "Dit \"TN\\\"");
  p->remplaceCalques3d(calques);
  ASSERT_TRUE(p->sauve(fichier("p1.axs")));
  for (int n = 2; n <= 4; ++n) {
    auto relu = PROJETTALVEX::ouvre(fichier("p" + std::to_string(n - 1) + ".axs"), 1);
    ASSERT_TRUE(relu->sauve(fichier("p" + std::to_string(n) + ".axs")));
    EXPECT_EQ(lit("p" + std::to_string(n) + ".axs"), lit("p1.axs")) << n;
  }
  auto fin = PROJETTALVEX::ouvre(fichier("p4.axs"), 1);
  EXPECT_EQ(fin->terrain().trouve("Dossier")->valeur, "C:\\Terrain\\");
  EXPECT_EQ(fin->terrain().trouve("Serveur")->valeur, "\\\\srv\\mnt");
  ASSERT_EQ(fin->calques3d().size(), 2u);
  for (const char* nom : {"Route\\", "Dit \"TN\\\""}) {
    const framework::PARAMETRE* calque = framework::trouveDans(fin->calques3d(), nom);
    ASSERT_NE(calque, nullptr) << nom;
    EXPECT_EQ(calque->valeur, nom);
  }
}

}  // namespace
