// The services the updater and the update check need: copies that replace a file all or
// nothing, and the lock between processes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "platform.h"
#include "run_cadhost.h"

namespace fs = std::filesystem;

namespace {

mode_t modeOf(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

size_t entries(const ScratchDir& dir) {
  return static_cast<size_t>(std::distance(fs::directory_iterator(dir.path()), {}));
}

TEST(CopyFileReplacing, CopiesWholeOrLeavesTheTargetAsItWas) {
  ScratchDir dir;
  dir.write("prog", "#!/bin/sh\n");
  ::chmod(dir.file("prog").c_str(), 0750);
  const struct timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
  ::utimensat(AT_FDCWD, dir.file("prog").c_str(), old, 0);
  dir.write("cible", "ancien");
  ::chmod(dir.file("cible").c_str(), 0600);

  ASSERT_TRUE(platform::copyFileReplacing(dir.file("prog"), dir.file("cible")));
  EXPECT_EQ(dir.read("cible"), "#!/bin/sh\n");
  EXPECT_EQ(modeOf(dir.file("cible")), 0750u) << "the source's permissions";
  EXPECT_EQ(platform::fileInfo(dir.file("cible"))->modified, 1000000000);
  // Written with "\" as the system writes paths; a new file.
  ASSERT_TRUE(platform::copyFileReplacing(dir.path() + "\\prog", dir.path() + "\\neuf"));
  EXPECT_EQ(dir.read("neuf"), "#!/bin/sh\n");

  // Refused as the shell refuses: read-only or directory target, itself, a missing source.
  dir.write("protege", "garde");
  ::chmod(dir.file("protege").c_str(), 0444);
  fs::create_directories(dir.file("dossier"));
  EXPECT_FALSE(platform::copyFileReplacing(dir.file("prog"), dir.file("protege")));
  EXPECT_FALSE(platform::copyFileReplacing(dir.file("prog"), dir.file("dossier")));
  EXPECT_FALSE(platform::copyFileReplacing(dir.file("prog"), dir.file("prog")));
  EXPECT_FALSE(platform::copyFileReplacing(dir.file("absent"), dir.file("x")));
  EXPECT_EQ(dir.read("protege"), "garde");

  // A source that fails to read half-way: the target keeps its old text, no temporary stays.
  const size_t before = entries(dir);
  EXPECT_FALSE(platform::copyFileReplacing("/proc/self/mem", dir.file("cible")));
  EXPECT_EQ(dir.read("cible"), "#!/bin/sh\n");
  EXPECT_EQ(entries(dir), before);

  // A symbolic link stays a link; the file it leads to gets the copy.
  fs::create_symlink("neuf", dir.file("lien"));
  dir.write("autre", "autre");
  ASSERT_TRUE(platform::copyFileReplacing(dir.file("autre"), dir.file("lien")));
  EXPECT_TRUE(fs::is_symlink(dir.file("lien")));
  EXPECT_EQ(dir.read("neuf"), "autre");
}

TEST(FileLock, OneHolderAtATime) {
  ScratchDir dir;
  const std::string verrou = dir.path() + "\\verrou";
  const int h = platform::tryLockFile(verrou);
  ASSERT_GE(h, 0);
  EXPECT_TRUE(dir.exists("verrou")) << "made when missing";
  EXPECT_LT(platform::tryLockFile(verrou), 0) << "held, even within one process";
  // Another process sees it held, then free.
  auto autreProcessus = [&] {
    const pid_t pid = fork();
    if (pid == 0) {
      const int l = platform::tryLockFile(verrou);
      _exit(l >= 0 ? 0 : 1);
    }
    int statut = 0;
    waitpid(pid, &statut, 0);
    return WIFEXITED(statut) && WEXITSTATUS(statut) == 0;
  };
  EXPECT_FALSE(autreProcessus());
  platform::unlockFile(h);
  EXPECT_TRUE(autreProcessus());
  EXPECT_TRUE(dir.exists("verrou")) << "the file stays";
  EXPECT_LT(platform::tryLockFile(dir.file("absent/verrou")), 0);
}

}  // namespace
