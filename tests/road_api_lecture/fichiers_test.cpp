// "gele_tout" and "libere_tout" on the layers of a road drawing, and the
// round-trip files of "testes".
#include <fstream>
#include <sstream>

#include "commands/command_processor.h"
#include "lecture_essai.h"
#include "road/api_lecture.h"
#include "road/calques_gel.h"
#include "road/elements_plan.h"
#include "road/reglages_terrain.h"

namespace {

class Calques : public LectureEssai {
 protected:
  void SetUp() override {
    LectureEssai::SetUp();
    for (const char* nom : {"Talvex", "c3d_symb", "TN", "*SPECIAL", "_BORD", "RD1_BORD", "rd1",
                            "PLATE_AP", "FOSSE", "TALUS_ta", "A_ZA", "B_al"})
      db().layers.findOrAdd(nom);
  }
  static db::Database& db() { return host::session().current().db(); }
  static bool gele(const char* nom) {
    const int i = db().layers.find(nom);
    EXPECT_GE(i, 0) << nom;
    return i >= 0 && db().layers.at(static_cast<uint32_t>(i)).frozen();
  }
  static void fixeGel(const char* nom, bool valeur) {
    auto& calque = db().layers.at(static_cast<uint32_t>(db().layers.find(nom)));
    calque.flags = valeur ? (calque.flags | 1) : (calque.flags & ~1);
  }
};

TEST_F(Calques, FreezeKeepsTheRoadLayersAndTheCurrentOne) {
  lisp("(setvar \"CLAYER\" \"TN\")");
  const int regenerations = host::commandProcessor().regenerations();
  appelle(road::geleTout, "");
  EXPECT_EQ(host::commandProcessor().regenerations(), regenerations);
  for (const char* nom : {"0", "Talvex", "c3d_symb", "TN"}) EXPECT_FALSE(gele(nom)) << nom;
  for (const char* nom : {"*SPECIAL", "_BORD", "RD1_BORD", "FOSSE", "PLATE_AP"})
    EXPECT_TRUE(gele(nom)) << nom;
}

TEST_F(Calques, ThawSparesTheAlignmentPrefixTheSuffixesAndTheCurrentLayer) {
  lisp("(setvar \"CLAYER\" \"TN\")");
  appelle(road::geleTout, "");
  lisp("(setvar \"CLAYER\" \"0\")");
  fixeGel("TN", true);
  fixeGel("0", true);
  lisp("(setq NMAXE-P \"RD1\")");
  const int regenerations = host::commandProcessor().regenerations();
  appelle(road::libereTout, "");
  EXPECT_EQ(host::commandProcessor().regenerations(), regenerations + 1);
  for (const char* nom : {"RD1_BORD", "rd1", "PLATE_AP", "TALUS_ta", "A_ZA", "B_al", "0"})
    EXPECT_TRUE(gele(nom)) << nom;
  for (const char* nom : {"FOSSE", "TN", "_BORD", "*SPECIAL"}) EXPECT_FALSE(gele(nom)) << nom;
}

// The same bytes as the project store's tests write: test programs share the
// folder and may run side by side.
constexpr char kCcIni[] =
    "\"TERRAIN\" = \"\"\n+\n\t\"VMin\" = \"10.5\"\n\t\"VMax\" = \"250\"\n\t\"VNul\" = \"-999\"\n"
    "\t\"PLANS3D\" = \"\"\n\t+\n\t\t\"TN\" = \"TN\"\n\t\t\"Digue\" = \"Digue\"\n\t-\n-\n";

class TestES : public LectureEssai {
 protected:
  void SetUp() override {
    LectureEssai::SetUp();
    std::string chemin = road::cheminDefautsTerrain();
    for (char& c : chemin)
      if (c == '\\') c = '/';
    const std::string temporaire = chemin + "." + std::to_string(::getpid());
    std::ofstream(temporaire, std::ios::binary) << kCcIni;
    std::filesystem::rename(temporaire, chemin);
  }

  static std::string contenu(const std::filesystem::path& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
  }
};

// The file holds the terrain of "cc.ini": the copy, which takes its terrain
// from "cc.ini", writes the same alignments as the project read, whose 3D
// layers come out in the order publication leaves them.
TEST_F(TestES, CopyWritesTheSameFileAsTheReadProject) {
  auto axe = std::make_unique<road::AXE_EN_PLAN>();
  axe->nom = "RN7";
  axe->planConstruction = "P";
  axe->vitesseReference = "80";
  axe->elements(true)->ajoute({"D1", 0.0, 1, 120.5});
  sauve(std::move(axe));
  const auto source = dossier_ / "plan.axs";
  appelle(road::testeES, ("\"" + source.string() + "\"").c_str());
  const std::string bis = contenu(source.string() + ".bis");
  EXPECT_NE(bis.find("RN7"), std::string::npos);
  const std::string cln = contenu(source.string() + ".cln");
  const auto alignements = [](const std::string& t) { return t.substr(t.find("ID-AXE-EN-PLAN")); };
  EXPECT_EQ(alignements(cln), alignements(bis));
  EXPECT_LT(cln.find("\"TN\""), cln.find("\"Digue\""));
  EXPECT_LT(bis.find("\"Digue\""), bis.find("\"TN\"")) << bis;
}

TEST_F(TestES, NothingWithoutArgumentOrWithAMissingFile) {
  CaptureErreurs erreurs;
  appelle(road::testeES, "");
  EXPECT_EQ(erreurs.texte(), "");
  const auto absent = dossier_ / "absent.axs";
  appelle(road::testeES, ("\"" + absent.string() + "\"").c_str());
  EXPECT_FALSE(std::filesystem::exists(absent.string() + ".bis"));
  EXPECT_FALSE(std::filesystem::exists(absent.string() + ".cln"));
  appelle(road::testeES, "3");
  EXPECT_NE(erreurs.texte().find("TestES: parametres incorrects"), std::string::npos);
}

}  // namespace
