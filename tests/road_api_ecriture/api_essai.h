// A fresh drawing and project directory per test, CHEMINOM pointing into it,
// and the project file read back for checks.
#pragma once
#include <filesystem>
#include <memory>
#include <string>

#include "../road_projet/projet_essai.h"
#include "road/api_ecriture.h"
#include "road/axe_en_plan.h"
#include "road/projet_talvex.h"
#include "road_api_common.h"

class ApiEssai : public ProjetEssai {
 protected:
  void SetUp() override {
    ProjetEssai::SetUp();
    lisp("(setq CHEMINOM \"" + fichier("projet") + "\")");
  }

  static void lisp(const std::string& source) {
    ASSERT_TRUE(host::session().current().lisp().run(source, "essai")) << source;
  }

  std::string fichierProjet() const { return fichier("projet.axs"); }
  std::string texteProjet() const { return lit("projet.axs"); }

  // The saved project, read quietly.
  std::unique_ptr<road::PROJETTALVEX> relu() const {
    return road::PROJETTALVEX::ouvre(fichierProjet(), 1);
  }

  // The call writes this message and leaves the file as it was.
  void echoue(RAPPEL rappel, const char* args, const std::string& message) {
    const std::string avant = texteProjet();
    videLigne();
    appelle(rappel, args);
    EXPECT_TRUE(ligneContient(message + "\n")) << args << " -> " << ligne();
    EXPECT_EQ(texteProjet(), avant) << args;
  }

  // An alignment made through "ecri_info_0" with two plan elements.
  void creeAxe(const std::string& nom, double debut = 0.0) {
    lisp("(setq NMAXE-P \"" + nom + "\" ABSCD " + std::to_string(debut) +
         " ABSCF 500.0 PREMPROF 1 VIT-REF \"80\" PLAN-CONS \"PLAN\" NB-EAXP 2"
         " PBG-ZE '(0.0 0.0 0.0) PHD-ZE '(100.0 100.0 0.0)"
         " LAXE-P '((\"D1\" 1.0 2 3.0) (\"C2\" 4.0 5 6.0)))");
    appelle(road::CreationAxe, "");
  }
};
