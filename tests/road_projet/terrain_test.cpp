// Terrain settings: publishing to AutoLISP (sorted, or not at all when
// quiet), the setters, the selection list, ".cch" import and layer names.
#include "projet_essai.h"
#include "road/import_cch.h"
#include "road/projet_talvex.h"

namespace {

using road::PROJETTALVEX;

class Terrain : public ProjetEssai {
 protected:
  void SetUp() override {
    ProjetEssai::SetUp();
    for (const char* s : {"LSTCALQ3D", "_NEVAZMIN", "_NEVAZMAX", "_NEVAZNUL", "CALQ_CBN"})
      fixeSymbole(s, nullptr);
  }
  static std::string noms(const framework::LISTE_PARAMETRES& l) {
    std::string s;
    for (const auto& p : l)
      s += p.identifiant.value_or("<X>") + "=" + p.valeur.value_or("<X>") + ";";
    return s;
  }
};

TEST_F(Terrain, ChargementPublieLesCalquesTries) {
  ecrit("p.axs", "");
  auto p = PROJETTALVEX::ouvre(fichier("p.axs"), 0);
  EXPECT_EQ(symbole("LSTCALQ3D"), "(\"Digue\" \"TN\")");
  EXPECT_EQ(symbole("_NEVAZMIN"), "10.5");
  EXPECT_EQ(symbole("_NEVAZMAX"), "250");
  EXPECT_EQ(symbole("_NEVAZNUL"), "-999");
  // The project's own list is sorted, so the next save writes it sorted.
  EXPECT_EQ(noms(p->calques3d()), "Digue=Digue;TN=TN;");
  std::ostringstream s;
  p->ecrit(s);
  EXPECT_LT(s.str().find("\"Digue\""), s.str().find("\"TN\""));

  p->fixeVMax(1234.25);
  EXPECT_EQ(symbole("_NEVAZMAX"), "1234.25");
  EXPECT_DOUBLE_EQ(p->vMax(), 1234.25);
}

TEST_F(Terrain, ProjetSilencieuxNePublieRien) {
  ecrit("p.axs", "");
  auto p = PROJETTALVEX::ouvre(fichier("p.axs"), 1);
  p->fixeVMin(5);
  framework::LISTE_PARAMETRES autres;
  road::ajouteCalque(autres, "Z");
  p->remplaceCalques3d(autres);
  for (const char* s : {"LSTCALQ3D", "_NEVAZMIN", "_NEVAZMAX", "_NEVAZNUL"})
    EXPECT_EQ(symbole(s), "nil") << s;
  EXPECT_DOUBLE_EQ(p->vMin(), 5);
  EXPECT_EQ(noms(p->calques3d()), "Z=Z;");
}

TEST_F(Terrain, ValeursAbsentesOuNonNumeriques) {
  ecrit("p.axs", "3D-DONNEES-TERRAIN\n\"T\" = \"\"\n+\n\t\"VMin\" = \"abc\"\n\t\"VMax\" = X\n-\n");
  auto p = PROJETTALVEX::ouvre(fichier("p.axs"), 0);
  EXPECT_DOUBLE_EQ(p->vMin(), 0);
  EXPECT_DOUBLE_EQ(p->vMax(), 0);
  EXPECT_DOUBLE_EQ(p->vNul(), 0) << "a missing key reads 0";
  EXPECT_EQ(symbole("LSTCALQ3D"), "nil") << "no 3D layer: nil";
}

TEST_F(Terrain, ListeDeSelectionSansCalqueCbn) {
  ecrit("p.axs", "");
  auto p = PROJETTALVEX::ouvre(fichier("p.axs"), 1);
  fixeSymbole("CALQ_CBN", "tn");
  EXPECT_EQ(noms(p->calquesSelection()), "Digue=Digue;");
  EXPECT_EQ(noms(p->calques3d()), "TN=TN;Digue=Digue;") << "the 3D layers stay whole";
  fixeSymbole("CALQ_CBN", nullptr);
  EXPECT_EQ(noms(p->calquesSelection()), "TN=TN;Digue=Digue;");
}

TEST_F(Terrain, NomsDeCalquesRognes) {
  framework::LISTE_PARAMETRES l;
  road::ajouteCalque(l, "  Route 1\t");
  road::ajouteCalque(l, " \t \x01");
  road::ajouteCalque(l, "");
  road::ajouteCalque(l, "Route 1");
  EXPECT_EQ(noms(l), "Route 1=Route 1;");
}

TEST_F(Terrain, ImportCchEntreTroisiemeEtQuatriemeSeparateur) {
  framework::LISTE_PARAMETRES l;
  road::ajouteCalque(l, "Ancien");
  std::istringstream cch(
      "titre\n/----\nA 1\n//\n/===\nB 2\n/ seul\n\r\n  TN 7\r\nDigue\tx\n/ quatre\nApres "
      "9\n/\nEncore 1\n");
  road::importeCch(cch, l);
  // Two separator lines in a row count once: "/ seul" is the third.
  EXPECT_EQ(noms(l), "TN=TN;Digue=Digue;");

  std::istringstream court("/\nA 1\n/\nB 1\n");
  road::importeCch(court, l);
  EXPECT_EQ(noms(l), "") << "fewer than three separators: the list is emptied";

  road::ajouteCalque(l, "Ancien");
  EXPECT_FALSE(road::importeFichierCch(fichier("absent.cch"), l));
  EXPECT_EQ(noms(l), "");

  // A line longer than the limit keeps its first word and does not spill
  // into the next line.
  ecrit("long.cch", "/\nx\n/a\n/b\ny\n/\nLong" + std::string(500, 'x') + " 1\nCourt 2\n");
  EXPECT_TRUE(road::importeFichierCch(fichier("long.cch"), l));
  ASSERT_EQ(l.size(), 2u);
  EXPECT_EQ(l.front().identifiant->size(), road::kLongueurLigneCch);
  EXPECT_EQ(l.back().identifiant, "Court");
}

}  // namespace
