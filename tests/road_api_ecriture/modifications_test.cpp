// Renaming, shifting, thicknesses and file deletion, and every failure
// message in the order of the checks, each leaving the file as it was.
#include <chrono>

#include "api_essai.h"
#include "road/axes_en_long.h"
#include "road/epais_structure.h"

namespace {

using road::EPAIS_STRUCTURE;

class Modifications : public ApiEssai {
 protected:
  // A1 with the vertical profiles P1 (active) and P2.
  void creeAvecProfils() {
    creeAxe("A1");
    for (const char* nom : {"P2", "P1"}) {
      lisp(std::string("(setq NMAXE-L \"") + nom +
           "\" ABSCL 1.0 SMAXL 2.0 LAXE-L '((\"S1\" 0.0 100.0 1 0.0)))");
      appelle(road::CreationAxePL, "\"A1\" 0");
    }
  }
};

TEST_F(Modifications, RenommerLeProfilActifRenommeLeNomActif) {
  creeAvecProfils();
  EXPECT_EQ(relu()->trouveAxe("A1")->profilLongActif, "P1");
  appelle(road::ModifNomAxeLong, "\"A1\" \"p1\" \"P9\"");
  auto projet = relu();
  EXPECT_EQ(projet->trouveAxe("A1")->profilLongActif, "P9");
  EXPECT_NE(projet->trouveAxe("A1")->axesEnLong()->trouve("P9"), nullptr);

  appelle(road::ModifNomAxeLong, "\"A1\" \"P2\" \"P3\"");
  projet = relu();
  EXPECT_EQ(projet->trouveAxe("A1")->profilLongActif, "P9");
  EXPECT_NE(projet->trouveAxe("A1")->axesEnLong()->trouve("P3"), nullptr);
  EXPECT_EQ(projet->trouveAxe("A1")->axesEnLong()->trouve("P2"), nullptr);
}

TEST_F(Modifications, MemeAbscisseDeDebutReecritLeFichier) {
  creeAxe("A1", 10.0);
  const std::string avant = texteProjet();
  const auto ancienne = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
  std::filesystem::last_write_time(fichierProjet(), ancienne);
  appelle(road::ModifAbsDebut, "\"A1\" 10.0");
  EXPECT_GT(std::filesystem::last_write_time(fichierProjet()), ancienne);
  // The terrain block is rewritten in its own order; the alignments are the same bytes.
  const auto alignements = [](const std::string& t) { return t.substr(t.find("ID-AXE-EN-PLAN")); };
  EXPECT_EQ(alignements(texteProjet()), alignements(avant));

  appelle(road::ModifAbsDebut, "\"A1\" 15");
  EXPECT_DOUBLE_EQ(relu()->trouveAxe("A1")->abscisseDebut, 15.0);
  EXPECT_DOUBLE_EQ(relu()->trouveAxe("A1")->abscisseFin, 505.0);
}

TEST_F(Modifications, EpaisseursAvecUnSeulSymbole) {
  creeAxe("A1");
  lisp("(setq EPG-RL 0.25)");
  appelle(road::EcritureES, "\"A1\"");
  const auto projet = relu();
  const EPAIS_STRUCTURE& e = *projet->trouveAxe("A1")->epaisseurs();
  EXPECT_TRUE(e.valeur(EPAIS_STRUCTURE::kGaucheRoulement).defini);
  EXPECT_DOUBLE_EQ(e.valeur(EPAIS_STRUCTURE::kGaucheRoulement).valeur, 0.25);
  for (int i = 1; i < EPAIS_STRUCTURE::kNombreValeurs; ++i)
    EXPECT_FALSE(e.valeur(static_cast<EPAIS_STRUCTURE::Valeur>(i)).defini) << i;
  EXPECT_NE(texteProjet().find("nil"), std::string::npos);
}

TEST_F(Modifications, RenommerNumeroterSupprimer) {
  creeAxe("A1");
  creeAxe("B1");
  appelle(road::ModifNomAxePlan, "\"A1\" \"C1\"");
  appelle(road::ModifNumProf, "\"C1\" 70000");
  auto projet = relu();
  ASSERT_NE(projet->trouveAxe("C1"), nullptr);
  EXPECT_EQ(projet->trouveAxe("C1")->premierProfil, static_cast<int16_t>(70000));
  appelle(road::SupprAxePlan, "\"b1\"");
  EXPECT_EQ(relu()->nombreAxes(), 1u);
}

TEST_F(Modifications, EffacementSansCheminomNEffaceRien) {
  creeAxe("A1");
  lisp("(setq CHEMINOM nil)");
  videLigne();
  appelle(road::SupprFichAxs, "");
  EXPECT_TRUE(ligneContient("SupprFichAxs: Fichier inconnu\n"));
  EXPECT_TRUE(existe("projet.axs"));
  lisp("(setq CHEMINOM \"" + fichier("projet") + "\")");
  appelle(road::SupprFichAxs, "");
  EXPECT_FALSE(existe("projet.axs"));
}

TEST_F(Modifications, EchecsDansLOrdreDesControles) {
  creeAvecProfils();
  creeAxe("SANS");
  echoue(road::ModifNomAxeLong, "\"A1\" \"P1\"", "ModifNomAxeLong: parametres incorrects");
  echoue(road::ModifNomAxeLong, "\"A1\" 1 \"P9\"", "ModifNomAxeLong: parametres incorrects");
  echoue(road::ModifNomAxeLong, "\"A1\" \"P1\" \"P 9\"", "ModifNomAxeLong: parametres incorrects");
  echoue(road::ModifNomAxeLong, "\"X\" \"P1\" \"P2\"", "ModifNomAxeLong: Axe non trouve");
  echoue(road::ModifNomAxeLong, "\"SANS\" \"P1\" \"P2\"",
         "ModifNomAxeLong: Pas de profils en long");
  echoue(road::ModifNomAxeLong, "\"A1\" \"X\" \"p2\"",
         "ModifNomAxeLong: le nouveau nom est deja utilise");
  echoue(road::ModifNomAxeLong, "\"A1\" \"X\" \"P9\"", "ModifNomAxeLong: Profil inconnu");

  echoue(road::SupprAxeLong, "\"X\" \"P1\"", "SupprAxeLong: Axe non trouve");
  echoue(road::SupprAxeLong, "\"SANS\" \"P1\"", "SupprAxeLong: Pas de profils en long");
  echoue(road::SupprAxeLong, "\"A1\" \"P7\"", "SupprAxeLong: Profil inconnu");

  echoue(road::ModifAbsDebut, "\"X\" 1.0", "EModifAbsDebut: axe inconnu");
  echoue(road::ModifAbsDebut, "\"A1\" \"1.0\"", "ModifAbsDebut: parametres incorrects");
  echoue(road::ModifNumProf, "\"A1\" 1.5", "ModifNumProf: parametres incorrects");
  echoue(road::ModifNumProf, "\"X\" 1", "ModifNumProf: axe inconnu");
  echoue(road::ModifNomAxePlan, "\"X\" \"Y\"", "ModifNomAxePlan: axe inconnu");
  echoue(road::ModifNomAxePlan, "\"A1\" \"Y23456789012345678901234567890123\"",
         "ModifNomAxePlan: parametres incorrects");
  echoue(road::SupprAxePlan, "12", "SupprAxePlan: parametres incorrects");
  echoue(road::SupprAxePlan, "\"X\"", "SupprAxePlan: axe inconnu");
  echoue(road::EcritureES, "\"A1\" 2", "EcritureES: parametres incorrects");
  echoue(road::EcritureES, "\"X\"", "EcritureES: axe inconnu");
  echoue(road::ModifPT, "\"X\" 0", "ModifPT: axe inconnu");
  echoue(road::ModifPT, "\"A1\" 0", "ModifPT: Pas de profil en travers");
  echoue(road::CreationAxePL, "\"X\" 0", "CreationAxePL: axe inconnu");
  echoue(road::CreationAxe3D, "\"X\" 0", "CreationAxe3D: axe inconnu");
  echoue(road::CreationAxe3D, "\"A1\"", "CreationAxe3D: parametres incorrects");
  echoue(road::EcritureSC, "\"X\"", "EcritureSC: axe inconnu");
  echoue(road::EcritureTabulation, "", "EcritureTabulation: parametres incorrects");
  echoue(road::EcritureTabulation, "\"X\"", "EcritureTabulation: axe inconnu");
  echoue(road::ModifTabulation, "1", "ModifTabulation: parametres incorrects");
  echoue(road::CopieAxs, "\"a.axs\"", "CopieAxs: parametres incorrects");
  echoue(road::RenommeAxs, "\"a.axs\" 2", "RenommeAxs: parametres incorrects");
}

}  // namespace
