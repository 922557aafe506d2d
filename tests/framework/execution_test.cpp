// The call discipline: saved settings, echo and undo nesting, exceptions.
#include <gtest/gtest.h>

#include <stdexcept>

#include "acedads.h"
#include "core/session.h"
#include "framework/execution.h"
#include "framework/fonction_arx.h"
#include "host_capture.h"
#include "table_test.h"

namespace {

int lis(const char* nom) { return host::session().current().vars().getInt(nom, -999); }

void ecris(const char* nom, int valeur) {
  resbuf rb{};
  rb.restype = RTSHORT;
  rb.resval.rint = static_cast<short>(valeur);
  ASSERT_EQ(acedSetVar(nom, &rb), RTNORM);
}

int profondeurVoulue = 0;
int profondeurAtteinte = 0;
int osmodeVuDedans = -1;
int cmdechoVuDedans = -1;

}  // namespace

namespace table_test {

resbuf* recursive(int32_t niveau) {
  profondeurAtteinte = niveau + 1;
  osmodeVuDedans = lis("OSMODE");
  cmdechoVuDedans = lis("CMDECHO");
  if (niveau + 1 < profondeurVoulue) {
    if (resbuf* r = framework::executeEntree(&imbriquee, niveau + 1)) acutRelRb(r);
  }
  return nullptr;
}

resbuf* lance(int32_t) { throw std::runtime_error("panne"); }

resbuf* resultat(int32_t) { return acutBuildList(RTSTR, "ok", 0); }

}  // namespace table_test

namespace {

using table_test::fautive;
using table_test::gardeEnvironnement;
using table_test::imbriquee;

class Execution : public ::testing::Test {
 protected:
  void SetUp() override {
    ecris("ATTDIA", 1);
    ecris("OSNAPCOORD", 2);
    ecris("OSMODE", 37);
    ecris("CMDECHO", 1);
  }
  void attendEnvironnementInitial() {
    EXPECT_EQ(lis("ATTDIA"), 1);
    EXPECT_EQ(lis("OSNAPCOORD"), 2);
    EXPECT_EQ(lis("OSMODE"), 37);
    EXPECT_EQ(lis("CMDECHO"), 1);
  }
  CaptureLigneCommande sortie;
};

TEST_F(Execution, ImposeLEnvironnementPendantLAppelPuisLeRestaure) {
  profondeurVoulue = 1;
  const int groupes = host::session().current().closedUndoGroups;
  framework::executeEntree(&imbriquee, 0);
  EXPECT_EQ(osmodeVuDedans, 0) << "object snaps off (the entry's flags)";
  EXPECT_EQ(cmdechoVuDedans, 0);
  attendEnvironnementInitial();
  EXPECT_EQ(host::session().current().closedUndoGroups, groupes + 1);
  EXPECT_EQ(host::session().current().openUndoGroups, 0);
}

TEST_F(Execution, OnzeNiveauxRestaurentLEtatInitial) {
  profondeurVoulue = 11;
  const int groupes = host::session().current().closedUndoGroups;
  framework::executeEntree(&imbriquee, 0);
  EXPECT_EQ(profondeurAtteinte, 11);
  EXPECT_EQ(sortie.compte("Bug EtatMemorise"), 1u) << sortie.texte();
  EXPECT_EQ(sortie.compte("Bug EtatRestore"), 1u) << sortie.texte();
  attendEnvironnementInitial();
  EXPECT_EQ(host::session().current().closedUndoGroups, groupes + 1) << "one undo step in all";
}

TEST_F(Execution, UneExceptionEstSignaleeEtLEnvironnementRestaure) {
  const int groupes = host::session().current().closedUndoGroups;
  EXPECT_EQ(framework::executeEntree(&fautive, 0), nullptr);
  EXPECT_TRUE(sortie.contient("!!!!!!! ERREUR DANS L'APPEL D'UNE FONCTION\n"));
  EXPECT_TRUE(sortie.contient("!!!!!!! PREVENEZ AU PLUS TÔT VOTRE CENTRE TECHNIQUE\n"));
  EXPECT_TRUE(sortie.contient("!!!!!!! FONCTION D'ID <fautive>\n"));
  attendEnvironnementInitial();
  EXPECT_EQ(host::session().current().closedUndoGroups, groupes + 1);
  EXPECT_EQ(host::session().current().openUndoGroups, 0);
  EXPECT_EQ(framework::fonctionCourante(), nullptr);
}

TEST_F(Execution, LeDrapeauUnLaisseLEnvironnementTranquille) {
  const int groupes = host::session().current().closedUndoGroups;
  resbuf* r = framework::executeEntree(&gardeEnvironnement, 0);
  ASSERT_NE(r, nullptr);
  EXPECT_STREQ(r->resval.rstring, "ok");
  acutRelRb(r);
  EXPECT_EQ(host::session().current().closedUndoGroups, groupes);
  attendEnvironnementInitial();
}

TEST_F(Execution, PileDEtatMalUtiliseeNeTouchePasAuxVariables) {
  framework::EtatRestore();
  EXPECT_TRUE(sortie.contient("Bug EtatRestore"));
  attendEnvironnementInitial();
}

}  // namespace
