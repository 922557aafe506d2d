// The message stream: embedded messages picked out, the rest shown.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/error_stream.h"
#include "framework/message_stream.h"
#include "host_capture.h"

namespace {

class Ecouteur : public framework::ECOUTE_MESSAGE {
 public:
  Ecouteur(const char* motCle, const char* id) : ECOUTE_MESSAGE(motCle, id) {}
  std::vector<std::string> recus;
  bool existe = true;

 protected:
  bool fenetreExiste() const override { return existe; }
  void agit(std::string_view reste) override { recus.emplace_back(reste); }
};

TEST(FluxMessages, LeMessageEstRetireDuTexte) {
  CaptureLigneCommande sortie;
  Ecouteur progression("PRGS", "OBJ"), autre("PRGS", "XYZ"), info("INFO", "OBJ");
  framework::fluxErreur() << "avant @(PRGS OBJ P 12) apres" << std::endl;
  EXPECT_EQ(sortie.texte(), "avant  apres\n");
  ASSERT_EQ(progression.recus.size(), 1u);
  EXPECT_EQ(progression.recus[0], " P 12");
  EXPECT_TRUE(autre.recus.empty());
  EXPECT_TRUE(info.recus.empty());
}

TEST(FluxMessages, SansParentheseFermanteLeTexteResteIntact) {
  CaptureLigneCommande sortie;
  Ecouteur progression("PRGS", "OBJ");
  framework::fluxErreur() << "texte @(PRGS OBJ P 3 sans fin" << std::endl;
  EXPECT_EQ(sortie.texte(), "texte @(PRGS OBJ P 3 sans fin\n");
  EXPECT_TRUE(progression.recus.empty());
}

TEST(FluxMessages, MessageCoupeParLaTailleDuTampon) {
  CaptureLigneCommande sortie;
  Ecouteur progression("PRGS", "OBJ");
  const std::string debut(framework::kTailleTamponFlux - 6, 'x');
  framework::fluxErreur() << debut << "@(PRGS OBJ P 77)fin" << std::endl;
  EXPECT_EQ(sortie.texte(), debut + "fin\n");
  ASSERT_EQ(progression.recus.size(), 1u);
  EXPECT_EQ(progression.recus[0], " P 77");
}

TEST(FluxMessages, PlusieursMessagesEtFenetreFermee) {
  CaptureLigneCommande sortie;
  Ecouteur progression("PRGS", "OBJ");
  progression.existe = false;
  Ecouteur info("INFO", "OBJ");
  framework::fluxErreur() << "@(INFO OBJ Chargement)a@(PRGS OBJ I 0 10)b" << std::endl;
  EXPECT_EQ(sortie.texte(), "ab\n");
  EXPECT_TRUE(progression.recus.empty());
  ASSERT_EQ(info.recus.size(), 1u);
  EXPECT_EQ(info.recus[0], " Chargement");
}

TEST(FluxMessages, SansEchoRienNAtteintLaLigneDeCommande) {
  CaptureLigneCommande sortie;
  framework::activerEcho(false);
  framework::fluxErreur() << "invisible" << std::endl;
  EXPECT_EQ(sortie.texte(), "");
  framework::activerEcho(true);
}

}  // namespace
