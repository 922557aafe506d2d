// A project file that was not read whole and cleanly is never written back:
// whatever stopped the reading, every later save (a road function, a dialog)
// says so and leaves the file byte for byte as it was.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "../road_api_ecriture/api_essai.h"
#include "road/api_lecture.h"
#include "road/axe_en_plan.h"
#include "road/commandes_terrain.h"
#include "road/projet_talvex.h"

namespace {

using road::PROJETTALVEX;

constexpr char kTerrain[] =
    "3D-DONNEES-TERRAIN\n\"T\" = \"\"\n+\n\t\"VMin\" = \"1\"\n\t\"VMax\" = \"2\"\n\t\"VNul\" = "
    "\"3\"\n-\n";
const std::string kAxe(const char* nom) {
  return std::string("ID-AXE-EN-PLAN\n") + nom +
         " 0.000000 100.000000 1 CONS 0 0.000000 0.000000 0.000000 10.000000 10.000000 0.000000 "
         "80\n";
}

class LectureIncomplete : public ApiEssai {
 protected:
  // The file is read with a problem that names `probleme`; then neither a
  // road function, nor the Z-limits dialog, nor a direct save touches it.
  void resteIntact(const std::string& texte, const std::string& probleme) {
    ecrit("projet.axs", texte);
    videLigne();
    auto p = PROJETTALVEX::ouvre(fichierProjet(), 1);
    EXPECT_FALSE(p->lectureComplete()) << texte;
    EXPECT_NE(p->problemeLecture().find(probleme), std::string::npos) << p->problemeLecture();
    EXPECT_TRUE(ligneContient(probleme)) << ligne();
    EXPECT_FALSE(p->sauve());

    videLigne();
    creeAxe("NOUVEL");
    EXPECT_TRUE(
        ligneContient("Fichier <" + fichierProjet() + "> non reecrit : sa lecture a echoue ("))
        << ligne();
    user().push(annule());
    road::ihmzlimite(0);
    EXPECT_EQ(texteProjet(), texte);
  }
  static host::ScriptedUser& user() { return host::session().user(); }
  static host::Answer annule() {
    host::Answer a;
    a.kind = host::Answer::Dialog;
    a.actions = {{"annuler", std::nullopt}};
    return a;
  }
};

TEST_F(LectureIncomplete, ChaqueDefautDeLectureGardeLeFichier) {
  const std::string suite = kAxe("A2");
  resteIntact(kTerrain + kAxe("A1") + "BIDULE 1 2\n" + suite, "objet inconnu <BIDULE>");
  resteIntact(kTerrain + std::string("NIMPORTE\n") + suite, "trouve NIMPORTE");
  // Headers cut short, or with a number out of range.
  resteIntact(std::string(kTerrain) + "ID-AXE-EN-PLAN\nA1 0.000000 100.000000\n",
              "entete de l'axe <A1> illisible");
  resteIntact(
      std::string(kTerrain) + "ID-AXE-EN-PLAN\nA1 0.0 1.0 99999999999 C 0 0 0 0 1 1 0 80\n" + suite,
      "entete de l'axe <A1> illisible");
  resteIntact(std::string(kTerrain) +
                  "ID-AXE-EN-PLAN\nA1 0.0 1.0 1 C 0 0 0 0 1 1 0 80 99999999999 1\n" + suite,
              "entete de l'axe <A1> illisible");
  // Numbers no save writes.
  resteIntact(std::string(kTerrain) + "ID-AXE-EN-PLAN\nA1 nan 1.0 1 C 0 0 0 0 1 1 0 80\n",
              "entete de l'axe <A1> illisible");
  resteIntact(kTerrain + kAxe("A1") + "PTS-DE-TABULATION\n1 2 inf 4 1 0 0\n" + suite,
              "Erreur de lecture d'un pt de tabulation");
  // A quoted text left open does not swallow the records after it.
  resteIntact(kTerrain + kAxe("A1") + "CONTRUCTION-DES-PROFILS\n0.000000 1 2 3 4 5 6 \"P1\n" +
                  "10.000000 1 2 3 4 5 6 \"P2\"\n" + suite,
              "Erreur de lecture d'un profilcons");
  resteIntact(std::string(kTerrain) + "\"sans fin\n" + suite, "PROJETTALVEX::ES");
  resteIntact("3D-DONNEES-TERRAIN\n\"T\" \"sans egal\"\n" + suite,
              "Erreur de lecture du bloc 3D-DONNEES-TERRAIN");
}

TEST_F(LectureIncomplete, MarqueOrdreOctetsSautee) {
  ecrit("projet.axs", "\xEF\xBB\xBF" + std::string(kTerrain) + kAxe("A1"));
  creeAxe("A2");
  const auto p = relu();
  EXPECT_TRUE(p->lectureComplete()) << p->problemeLecture();
  ASSERT_EQ(p->nombreAxes(), 2u);
  EXPECT_EQ(p->axes()[0]->nom, "A1");
  EXPECT_EQ(texteProjet().rfind("3D-DONNEES-TERRAIN\n", 0), 0u) << "written without the mark";
}

TEST_F(LectureIncomplete, FichierPresentMaisIllisibleJamaisRemplace) {
  // A directory in the project's place.
  std::filesystem::create_directory(fichierProjet());
  videLigne();
  creeAxe("A1");
  EXPECT_TRUE(ligneContient("Fichier <" + fichierProjet() + "> illisible : c'est un repertoire\n"))
      << ligne();
  EXPECT_TRUE(std::filesystem::is_directory(fichierProjet()));
  std::filesystem::remove(fichierProjet());

  // A file whose reading fails at the first byte, whoever runs the test.
  std::filesystem::create_symlink("/proc/self/mem", fichierProjet());
  videLigne();
  auto p = PROJETTALVEX::ouvre(fichierProjet(), 1);
  EXPECT_TRUE(ligneContient("PROJETTALVEX::ES : Erreur de lecture du fichier\n")) << ligne();
  EXPECT_FALSE(p->sauve());
  EXPECT_TRUE(std::filesystem::is_symlink(fichierProjet()));
  std::filesystem::remove(fichierProjet());

  // A file its user may not read (the superuser reads every file).
  if (::geteuid() != 0) {
    const std::string texte = kTerrain + kAxe("A1");
    ecrit("projet.axs", texte);
    ::chmod(fichierProjet().c_str(), 0);
    videLigne();
    creeAxe("A2");
    EXPECT_TRUE(ligneContient("Fichier <" + fichierProjet() + "> illisible\n")) << ligne();
    ::chmod(fichierProjet().c_str(), 0600);
    EXPECT_EQ(texteProjet(), texte);
  }
}

TEST_F(LectureIncomplete, CheminomQuiNEstPasUnTexte) {
  lisp("(setq CHEMINOM 5)");
  videLigne();
  EXPECT_EQ(road::nomFichierProjet(), "defaut.axs");
  EXPECT_EQ(ligne(), "La variable CHEMINNOM est inconnue\n");
}

TEST_F(LectureIncomplete, TestesPublieLesReglagesDuTerrain) {
  ecrit("projet.axs", kTerrain + kAxe("A1"));
  appelle(road::testeES, ("\"" + fichierProjet() + "\"").c_str());
  EXPECT_EQ(symbole("_NEVAZMIN"), "1");
  EXPECT_EQ(symbole("_NEVAZNUL"), "3");
  EXPECT_TRUE(existe("projet.axs.bis"));
}

}  // namespace
