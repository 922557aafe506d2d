// "talvexexppt": the cross-sections dropped into the drawing and the "tv_"
// files, in the order of the checks; the project file stays as it was.
#include <fstream>
#include <sstream>

#include "lecture_essai.h"
#include "road/api_lecture.h"
#include "road/construction_profil.h"
#include "road/couche.h"
#include "road/export_profils.h"
#include "road/profils_en_travers.h"

namespace {

namespace fs = std::filesystem;

class Export : public LectureEssai {
 protected:
  void SetUp() override {
    LectureEssai::SetUp();
    ancien_ = fs::current_path();
    fs::current_path(dossier_);
  }
  void TearDown() override {
    fs::current_path(ancien_);
    LectureEssai::TearDown();
  }
  static std::string contenu(const fs::path& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
  }
  fs::path ancien_;
};

TEST_F(Export, WritesTheLayerFilesOnlyWhenSectionsAndConstructionExist) {
  auto axe = std::make_unique<road::AXE_EN_PLAN>();
  axe->nom = "RN7";
  axe->planConstruction = "P";
  axe->vitesseReference = "80";
  sauve(std::make_unique<road::AXE_EN_PLAN>(*axe));

  CaptureErreurs erreurs;
  appelle(road::exportPt19, "");
  appelle(road::exportPt19, "\"RN9\"");
  appelle(road::exportPt19, "\"RN7\"");
  auto profil = std::make_unique<road::UN_PROFIL>();
  profil->abscisse = 20;
  road::COUCHE couche(3);
  couche.ajoute({1, 2, 3, ""});
  couche.ajoute({4, 5, 6, ""});
  profil->ajouteCouche(couche);
  axe->profils(true)->ajoute(std::move(profil));
  sauve(std::make_unique<road::AXE_EN_PLAN>(*axe));
  appelle(road::exportPt19, "\"RN7\"");
  EXPECT_EQ(erreurs.texte(),
            "ExportPt19: parametres incorrects\n"
            "ExportPt19: Axe non trouve\n"
            "ExportPt19: Pas de profil en travers\n"
            "ExportPt19: Pas de const-profil\n");
  const std::string info = road::fichierInfoExport(couche);
  EXPECT_FALSE(fs::exists(info));

  road::PROFILCONS entree;
  entree.abscisse = 20;
  entree.numero = "P1";
  axe->construction(true)->ajoute(entree);
  sauve(std::make_unique<road::AXE_EN_PLAN>(*axe));
  const std::string avant = contenu(dossier_ / "plan.axs");
  appelle(road::exportPt19, "\"RN7\"");
  EXPECT_TRUE(fs::exists(info));
  EXPECT_FALSE(contenu(info).empty());
  EXPECT_EQ(contenu(dossier_ / "plan.axs"), avant);
}

}  // namespace
