// Desktop shortcuts, environment variables and the machine's identity.
#include <arpa/inet.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>

#include "env_override.h"
#include "platform.h"
#include "run_cadhost.h"

namespace {

TEST(PlatformShortcuts, ALauncherFileIsWrittenOnTheDesktop) {
  ScratchDir dir;
  EnvOverride desktop("CADHOST_DESKTOP", dir.path() + "\\Bureau");
  EXPECT_EQ(platform::desktopDirectory(), dir.file("Bureau"));

  platform::Shortcut s;
  s.name = "Talvex 2D/3D";
  s.target = "C:\\Talvex\\bin\\cadhost";
  s.arguments = {"--drawing", "plan de masse.dxf", "C:\\x", "100%", "$HOME"};
  s.workingDirectory = "C:\\Talvex";
  s.description = "Conception routière";
  ASSERT_TRUE(platform::createDesktopShortcut(s));  // makes the missing desktop directory
  EXPECT_TRUE(platform::desktopShortcutExists("Talvex 2D/3D"));
  const std::string path = platform::desktopShortcutPath("Talvex 2D/3D");
  EXPECT_EQ(path, dir.file("Bureau/Talvex 2D_3D.desktop"));
  struct stat st;
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_NE(st.st_mode & S_IXUSR, 0u);

  std::ifstream in(path);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text.rfind("[Desktop Entry]\n", 0), 0u);
  EXPECT_NE(text.find("\nName=Talvex 2D/3D\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nComment=Conception routière\n"), std::string::npos);
  EXPECT_NE(text.find("\nPath=C:/Talvex\n"), std::string::npos);
  // Quoted where needed; backslashes escaped for the quoting, then for the file.
  EXPECT_NE(text.find("\nExec=C:/Talvex/bin/cadhost --drawing \"plan de masse.dxf\" "
                      "\"C:\\\\\\\\x\" 100%% \"\\\\$HOME\"\n"),
            std::string::npos)
      << text;

  EXPECT_TRUE(platform::removeDesktopShortcut("Talvex 2D/3D"));
  EXPECT_FALSE(platform::desktopShortcutExists("Talvex 2D/3D"));
  EXPECT_FALSE(platform::removeDesktopShortcut("Talvex 2D/3D"));
  EXPECT_FALSE(platform::createDesktopShortcut(platform::Shortcut{}));
}

TEST(PlatformShortcuts, TheHomeDesktopWhenNotSetElsewhere) {
  ScratchDir dir;
  EnvOverride desktop("CADHOST_DESKTOP", std::nullopt);
  EnvOverride home("HOME", dir.path());
  EXPECT_EQ(platform::desktopDirectory(), dir.path() + "/Desktop");
}

TEST(PlatformEnvironment, VariablesAreSetReadAndRemoved) {
  EnvOverride guard("TALVEX_ESSAI", std::nullopt);
  EXPECT_FALSE(platform::environmentVariable("TALVEX_ESSAI"));
  ASSERT_TRUE(platform::setEnvironmentVariable("TALVEX_ESSAI", "a=b;c"));
  EXPECT_EQ(platform::environmentVariable("TALVEX_ESSAI"), "a=b;c");
  // Children see it.
  EXPECT_EQ(
      platform::startProgram("/bin/sh", {"-c", "test \"$TALVEX_ESSAI\" = 'a=b;c'"}, true).exitCode,
      0);
  ASSERT_TRUE(platform::setEnvironmentVariable("TALVEX_ESSAI", ""));
  EXPECT_EQ(platform::environmentVariable("TALVEX_ESSAI"), "");
  ASSERT_TRUE(platform::removeEnvironmentVariable("TALVEX_ESSAI"));
  EXPECT_FALSE(platform::environmentVariable("TALVEX_ESSAI"));
  EXPECT_FALSE(platform::setEnvironmentVariable("A=B", "x"));
  EXPECT_FALSE(platform::setEnvironmentVariable("", "x"));
}

TEST(PlatformMachine, NameAndIpv4Address) {
  char name[256] = {};
  ASSERT_EQ(::gethostname(name, sizeof name - 1), 0);
  EXPECT_EQ(platform::hostName(), name);
  const std::string address = platform::ipv4Address();
  in_addr parsed{};
  EXPECT_EQ(::inet_pton(AF_INET, address.c_str(), &parsed), 1) << address;
}

}  // namespace
