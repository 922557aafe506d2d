// The export of cross-sections: POINT entities on the "tv_" layers of the
// host's drawing and the ".info" lines appended in the current directory.
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "acedads.h"
#include "core/session.h"
#include "essai_sections.h"
#include "framework/liste_resbuf.h"
#include "framework/sortie_entites.h"
#include "road/construction_profil.h"
#include "road/couche.h"
#include "road/export_profils.h"
#include "road/profils_en_travers.h"

namespace {

namespace fs = std::filesystem;
using framework::ListeResbuf;

class Export : public ::testing::Test {
 protected:
  void SetUp() override {
    host::session().newDocument("export.dwg");
    host::session().setOutput([this](std::string_view t) { ligne_.append(t); });
    framework::changeCalqueSortie("AVANT");
    ancien_ = fs::current_path();
    // One folder per process: ctest runs the tests of this file side by side.
    const fs::path dossier = fs::path(TEST_WORK_DIR) / ("export-" + std::to_string(getpid()));
    fs::remove_all(dossier);
    fs::create_directories(dossier);
    fs::current_path(dossier);
  }
  void TearDown() override {
    fs::current_path(ancien_);
    host::session().setOutput(nullptr);
    framework::changeCalqueSortie(nullptr);
  }

  static std::vector<ListeResbuf> entites() {
    std::vector<ListeResbuf> liste;
    ads_name courant, suivant;
    if (acdbEntNext(nullptr, courant) != RTNORM) return liste;
    for (;;) {
      liste.emplace_back(acdbEntGet(courant));
      if (acdbEntNext(courant, suivant) != RTNORM) break;
      courant[0] = suivant[0];
      courant[1] = suivant[1];
    }
    return liste;
  }
  static std::string texte(const ListeResbuf& e, int code) {
    const resbuf* g = e.groupe(code);
    return g && g->resval.rstring ? g->resval.rstring : "<absent>";
  }
  static std::string contenu(const char* nom) {
    std::ifstream f(nom, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
  }

  std::string ligne_;
  fs::path ancien_;
};

// Two sections: the first numbered "P7" in the construction table, the
// second without an entry.
void prepare(road::PROFILS_EN_TRAVERS& profils, road::CONSTRUCTION_PROFIL& construction) {
  auto premier = std::make_unique<road::UN_PROFIL>();
  premier->abscisse = 10;
  road::COUCHE& terrain = premier->ajouteCouche(road::COUCHE(0));
  terrain.ajoute({-5, 0, 100, "G"});
  terrain.ajoute({0, 0, 100.5, "A"});
  terrain.ajoute({5, 0, 101, "D"});
  premier->ajouteCouche(road::COUCHE(6)).ajoute({-3, 0, 100.2, ""});
  premier->ajouteCouche(road::COUCHE(7));  // no point: no entity and no line
  profils.insere(std::move(premier));
  auto second = std::make_unique<road::UN_PROFIL>();
  second->abscisse = 20;
  second->ajouteCouche(road::COUCHE(0)).ajoute({1, 2, 3, "nil"});
  profils.insere(std::move(second));

  road::PROFILCONS e;
  e.abscisse = 10.0004;
  e.numero = "P7";
  construction.insere(e);
}

TEST_F(Export, PointsOnTvLayersAndInfoLinesAppended) {
  road::PROFILS_EN_TRAVERS profils;
  road::CONSTRUCTION_PROFIL construction;
  prepare(profils, construction);

  road::exporteProfils(profils, &construction);
  EXPECT_EQ(ligne_, "POSITION NON TROUVE\n");
  const auto e = entites();
  ASSERT_EQ(e.size(), 5u);
  std::vector<std::string> calques;
  for (const auto& entite : e) {
    EXPECT_EQ(texte(entite, 0), "POINT");
    calques.push_back(texte(entite, 8));
  }
  EXPECT_EQ(calques, (std::vector<std::string>{"tv_TERRAIN", "tv_TERRAIN", "tv_TERRAIN", "tv_BASE",
                                               "tv_TERRAIN"}));
  const resbuf* p = e[1].groupe(10);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->resval.rpoint[2], 100.5);
  EXPECT_EQ(framework::calqueSortie(), "AVANT") << "the module's output layer is put back";

  const std::string terrain =
      "P7 " + road::formatPointCouche(-5, 0, 100) + road::formatPointCouche(5, 0, 101) + "\n" +
      "??? " + road::formatPointCouche(1, 2, 3) + road::formatPointCouche(1, 2, 3) + "\n";
  const std::string base =
      "P7 " + road::formatPointCouche(-3, 0, 100.2) + road::formatPointCouche(-3, 0, 100.2) + "\n";
  EXPECT_EQ(contenu("tv_TERRAIN.info"), terrain);
  EXPECT_EQ(contenu("tv_BASE.info"), base);
  EXPECT_FALSE(fs::exists("tv_ASSISE.info"));

  road::exporteProfils(profils, &construction);
  EXPECT_EQ(entites().size(), 10u);
  EXPECT_EQ(contenu("tv_TERRAIN.info"), terrain + terrain) << "a second run appends";
  EXPECT_EQ(contenu("tv_BASE.info"), base + base);
}

TEST_F(Export, WithoutConstructionEveryLabelIsUnknown) {
  road::PROFILS_EN_TRAVERS profils;
  road::CONSTRUCTION_PROFIL construction;
  prepare(profils, construction);
  road::exporteProfils(profils, nullptr);
  EXPECT_EQ(ligne_, "POSITION NON TROUVE\nPOSITION NON TROUVE\n");
  EXPECT_EQ(contenu("tv_BASE.info").substr(0, 5), "???  ");

  // An entry without number labels its section "???" but is found.
  ligne_.clear();
  fs::remove("tv_BASE.info");
  road::CONSTRUCTION_PROFIL sansNumero;
  road::PROFILCONS e;
  e.abscisse = 10;
  sansNumero.insere(e);
  road::exporteProfils(profils, &sansNumero);
  EXPECT_EQ(ligne_, "POSITION NON TROUVE\n");
  EXPECT_EQ(contenu("tv_BASE.info").substr(0, 5), "???  ");
}

}  // namespace
