// Names, codes, listing and internal events of the function table.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "framework/fonction_arx.h"
#include "table_test.h"

using framework::construitNom;

TEST(ConstructionDesNoms, SansPrefixe) {
  EXPECT_EQ(construitNom("c:contourpt", "", "C:QuorilARX"), "c:contourpt");
  EXPECT_EQ(construitNom("*abc", "", "C:QuorilARX"), "abc");
  EXPECT_EQ(construitNom("_abc", "", "C:QuorilARX"), "_abc");
  EXPECT_EQ(construitNom("abc", "", "C:QuorilARX"), "abc");
}

TEST(ConstructionDesNoms, AvecPrefixe) {
  EXPECT_EQ(construitNom("C:abc", "T", "C:Mod"), "C:Tabc");
  EXPECT_EQ(construitNom("_C:abc", "T", "C:Mod"), "C:_Tabc");
  EXPECT_EQ(construitNom("abc", "T", "C:Mod"), "Tabc");
  EXPECT_EQ(construitNom("_abc", "T", "C:Mod"), "_Tabc");
  EXPECT_EQ(construitNom("*abc", "T", "C:Mod"), "abc");
  // The module's own command keeps its name.
  EXPECT_EQ(construitNom("C:Mod", "T", "C:Mod"), "C:Mod");
}

TEST(TableDesFonctions, CodesSuiventLOrdreDeDeclaration) {
  // The program's whole table is in one file: codes are the places of the
  // entries in it, whatever order the files are set up in.
  const framework::FONCTION_ARX* ordre[] = {
      &table_test::premiere,          &table_test::cachee,       &table_test::commandeCachee,
      &table_test::sansDescription,   &table_test::indisponible, &table_test::evenement1,
      &table_test::evenement1bis,     &table_test::imbriquee,    &table_test::fautive,
      &table_test::gardeEnvironnement};
  for (int32_t i = 0; i < 10; ++i) EXPECT_EQ(ordre[i]->code(), i) << ordre[i]->description();
  EXPECT_EQ(framework::trouveParCode(4), &table_test::indisponible);
  EXPECT_EQ(framework::trouveParCode(10), nullptr);
  EXPECT_EQ(framework::trouveParNom("PREMIERE"), &table_test::premiere);
  // Newest first.
  std::vector<int32_t> codes;
  for (framework::FONCTION_ARX* f = framework::teteTable(); f; f = f->suivant())
    codes.push_back(f->code());
  ASSERT_EQ(codes.size(), 10u);
  for (size_t i = 0; i < codes.size(); ++i) EXPECT_EQ(codes[i], 9 - static_cast<int32_t>(i));
}

TEST(TableDesFonctions, EvenementsNonDeclarablesEtExecutesDuPlusRecent) {
  EXPECT_FALSE(table_test::evenement1.estDeclarable());
  EXPECT_FALSE(table_test::indisponible.estDeclarable());
  EXPECT_TRUE(table_test::cachee.estDeclarable());
  EXPECT_EQ(framework::trouveParNom(""), nullptr);
  table_test::ordreEvenements.clear();
  framework::executeEvenement(framework::kDessinCharge);
  EXPECT_EQ(table_test::ordreEvenements, "BA");
  framework::executeEvenement(framework::kFinHote);
  EXPECT_EQ(table_test::ordreEvenements, "BA") << "no entry carries event 3";
}

TEST(TableDesFonctions, ListeCacheLesNomsSoulignes) {
  ASSERT_TRUE(framework::listeTout());
  std::ifstream in("lstfonction.txt");
  std::stringstream s;
  s << in.rdbuf();
  const std::string liste = s.str();
  EXPECT_EQ(liste.rfind("\n\n****** Module Testeur\n", 0), 0u) << liste;
  EXPECT_NE(liste.find("premiere : La premiere\n"), std::string::npos);
  EXPECT_NE(liste.find("c:visible : ???\n"), std::string::npos);
  EXPECT_EQ(liste.find("_cachee"), std::string::npos);
  EXPECT_EQ(liste.find("aussicachee"), std::string::npos);
  EXPECT_EQ(liste.find("indispo"), std::string::npos);
  EXPECT_EQ(liste.find("Evenement"), std::string::npos);
  // Newest entries first.
  EXPECT_LT(liste.find("c:visible"), liste.find("premiere"));
}
