// Registry values kept in the host's registry file.
#include <gtest/gtest.h>

#include "core/session.h"
#include "env_override.h"
#include "platform.h"
#include "run_cadhost.h"

namespace {

const char* const kKey = "HKEY_CURRENT_USER\\Software\\Talvex\\Reglages";

class Registry : public ::testing::Test {
 protected:
  Registry() : file_("CADHOST_REGISTRY", dir_.file("registre.txt")) {}
  void SetUp() override {
    host::session().setOutput([this](std::string_view t) { output_.append(t); });
  }
  void TearDown() override { host::session().setOutput(nullptr); }

  ScratchDir dir_;
  EnvOverride file_;
  std::string output_;
};

TEST_F(Registry, ValuesSurviveARoundTripThroughTheFile) {
  EXPECT_EQ(platform::registryFilePath(), dir_.file("registre.txt"));
  const std::string awkward = "C:\\Projets\\\"plan\"\n2e ligne\tfin é";
  ASSERT_TRUE(platform::writeRegistryString(kKey, "Chemin", awkward));
  ASSERT_TRUE(platform::writeRegistryDword(kKey, "Compte", 0xDEADBEEF));
  ASSERT_TRUE(platform::writeRegistryString(kKey, "", "défaut"));
  EXPECT_TRUE(dir_.exists("registre.txt"));

  EXPECT_EQ(platform::readRegistryString(kKey, "Chemin"), awkward);
  EXPECT_EQ(platform::readRegistryDword(kKey, "Compte"), 0xDEADBEEFu);
  EXPECT_EQ(platform::readRegistryString(kKey, ""), "défaut");
  // Names are case-insensitive, roots have their short names, "/" separates too.
  EXPECT_EQ(platform::readRegistryString("hkcu/software\\TALVEX\\reglages", "chemin"), awkward);
  // A value has one type.
  EXPECT_FALSE(platform::readRegistryString(kKey, "Compte"));
  EXPECT_FALSE(platform::readRegistryDword(kKey, "Chemin"));
  ASSERT_TRUE(platform::writeRegistryString(kKey, "COMPTE", "texte"));
  EXPECT_FALSE(platform::readRegistryDword(kKey, "Compte"));
  EXPECT_EQ(platform::readRegistryString(kKey, "Compte"), "texte");

  const std::string text = dir_.read("registre.txt");
  EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Talvex\\Reglages]"), std::string::npos)
      << text;
  EXPECT_NE(text.find("@=\"défaut\""), std::string::npos) << text;
  EXPECT_TRUE(output_.empty()) << output_;
}

TEST_F(Registry, KeysValuesAndSubkeysAreListedAndDeleted) {
  platform::writeRegistryDword(kKey, "A", 1);
  platform::writeRegistryDword(kKey, "B", 2);
  platform::writeRegistryDword(std::string(kKey) + "\\Profils\\P1", "X", 3);
  platform::writeRegistryDword(std::string(kKey) + "\\Affichage", "Y", 4);
  platform::writeRegistryDword("HKLM\\Software\\Talvex", "Z", 5);

  EXPECT_EQ(platform::registryValueNames(kKey), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(platform::registrySubkeys(kKey), (std::vector<std::string>{"Affichage", "Profils"}));
  EXPECT_TRUE(platform::registryKeyExists(std::string(kKey) + "\\Profils"));  // implied by P1
  EXPECT_FALSE(platform::registryKeyExists(std::string(kKey) + "\\Prof"));

  EXPECT_TRUE(platform::deleteRegistryValue(kKey, "a"));
  EXPECT_FALSE(platform::deleteRegistryValue(kKey, "a"));
  EXPECT_FALSE(platform::readRegistryDword(kKey, "A"));
  EXPECT_EQ(platform::readRegistryDword(kKey, "B"), 2u);

  EXPECT_TRUE(platform::deleteRegistryKey(std::string(kKey) + "\\Profils"));
  EXPECT_FALSE(platform::registryKeyExists(std::string(kKey) + "\\Profils\\P1"));
  EXPECT_TRUE(platform::registryKeyExists(std::string(kKey) + "\\Affichage"));
  EXPECT_TRUE(platform::deleteRegistryKey("HKEY_CURRENT_USER\\Software"));
  EXPECT_FALSE(platform::registryKeyExists(kKey));
  EXPECT_EQ(platform::readRegistryDword("HKEY_LOCAL_MACHINE\\Software\\Talvex", "Z"), 5u);
}

TEST_F(Registry, KeysOutsideTheRootsAreRefused) {
  EXPECT_FALSE(platform::writeRegistryString("Software\\Talvex", "x", "y"));
  EXPECT_FALSE(platform::writeRegistryString("HKEY_NOWHERE\\x", "x", "y"));
  EXPECT_FALSE(platform::writeRegistryString("", "x", "y"));
  EXPECT_FALSE(platform::readRegistryString("\\\\", "x"));
  EXPECT_FALSE(dir_.exists("registre.txt"));
}

TEST_F(Registry, ACorruptFileKeepsWhatCanBeRead) {
  dir_.write("registre.txt",
             "[HKEY_CURRENT_USER\\Software\\Talvex\\Reglages]\n"
             "\"Bon\"=\"oui\"\n"
             "\"Cassé=\"non\n"
             "garbage \x01\x02\xff\n"
             "\"Nombre\"=dword:zz\n"
             "\"Grand\"=dword:123456789\n"
             "[NOT_A_ROOT\\x]\n"
             "\"Perdu\"=\"sans clé\"\n"
             "[HKEY_CURRENT_USER\\Software\\Talvex\\Reglages\n"
             "[HKCU\\Autre]\n"
             "\"Compte\"=dword:0000000a\n");
  EXPECT_EQ(platform::readRegistryString(kKey, "Bon"), "oui");
  EXPECT_EQ(platform::readRegistryDword("HKEY_CURRENT_USER\\Autre", "Compte"), 10u);
  EXPECT_FALSE(platform::readRegistryDword(kKey, "Nombre"));
  EXPECT_FALSE(platform::readRegistryDword(kKey, "Grand"));
  // Said once, not at every read.
  const std::string said = "registre.txt: 7 ligne(s) illisible(s) ignorée(s)\n";
  EXPECT_NE(output_.find(said), std::string::npos) << output_;
  EXPECT_EQ(output_.find(said), output_.rfind(said)) << output_;

  // Writing keeps the readable values and the old file beside.
  ASSERT_TRUE(platform::writeRegistryDword(kKey, "Nouveau", 1));
  EXPECT_TRUE(dir_.exists("registre.txt.bad"));
  EXPECT_NE(dir_.read("registre.txt.bad").find("garbage"), std::string::npos);
  EXPECT_EQ(platform::readRegistryString(kKey, "Bon"), "oui");
  EXPECT_EQ(platform::readRegistryDword("HKCU\\Autre", "Compte"), 10u);
  EXPECT_EQ(dir_.read("registre.txt").find("garbage"), std::string::npos);
}

TEST_F(Registry, ABinaryFileIsAnEmptyRegistry) {
  std::string junk;
  for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 7919) & 0xFF);
  dir_.write("registre.txt", junk);
  EXPECT_FALSE(platform::readRegistryString(kKey, "x"));
  ASSERT_TRUE(platform::writeRegistryString(kKey, "x", "y"));
  EXPECT_EQ(platform::readRegistryString(kKey, "x"), "y");
}

}  // namespace
