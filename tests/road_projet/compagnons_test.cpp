// Companion files carried on "save as" under a new ".dwg" name, not by
// WBLOCK or EXPORT nor under another extension; file copy and rename.
#include <filesystem>

#include "projet_essai.h"
#include "road/copie_fichiers.h"
#include "road/fichiers_compagnons.h"

namespace {

class Compagnons : public ProjetEssai {
 protected:
  void SetUp() override {
    ProjetEssai::SetUp();
    ecrit("plan.axs", "axs");
    ecrit("plan.tal", "tal");
    ecrit("plan.rac", "rac");
    fixeSymbole("CHEMINOM", fichier("plan").c_str());
    road::commandeTerminee();
  }
  // What the editor reactor sees during a save of the drawing as `nom`.
  void enregistreSous(const std::string& commande, const std::string& nom) {
    road::commandeCommence(commande.c_str());
    road::sauvegardeCommence();
    road::sauvegardeTerminee(nom.c_str());
    road::commandeTerminee();
  }
};

TEST_F(Compagnons, EnregistrerSousCopieLesCompagnonsExistants) {
  enregistreSous("SAVEAS", fichier("neuf.DWG"));
  EXPECT_EQ(lit("neuf.axs"), "axs");
  EXPECT_EQ(lit("neuf.tal"), "tal");
  EXPECT_EQ(lit("neuf.rac"), "rac");
  for (const char* absent : {"neuf.vrf", "neuf.typ", "neuf.fos"})
    EXPECT_FALSE(existe(absent)) << absent;
  EXPECT_EQ(symbole("CHEMINOM"), "\"" + fichier("neuf") + "\"");
}

TEST_F(Compagnons, WblockEtExportNeCopientRien) {
  for (const char* commande : {"wblock", "EXPORT", "Wblock"}) {
    enregistreSous(commande, fichier("bloc.dwg"));
    EXPECT_FALSE(existe("bloc.axs")) << commande;
  }
  EXPECT_EQ(symbole("CHEMINOM"), "\"" + fichier("plan") + "\"");
  // Another command starting leaves the flag; the next one to end, be cancelled
  // or fail clears it (the editor reactor forwards all three).
  road::commandeCommence("WBLOCK");
  EXPECT_TRUE(road::exportEnCours());
  road::commandeCommence("LINE");
  EXPECT_TRUE(road::exportEnCours());
  road::commandeTerminee();
  EXPECT_FALSE(road::exportEnCours());
}

TEST_F(Compagnons, AutreExtensionNeCopieRien) {
  enregistreSous("SAVEAS", fichier("autre.dxf"));
  EXPECT_FALSE(existe("autre.axs"));
  EXPECT_EQ(symbole("CHEMINOM"), "\"" + fichier("plan") + "\"");
}

TEST_F(Compagnons, ExtensionsDesChemins) {
  EXPECT_EQ(road::retireExtension("c:\\a.b\\plan.dwg"), "c:\\a.b\\plan");
  EXPECT_EQ(road::retireExtension("/x.y/plan"), "/x.y/plan");
  EXPECT_EQ(road::retireExtension("d/p.v.dwg"), "d/p.v");
}

TEST_F(Compagnons, CopieEtRenommage) {
  // A read-only target is overwritten and made writable.
  ecrit("cible.axs", "ancien");
  std::filesystem::permissions(fichier("cible.axs"), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  EXPECT_TRUE(road::copieFichier(fichier("plan.axs"), fichier("cible.axs")));
  EXPECT_EQ(lit("cible.axs"), "axs");
  EXPECT_NE(std::filesystem::status(fichier("cible.axs")).permissions() &
                std::filesystem::perms::owner_write,
            std::filesystem::perms::none);

  // The same file under another spelling: nothing happens.
  const std::string autreNom = fichier("./plan.axs");
  EXPECT_TRUE(road::copieFichier(fichier("plan.axs"), autreNom));
  EXPECT_TRUE(road::renommeFichier(fichier("plan.axs"), autreNom));
  EXPECT_EQ(lit("plan.axs"), "axs");

  EXPECT_FALSE(road::copieFichier(fichier("absent.axs"), fichier("x.axs")));
  EXPECT_TRUE(road::renommeFichier(fichier("plan.tal"), fichier("route.tal")));
  EXPECT_FALSE(existe("plan.tal"));
  EXPECT_EQ(lit("route.tal"), "tal");
}

}  // namespace
