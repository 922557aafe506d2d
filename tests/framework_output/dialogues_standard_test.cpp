// The framework's standard dialogs answered by the scripted user: OK and
// Cancel, answers cut to their buffer, the empty list, absent texts, the layer
// chooser's order and exclusions, the file dialogs' remembered directory.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "dessin_essai.h"
#include "framework/dialogues_standard.h"
#include "lisp/interpreter.h"

namespace {

class DialoguesStandard : public DessinEssai {
 protected:
  // Queues answers as a LISP program would.
  void repond(const std::string& reponses) {
    ASSERT_TRUE(host::session().current().lisp().run("(user-input " + reponses + ")", "test"));
  }
};

TEST_F(DialoguesStandard, TextsAndChoices) {
  char tampon[6] = "avant";
  repond("'(dialog (\"texte\" . \"une réponse trop longue\") \"OK\")");
  EXPECT_EQ(framework::demandeTexte("Nom", "Votre nom :", tampon, sizeof tampon, "x"), 1);
  EXPECT_STREQ(tampon, "une r");  // five characters and the zero
  repond("'(dialog (\"texte\" . \"autre\") \"Cancel\")");
  EXPECT_EQ(framework::demandeTexte("Nom", "Votre nom :", tampon, sizeof tampon, "x"), 0);
  EXPECT_STREQ(tampon, "une r");

  // The preselected item starts selected; an absent text shows as "????".
  repond("'(dialog \"OK\")");
  const char* choix = framework::choisitTexte("Couche", "b", {"a", nullptr, "b"});
  ASSERT_NE(choix, nullptr);
  EXPECT_STREQ(choix, "b");
  repond("'(dialog (\"liste\" . \"1\") \"OK\")");
  choix = framework::choisitTexte("Couche", "b", {"a", nullptr, "b"});
  ASSERT_NE(choix, nullptr);
  EXPECT_STREQ(choix, "????");
  repond("'(dialog \"Cancel\")");
  EXPECT_EQ(framework::choisitTexte("Couche", nullptr, {"a"}), nullptr);
  // No list: a message, no choice dialog.
  EXPECT_EQ(framework::choisitTexte("Couche", nullptr, {}), nullptr);
  EXPECT_TRUE(ligneContient("[dialogue] Opération annulée")) << ligne();
  EXPECT_EQ(ligne().find("[dialogue] Couche", ligne().find("Opération annulée")),
            std::string::npos);

  repond("'(dialog \"OK\")");
  EXPECT_TRUE(framework::confirme("Sûr ?"));
  EXPECT_FALSE(framework::confirme("Sûr ?"));  // no answer: Escape
}

TEST_F(DialoguesStandard, LayerChooserLeavesOutSystemNamesInReverseOrder) {
  for (const char* calque : {"_CACHE", "TN", "AXE"})
    ASSERT_TRUE(host::session().current().lisp().run(
        std::string("(entmake '((0 . \"LAYER\") (100 . \"AcDbSymbolTableRecord\") (100 . "
                    "\"AcDbLayerTableRecord\") (2 . \"") +
            calque + "\") (70 . 0) (62 . 1) (6 . \"CONTINUOUS\")))",
        "test"));
  // Reverse table order: AXE, TN, 0; the first is selected, index 2 is "0".
  repond("'(dialog \"OK\")");
  const char* choix = framework::choisitCalque(nullptr);
  ASSERT_NE(choix, nullptr);
  EXPECT_STREQ(choix, "AXE");
  EXPECT_TRUE(ligneContient("Choix d'un calque")) << ligne();
  repond("'(dialog (\"liste\" . \"2\") \"OK\")");
  choix = framework::choisitCalque("TN", "Calque à ajouter");
  ASSERT_NE(choix, nullptr);
  EXPECT_STREQ(choix, "0");
  repond("'(dialog (\"liste\" . \"_CACHE\") \"OK\")");
  choix = framework::choisitCalque("TN");
  ASSERT_NE(choix, nullptr);
  EXPECT_STREQ(choix, "TN");  // no such item: the preselection stays
}

TEST_F(DialoguesStandard, FileDialogsRememberTheLastDirectory) {
  namespace fs = std::filesystem;
  const fs::path depart = fs::current_path();
  const fs::path racine = fs::temp_directory_path() / ("dialogues_" + std::to_string(::getpid()));
  fs::create_directories(racine / "a" / "b");
  std::ofstream(racine / "a" / "b" / "plan.dxf") << "x";
  std::ofstream(racine / "a" / "b" / "autre.dxf") << "x";

  repond("\"" + (racine / "a" / "b" / "plan.dxf").string() + "\"");
  const char* chemin = framework::dialogueFichier(true, "dxf", "", nullptr);
  ASSERT_NE(chemin, nullptr);
  EXPECT_EQ(fs::path(chemin), racine / "a" / "b" / "plan.dxf");
  EXPECT_EQ(fs::current_path(), depart);
  // The next dialog starts there: a bare name is found in it.
  repond("\"autre.dxf\"");
  chemin = framework::dialogueFichier(true, "dxf", "", nullptr);
  ASSERT_NE(chemin, nullptr);
  EXPECT_EQ(fs::path(chemin), racine / "a" / "b" / "autre.dxf");
  repond("\"../nouveau\"");
  chemin = framework::dialogueFichier(false, "dxf", "", nullptr);
  ASSERT_NE(chemin, nullptr);
  EXPECT_EQ(fs::path(chemin), racine / "a" / "nouveau.dxf");
  // A directory: from the proposed name "default", taken with Enter.
  repond("nil");
  chemin = framework::choisitDossier();
  ASSERT_NE(chemin, nullptr);
  EXPECT_EQ(fs::path(chemin), racine / "a");
  EXPECT_EQ(framework::dialogueFichier(true, "dxf", "", nullptr), nullptr);  // no answer
  EXPECT_EQ(fs::current_path(), depart);
  fs::remove_all(racine);
}

}  // namespace
