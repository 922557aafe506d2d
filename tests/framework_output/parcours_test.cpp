// The selection walk: progress reports, the walk's messages, and what each
// handler hands to the reader.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dessin_essai.h"
#include "framework/fenetre_progression.h"
#include "framework/filtre_objets.h"
#include "framework/lecteur_entites.h"
#include "framework/message_stream.h"

namespace {

using framework::ListeResbuf;
using framework::Point3D;
using framework::SOMMET_LU;

class LecteurTrace : public framework::LECTEUR_ENTITES {
 public:
  using LECTEUR_ENTITES::LECTEUR_ENTITES;
  std::vector<std::string> appels;  // kind and layer of each operation
  int32_t nombre = -1;
  int reponse = 1;
  Point3D coins[4]{};
  int aretes = -1;
  std::vector<SOMMET_LU> sommets;
  int drapeaux = -1, m = -1, n = -1;
  std::vector<std::string> attributs;
  std::string bloc;
  Point3D echelles{};
  double rotation = 0, rayon = 0, debut = 0, fin = 0;
  std::string reference, typeLigneLu;
  int couleurLue = 0;

  void nombreObjets(int32_t n) override { nombre = n; }
  int point(const Point3D&) override { return trace("POINT"); }
  int ligne(const Point3D& a, const Point3D& b) override {
    coins[0] = a;
    coins[1] = b;
    reference = LECTEUR_ENTITES::reference();
    typeLigneLu = typeLigne();
    couleurLue = couleur();
    return trace("LINE");
  }
  int face3D(const Point3D c[4], int a) override {
    std::copy(c, c + 4, coins);
    aretes = a;
    return trace("3DFACE");
  }
  int arc(const Point3D& c, double r, double d, double f) override {
    coins[0] = c;
    rayon = r;
    debut = d;
    fin = f;
    return trace("ARC");
  }
  int cercle(const Point3D& c, double r) override {
    coins[0] = c;
    rayon = r;
    return trace("CIRCLE");
  }
  int texte(const Point3D& p, const std::string& t) override {
    coins[0] = p;
    attributs.push_back(t);
    return trace("TEXT");
  }
  int insertion(const Point3D& p, const std::string& b, const Point3D& e, double r) override {
    coins[0] = p;
    bloc = b;
    echelles = e;
    rotation = r;
    return trace("INSERT");
  }
  int attribut(const Point3D&, const std::string& valeur, const std::string& etiquette,
               const std::string& invite, bool definition) override {
    attributs.push_back(valeur + "|" + etiquette + "|" + invite);
    return trace(definition ? "ATTDEF" : "ATTRIB");
  }
  int polyligne(int d, int nm, int nn, const std::vector<SOMMET_LU>& s) override {
    drapeaux = d;
    m = nm;
    n = nn;
    sommets = s;
    return trace("POLYLINE");
  }
  int polyligneLegere(int d, const std::vector<SOMMET_LU>& s) override {
    drapeaux = d;
    sommets = s;
    return trace("LWPOLYLINE");
  }

 private:
  int trace(const std::string& type) {
    appels.push_back(type + "@" + calque());
    return reponse;
  }
};

// Counts the progress messages a window with this identifier would get.
class EcouteProgression : public framework::ECOUTE_MESSAGE {
 public:
  explicit EcouteProgression(const char* id) : ECOUTE_MESSAGE("PRGS", id) {}
  std::vector<std::string> recus;

 protected:
  bool fenetreExiste() const override { return true; }
  void agit(std::string_view reste) override { recus.emplace_back(reste); }
};

class Parcours : public DessinEssai {
 protected:
  void SetUp() override {
    DessinEssai::SetUp();
    ASSERT_EQ(acedSSAdd(nullptr, nullptr, selection), RTNORM);
  }
  // Makes the entity and adds it to the selection.
  void ajoute(resbuf* liste) {
    ads_name nom;
    fabrique(ListeResbuf(liste), nom);
    ASSERT_EQ(acedSSAdd(nom, selection, selection), RTNORM);
  }
  void ajoutePoint(double x, const char* calque = "0") {
    const double p[3] = {x, 0, 0};
    ajoute(acutBuildList(RTDXF0, "POINT", 8, calque, 10, p, 0));
  }
  void ajouteLigne() {
    const double a[3] = {0, 0, 0}, b[3] = {1, 1, 0};
    ajoute(acutBuildList(RTDXF0, "LINE", 10, a, 11, b, 0));
  }
  ads_name selection;
};

TEST_F(Parcours, CentVingtObjetsRapportesTousLesDeuxObjets) {
  for (int i = 0; i < 120; ++i) ajoutePoint(i);
  EcouteProgression ecoute("OBJ");
  LecteurTrace lecteur;
  EXPECT_EQ(lecteur.parcourt(selection, true), 1);

  EXPECT_EQ(lecteur.nombre, 120);
  EXPECT_EQ(lecteur.appels.size(), 120u);
  ASSERT_EQ(ecoute.recus.size(), 61u);
  EXPECT_EQ(ecoute.recus[0], " I 0 120");
  for (size_t k = 1; k < ecoute.recus.size(); ++k)
    EXPECT_EQ(ecoute.recus[k], " P " + std::to_string(2 * (k - 1)));
  EXPECT_EQ(ligne(), "120 objets selectionnes\nTranfert de donnees ...\n");

  int32_t longueur;
  EXPECT_NE(acedSSLength(selection, &longueur), RTNORM) << "the walk frees the set";
}

TEST_F(Parcours, PetiteSelectionRapporteChaqueObjetSansCompteAffiche) {
  for (int i = 0; i < 3; ++i) ajoutePoint(i);
  EcouteProgression ecoute("OBJ");
  LecteurTrace lecteur;
  lecteur.parcourt(selection, false);
  EXPECT_EQ(ecoute.recus.size(), 4u);
  EXPECT_EQ(ligne(), "");
}

TEST_F(Parcours, FenetreDeLAppelantAuLieuDeLaSienne) {
  for (int i = 0; i < 120; ++i) ajoutePoint(i);
  framework::FENETRE_PROGRESSION fenetre("MAIL");
  EcouteProgression propre("OBJ");
  LecteurTrace lecteur;
  lecteur.changeIdentifiantProgression("MAIL");
  lecteur.parcourt(selection, false);
  EXPECT_TRUE(propre.recus.empty());
  EXPECT_EQ(fenetre.position(), 251);  // last report: 118 of 120
  EXPECT_EQ(fenetre.texte(), "Chargement des objets...");
}

TEST_F(Parcours, TypeInconnuArreteLeParcours) {
  const double a[3] = {0, 0, 0}, b[3] = {1, 0, 0}, c[3] = {1, 1, 0};
  ajoute(acutBuildList(RTDXF0, "SOLID", 10, a, 11, b, 12, c, 0));
  ajoutePoint(1);
  LecteurTrace lecteur;
  EXPECT_EQ(lecteur.parcourt(selection, false), 0);
  EXPECT_EQ(ligne(), "Type SOLID inconnu\n");
  EXPECT_TRUE(lecteur.appels.empty());
}

TEST_F(Parcours, TypeHorsMasqueSauteOuInterdit) {
  ajouteLigne();
  ajoutePoint(1);
  {
    LecteurTrace souple(framework::kObjetPoint, false);
    EXPECT_EQ(souple.parcourt(selection, false), 1);
    EXPECT_EQ(souple.appels, std::vector<std::string>{"POINT@0"});
    EXPECT_EQ(ligne(), "");
  }
  ads_name strictes;
  ASSERT_EQ(acedSSGet("X", nullptr, nullptr, nullptr, strictes), RTNORM);
  LecteurTrace strict(framework::kObjetPoint, true);
  EXPECT_EQ(strict.parcourt(strictes, false), 0);
  EXPECT_TRUE(strict.appels.empty());
  EXPECT_EQ(ligne(), "Type d'objet LINE interdit\n");
}

TEST_F(Parcours, UneOperationQuiRepondZeroArreteLeParcours) {
  for (int i = 0; i < 5; ++i) ajoutePoint(i);
  LecteurTrace lecteur;
  lecteur.reponse = 0;
  EXPECT_EQ(lecteur.parcourt(selection, false), 0);
  EXPECT_EQ(lecteur.appels.size(), 1u);
}

TEST_F(Parcours, ObjetEffaceSignale) {
  ads_name nom;
  const double p[3] = {0, 0, 0};
  fabrique(ListeResbuf(acutBuildList(RTDXF0, "POINT", 10, p, 0)), nom);
  ASSERT_EQ(acdbEntDel(nom), RTNORM);
  LecteurTrace lecteur;
  EXPECT_EQ(lecteur.litObjet(nom), 0);
  EXPECT_EQ(ligne(), "Pb ads_entget\n");
}

TEST_F(Parcours, ProprietesCouranteEtValeursParDefaut) {
  const double a[3] = {0, 0, 0}, b[3] = {1, 1, 0};
  ajoute(acutBuildList(RTDXF0, "LINE", 8, "AXE", 6, "DASHED", 62, 3, 10, a, 11, b, 0));
  ajouteLigne();
  LecteurTrace lecteur;
  lecteur.parcourt(selection, false);
  ASSERT_EQ(lecteur.appels.size(), 2u);
  EXPECT_EQ(lecteur.appels[0], "LINE@AXE");
  EXPECT_EQ(lecteur.appels[1], "LINE@0");
  // The values of the second, which names none of them.
  EXPECT_EQ(lecteur.typeLigneLu, "continuous");
  EXPECT_EQ(lecteur.couleurLue, 256);
  EXPECT_FALSE(lecteur.reference.empty()) << "every entity of the host has a handle";
}

TEST_F(Parcours, GroupesLusParType) {
  const double p1[3] = {1, 2, 3}, p2[3] = {4, 5, 6}, p3[3] = {7, 8, 9}, p4[3] = {10, 11, 12};
  ajoute(acutBuildList(RTDXF0, "3DFACE", 10, p1, 11, p2, 12, p3, 13, p4, 70, 5, 0));
  LecteurTrace lecteur;
  ads_name nom;
  ASSERT_EQ(acedSSName(selection, 0, nom), RTNORM);
  EXPECT_EQ(lecteur.litObjet(nom), 1);
  attendPoint(lecteur.coins[3], {10, 11, 12});
  EXPECT_EQ(lecteur.aretes, 5);

  ads_name arc;
  fabrique(ListeResbuf(acutBuildList(RTDXF0, "ARC", 10, p1, 40, 2.5, 50, 0.5, 51, 1.5, 0)), arc);
  EXPECT_EQ(lecteur.litObjet(arc), 1);
  attendPoint(lecteur.coins[0], {1, 2, 3});
  EXPECT_EQ(lecteur.rayon, 2.5);
  EXPECT_EQ(lecteur.debut, 0.5);
  EXPECT_EQ(lecteur.fin, 1.5);

  ads_name texte;
  fabrique(ListeResbuf(acutBuildList(RTDXF0, "TEXT", 10, p2, 40, 1.0, 1, "PK 12", 0)), texte);
  EXPECT_EQ(lecteur.litObjet(texte), 1);
  EXPECT_EQ(lecteur.attributs.back(), "PK 12");

  ads_name definition;
  fabrique(ListeResbuf(acutBuildList(RTDXF0, "ATTDEF", 10, p2, 40, 1.0, 1, "0.00", 2, "ALT", 3,
                                     "Altitude ?", 0)),
           definition);
  EXPECT_EQ(lecteur.litObjet(definition), 1);
  EXPECT_EQ(lecteur.appels.back(), "ATTDEF@0");
  EXPECT_EQ(lecteur.attributs.back(), "0.00|ALT|Altitude ?");
}

TEST_F(Parcours, InsertionSuivieDeSesAttributs) {
  const double p[3] = {5, 6, 0};
  ListeResbuf bloc(
      acutBuildList(RTDXF0, "INSERT", 8, "BLOCS", 2, "BORNE", 10, p, 41, 2.0, 50, 0.25, 66, 1, 0));
  bloc.ajoute(acutBuildList(RTDXF0, "ATTRIB", 10, p, 40, 1.0, 1, "B12", 2, "NUM", 0));
  bloc.ajoute(acutBuildList(RTDXF0, "ATTRIB", 10, p, 40, 1.0, 1, "102.5", 2, "ALT", 0));
  bloc.ajoute(acutBuildList(RTDXF0, "SEQEND", 0));
  ASSERT_EQ(acdbEntMake(bloc.get()), RTNORM);
  ads_name insertion;
  ASSERT_EQ(acdbEntLast(insertion), RTNORM);
  ASSERT_EQ(acedSSAdd(insertion, selection, selection), RTNORM);
  ajoutePoint(0);  // the walk goes on after the attributes
  LecteurTrace lecteur;
  EXPECT_EQ(lecteur.parcourt(selection, false), 1);
  EXPECT_EQ(lecteur.appels,
            (std::vector<std::string>{"INSERT@BLOCS", "ATTRIB@BLOCS", "ATTRIB@BLOCS", "POINT@0"}));
  EXPECT_EQ(lecteur.bloc, "BORNE");
  attendPoint(lecteur.echelles, {2, 1, 1});
  EXPECT_EQ(lecteur.rotation, 0.25);
  EXPECT_EQ(lecteur.attributs, (std::vector<std::string>{"B12|NUM|", "102.5|ALT|"}));
}

TEST_F(Parcours, PolyligneEtSesSommets) {
  framework::commencePolyligne(true, true);
  framework::sortPoint({0, 0, 1});
  framework::sortPoint({10, 0, 2});
  framework::sortPoint({10, 10, 3});
  ASSERT_TRUE(framework::terminePolyligne());
  ads_name nom;
  ASSERT_EQ(acdbEntLast(nom), RTNORM);
  LecteurTrace lecteur;
  EXPECT_EQ(lecteur.litObjet(nom), 1);
  EXPECT_EQ(lecteur.appels, std::vector<std::string>{"POLYLINE@0"});
  EXPECT_EQ(lecteur.drapeaux, 9);
  ASSERT_EQ(lecteur.sommets.size(), 3u);
  attendPoint(lecteur.sommets[2].point, {10, 10, 3});
  EXPECT_EQ(lecteur.sommets[2].drapeaux, 32);
}

TEST_F(Parcours, PolyligneLegereAvecRenflementsEtLargeurs) {
  const double a[3] = {0, 0, 0}, b[3] = {5, 0, 0}, c[3] = {5, 5, 0};
  ads_name nom;
  fabrique(ListeResbuf(acutBuildList(RTDXF0, "LWPOLYLINE", 70, 1, 38, 7.5, 10, a, 42, 0.5, 10, b,
                                     40, 1.0, 41, 2.0, 10, c, 0)),
           nom);
  LecteurTrace lecteur;
  EXPECT_EQ(lecteur.litObjet(nom), 1);
  EXPECT_EQ(lecteur.drapeaux, 1);
  ASSERT_EQ(lecteur.sommets.size(), 3u);
  attendPoint(lecteur.sommets[1].point, {5, 0, 7.5});
  EXPECT_EQ(lecteur.sommets[0].renflement, 0.5);
  EXPECT_EQ(lecteur.sommets[1].renflement, 0);
  EXPECT_EQ(lecteur.sommets[1].largeurDebut, 1.0);
  EXPECT_EQ(lecteur.sommets[1].largeurFin, 2.0);
  EXPECT_EQ(ligne(), "") << "no extrusion, no message";
}

// The extrusion (0, 0, -1) mirrors x and z: (x, y, z) of the entity is (-x, y, -z) of the world.
TEST_F(Parcours, ExtrusionConvertieEnCoordonneesGenerales) {
  const double a[3] = {1, 2, 0}, b[3] = {4, 6, 0}, normale[3] = {-1e-13, 0, -1};
  ads_name nom;
  fabrique(ListeResbuf(acutBuildList(RTDXF0, "LWPOLYLINE", 38, 3.0, 10, a, 10, b, 210, normale, 0)),
           nom);
  LecteurTrace lecteur;
  EXPECT_EQ(lecteur.litObjet(nom), 1);
  ASSERT_EQ(lecteur.sommets.size(), 2u);
  attendPoint(lecteur.sommets[0].point, {-1, 2, -3});
  attendPoint(lecteur.sommets[1].point, {-4, 6, -3});
  // luprec 4 in a new drawing; the tiny negative shows as 0, not -0.
  EXPECT_EQ(ligne(),
            "Des entités continennent des extrusions autour du point (0.0000, 0.0000, -1.0000)\n");

  resbuf deux{};
  deux.restype = RTSHORT;
  deux.resval.rint = 2;
  ASSERT_EQ(acedSetVar("luprec", &deux), RTNORM);
  EXPECT_EQ(lecteur.litObjet(nom), 1);
  EXPECT_TRUE(ligneContient("autour du point (0.00, 0.00, -1.00)\n"));
}

TEST_F(Parcours, FiltreParMasque) {
  ListeResbuf filtre = framework::filtreObjets(framework::kObjetPoint | framework::kObjetLigne);
  std::vector<std::string> textes;
  for (const resbuf* rb = filtre.get(); rb; rb = rb->rbnext)
    textes.push_back(std::to_string(rb->restype) + ":" + rb->resval.rstring);
  EXPECT_EQ(textes, (std::vector<std::string>{"-4:<OR", "0:LINE", "0:POINT", "-4:OR>"}));

  ListeResbuf avecCalque = framework::filtreObjets(framework::kObjetPoint | framework::kObjetLigne,
                                                   ListeResbuf(acutBuildList(8, "TOPO", 0)));
  textes.clear();
  for (const resbuf* rb = avecCalque.get(); rb; rb = rb->rbnext)
    textes.push_back(std::to_string(rb->restype) + ":" + rb->resval.rstring);
  EXPECT_EQ(textes, (std::vector<std::string>{"-4:<AND", "8:TOPO", "-4:<OR", "0:LINE", "0:POINT",
                                              "-4:OR>", "-4:AND>"}));

  // What the host selects with it.
  ajoutePoint(1, "TOPO");
  ajoutePoint(2, "AUTRE");
  ajouteLigne();
  const double a[3] = {0, 0, 0}, b[3] = {1, 1, 0};
  ajoute(acutBuildList(RTDXF0, "LINE", 8, "TOPO", 10, a, 11, b, 0));
  ajoute(acutBuildList(RTDXF0, "CIRCLE", 8, "TOPO", 10, a, 40, 1.0, 0));
  ads_name choisis;
  ASSERT_EQ(acedSSGet("X", nullptr, nullptr, avecCalque.get(), choisis), RTNORM);
  LecteurTrace lecteur;
  lecteur.parcourt(choisis, false);
  EXPECT_EQ(lecteur.appels, (std::vector<std::string>{"POINT@TOPO", "LINE@TOPO"}));
}

}  // namespace
