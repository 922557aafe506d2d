// The terrain dialogs driven by the scripted user, and the two registered
// functions around them.
#include <algorithm>
#include <filesystem>

#include "db/database.h"
#include "projet_essai.h"
#include "road/commandes_terrain.h"
#include "road/dialogues_terrain.h"
#include "road/projet_talvex.h"

namespace {

using road::PROJETTALVEX;

class Dialogues : public ProjetEssai {
 protected:
  void SetUp() override {
    ProjetEssai::SetUp();
    fixeSymbole("CHEMINOM", fichier("plan").c_str());
  }
  static void repond(std::vector<host::Answer::DialogAction> actions) {
    host::Answer a;
    a.kind = host::Answer::Dialog;
    a.actions = std::move(actions);
    host::session().user().push(std::move(a));
  }
  static void creeCalque(const char* nom) { host::session().current().db().layers.findOrAdd(nom); }
};

TEST_F(Dialogues, MessageSelonLeNombreDePoints) {
  EXPECT_EQ(road::messageAltitudes(12), "Z min et max calculé sur 12 points");
  EXPECT_EQ(road::messageAltitudes(0),
            "Aucun point n'a pu être sélectionné pour le calcul de Z min et max");
  EXPECT_EQ(road::messageAltitudes(-1),
            "Définissez le Z min, Z max et le Z nul du Terrain Naturel");
}

TEST_F(Dialogues, IhmzlimiteAnnulerReecritLeFichierInchange) {
  // A file in another layout than the writer's: rewritten in its own form.
  ecrit("plan.axs", "3D-DONNEES-TERRAIN \"T\" = \"\" + \"VMin\" = \"7\" -\n");
  repond({{"zmin", "99"}, {"annuler", std::nullopt}});
  road::ihmzlimite(0);
  auto p = PROJETTALVEX::ouvre(fichier("plan.axs"), 1);
  EXPECT_DOUBLE_EQ(p->vMin(), 7);
  std::ostringstream attendu;
  p->ecrit(attendu);
  EXPECT_EQ(lit("plan.axs"), attendu.str());
  EXPECT_EQ(host::session().user().pending(), 0u);
}

TEST_F(Dialogues, IhmzlimiteOkFixeLesTroisValeurs) {
  ecrit("plan.axs", "");
  repond({{"zmin", "1.25"}, {"zmax", "300"}, {"znul", "-1"}, {"ok", std::nullopt}});
  road::ihmzlimite(0);
  EXPECT_EQ(symbole("_NEVAZMIN"), "1.25");
  EXPECT_EQ(symbole("_NEVAZNUL"), "-1");
  auto p = PROJETTALVEX::ouvre(fichier("plan.axs"), 1);
  EXPECT_DOUBLE_EQ(p->vMin(), 1.25);
  EXPECT_DOUBLE_EQ(p->vMax(), 300);
  EXPECT_DOUBLE_EQ(p->vNul(), -1);
}

TEST_F(Dialogues, IhmccOkRetireLesCalquesAbsentsDuDessin) {
  creeCalque("TN");
  creeCalque("Talus");
  ecrit("plan.axs", "");  // cc.ini's layers: TN and Digue; Digue is not in the drawing
  repond({{"autres", "Talus"}, {"ajoute", std::nullopt}, {"ok", std::nullopt}});
  road::ihmcc(0);
  auto p = PROJETTALVEX::ouvre(fichier("plan.axs"), 1);
  std::string noms;
  for (const auto& c : p->calques3d()) noms += *c.identifiant + ";";
  EXPECT_EQ(noms, "TN;Talus;");
}

TEST_F(Dialogues, IhmccAnnulerNeSauvePas) {
  creeCalque("TN");
  ecrit("plan.axs", "");
  repond({{"calques3d", "TN"}, {"retire", std::nullopt}, {"annuler", std::nullopt}});
  road::ihmcc(0);
  EXPECT_EQ(lit("plan.axs"), "");
}

TEST_F(Dialogues, ListesDuDialogueDesCalques) {
  creeCalque("tn");
  creeCalque("Bord");
  framework::LISTE_PARAMETRES l;
  road::ajouteCalque(l, "TN");
  road::ajouteCalque(l, "Fantome");
  const std::vector<std::string> autres = road::rafraichitCalques(l);
  ASSERT_EQ(l.size(), 1u);
  EXPECT_EQ(l.front().identifiant, "TN");
  EXPECT_EQ(std::count(autres.begin(), autres.end(), "tn"), 0);
  EXPECT_EQ(std::count(autres.begin(), autres.end(), "Bord"), 1);
}

}  // namespace
