// Omvala's map views through cadhost's mapping service: source drawings made
// first by cadhost itself, then aliases, attach, activation, the location
// query and detach as a LISP program drives them.
#include <gtest/gtest.h>

#include <filesystem>

#include "run_cadhost.h"

namespace {

// A source drawing of `entites` (entmake lists) saved under `fichier`.
void source(const ScratchDir& dir, const std::string& fichier, const std::string& entites) {
  dir.write("fait.lsp", "(foreach e (list " + entites + ") (entmake e))\n");
  const CadhostRun r = runCadhost(dir, {"--load", "talvex", "--save", fichier, "fait.lsp"});
  ASSERT_EQ(r.status, 0) << r.out << r.err;
}

std::string ligne(const char* calque, double x0, double y0, double x1, double y1) {
  return "(list '(0 . \"LINE\") '(8 . \"" + std::string(calque) + "\") (list 10 " +
         std::to_string(x0) + " " + std::to_string(y0) + " 0.0) (list 11 " + std::to_string(x1) +
         " " + std::to_string(y1) + " 0.0))";
}

class MapView : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir.file("reseaux/Cadastre"));
    // Inside, crossing and outside the boundary (0,0)-(10,10); "LIMITES" is red.
    source(dir, "reseaux/Cadastre/Parcelles.dxf",
           "(list '(0 . \"LAYER\") '(100 . \"AcDbSymbolTableRecord\") '(100 . "
           "\"AcDbLayerTableRecord\") '(2 . \"LIMITES\") '(70 . 0) '(62 . 1) '(6 . "
           "\"CONTINUOUS\")) " +
               ligne("LIMITES", 2, 2, 4, 4) + " " + ligne("LIMITES", 5, 5, 20, 5) + " " +
               ligne("LIMITES", 30, 30, 40, 40));
    source(dir, "reseaux/Cadastre/aParcelles.dxf", ligne("EAU", 1, 1, 2, 2));
    dir.write("reseaux/Cadastre/casse.dxf", "  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n 10\nabc\n");
  }
  CadhostRun lance(const std::string& script, std::vector<std::string> options = {}) {
    dir.write("vue.lsp", script);
    options.insert(options.end(), {"--load", "omvala", "vue.lsp"});
    return runCadhost(dir, options);
  }
  std::string alias() const { return "RES&" + dir.file("reseaux"); }
  ScratchDir dir;
};

TEST_F(MapView, AliasesAttachActivateQueryAndDetach) {
  const std::string script =
      "(DebugVue)\n"
      // The second entry holds no "&": the first is added, then processing stops.
      "(PrepareVue \"" +
      alias() +
      ";MAUVAIS;AUTRE&/x\" \"RES:\\\\cadastre\\\\aparcelles.dxf\")\n"
      // The same alias again, differing in case only: left alone.
      "(PrepareVue \"res&" +
      dir.file("RESEAUX") +
      "\" \"\")\n"
      // Attached in capitals; "aparcelles" is attached but not listed: deactivated.
      "(GenereVue \"\" \"RES:\\\\CADASTRE\\\\PARCELLES.DXF;RES:\\\\cadastre\\\\casse.dxf\""
      " '((0 0 7) (10 0 7) (10 10 7) \"x\" (0 10)))\n"
      "(prin1 (list 'vue (sslength (ssget \"X\" '((8 . \"LIMITES\"))))"
      " (cdr (assoc 62 (tblsearch \"LAYER\" \"LIMITES\")))"
      " (ssget \"X\" '((8 . \"EAU\")))))\n"
      "(DebugVue)\n";
  const CadhostRun r = lance(script);
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("Debug : 1"), std::string::npos);
  EXPECT_NE(r.out.find("Debug : 0"), std::string::npos);
  EXPECT_NE(r.out.find("Ajout alias RES"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\nAlias mal forméMAUVAIS\n"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("Nom alias AUTRE"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("Maj alias"), std::string::npos) << r.out;
  // "parcelles.dxf" is not taken for attached because "aparcelles.dxf" is.
  EXPECT_NE(r.out.find("Attache DWG RES:\\CADASTRE\\PARCELLES.DXF"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Désactive RES:\\Cadastre\\aParcelles.dxf"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\nProbleme d'attache de RES:\\cadastre\\casse.dxf\n"), std::string::npos);
  EXPECT_NE(r.out.find("\nTraitement de la requête en cours...\n"), std::string::npos);
  // The line inside and the one crossing, on their red layer; nothing of the inactive drawing.
  EXPECT_NE(r.out.find("(VUE 2 1 nil)"), std::string::npos) << r.out;
  // The error level found on entry is put back.
  EXPECT_NE(r.out.find("Niveau d'erreur 0"), std::string::npos);
  EXPECT_EQ(r.out.find("Niveau d'erreur 2"), std::string::npos) << r.out;
}

TEST_F(MapView, ADetachedDrawingIsAttachedAgainAndTheServiceMayBeAbsent) {
  const std::string boucle =
      "(setq bord '((0 0) (10 0) (10 10) (0 10)))\n"
      "(GenereVue \"" +
      alias() +
      "\" \"RES:\\\\Cadastre\\\\Parcelles.dxf\" bord)\n"
      "(GenereVue \"\" \"RES:\\\\Cadastre\\\\Parcelles.dxf\" bord)\n"
      "(prin1 (list 'vue (if (setq s (ssget \"X\")) (sslength s) 0)))\n";
  const CadhostRun r = lance(boucle);
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  // Detached after the first view, attached again for the second: twice the two lines.
  EXPECT_NE(r.out.find("(VUE 4)"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("Probleme"), std::string::npos) << r.out;

  const CadhostRun sans = lance(boucle, {"--sans-carto"});
  ASSERT_EQ(sans.status, 0) << sans.out << sans.err;
  EXPECT_NE(sans.out.find("\nErreur de creation de requete\n"), std::string::npos) << sans.out;
  EXPECT_NE(sans.out.find("Probleme d'attache de RES:\\Cadastre\\Parcelles.dxf"),
            std::string::npos);
  EXPECT_NE(sans.out.find("(VUE 0)"), std::string::npos) << sans.out;
}

}  // namespace
