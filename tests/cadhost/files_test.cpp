// The files a cadhost user names: drawings read from pipes and devices, scripts
// that cannot be run, empty names, and saves that keep what the user set up.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "run_cadhost.h"

namespace fs = std::filesystem;

namespace {

class CadhostFiles : public ::testing::Test {
 protected:
  ScratchDir dir;
  CadhostRun run(const std::vector<std::string>& args) {
    fs::create_directories(dir.file("nomodules"));
    return runCadhost(dir, args, dir.file("nomodules"));
  }
};

mode_t modeOf(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

const char* const kPoint = "(entmake '((0 . \"POINT\") (8 . \"TN\") (10 1.0 2.0 3.0)))";

TEST_F(CadhostFiles, ScriptsThatCannotRunAreBadCommandLines) {
  fs::create_directories(dir.file("scripts"));
  const CadhostRun directory = run({"--save", "out.dxf", "scripts"});
  EXPECT_EQ(directory.status, 2);
  EXPECT_NE(directory.err.find("scripts: c'est un répertoire, pas un script"), std::string::npos)
      << directory.err;

  const CadhostRun missing = run({"--save", "out.dxf", "-e", "(princ \"avant\")", "absent.lsp"});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("absent.lsp: script introuvable"), std::string::npos) << missing.err;
  EXPECT_FALSE(dir.exists("out.dxf")) << "nothing is saved after a script that did not run";

  dir.write("ferme.lsp", "(princ \"lu\")");
  ::chmod(dir.file("ferme.lsp").c_str(), 0);
  if (::geteuid() != 0) {  // the superuser reads every file
    const CadhostRun closed = run({"--save", "out.dxf", "ferme.lsp"});
    EXPECT_EQ(closed.status, 2);
    EXPECT_NE(closed.err.find("ferme.lsp: script illisible ("), std::string::npos) << closed.err;
    EXPECT_FALSE(dir.exists("out.dxf"));
  }
}

TEST_F(CadhostFiles, EmptyNamesAreBadCommandLines) {
  for (const char* option : {"--drawing", "--save", "--load"}) {
    const CadhostRun r = run({option, "", "-e", "(princ)"});
    EXPECT_EQ(r.status, 2) << option;
    EXPECT_NE(r.err.find(std::string(option) + " attend une valeur non vide"), std::string::npos)
        << r.err;
  }
}

TEST_F(CadhostFiles, DrawingReadFromAPipeAndNotFromAnEndlessDevice) {
  ASSERT_EQ(run({"--save", "a.dxf", "-e", kPoint}).status, 0);
  ASSERT_EQ(::mkfifo(dir.file("tube").c_str(), 0600), 0);
  std::thread writer([&] {
    const std::string text = dir.read("a.dxf");
    const int fd = ::open(dir.file("tube").c_str(), O_WRONLY);
    if (fd < 0) return;
    for (size_t done = 0; done < text.size();) {
      const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
      if (n <= 0) break;
      done += static_cast<size_t>(n);
    }
    ::close(fd);
  });
  const CadhostRun piped =
      run({"--drawing", "tube", "-e", "(princ (cdr (assoc 10 (entget (entlast)))))"});
  // Lets the writer go should cadhost never have opened the pipe.
  const int unblock = ::open(dir.file("tube").c_str(), O_RDONLY | O_NONBLOCK);
  writer.join();
  if (unblock >= 0) ::close(unblock);
  EXPECT_EQ(piped.status, 0) << piped.err;
  EXPECT_NE(piped.out.find("(1.0 2.0 3.0)"), std::string::npos) << piped.out << piped.err;

  const CadhostRun zero = run({"--drawing", "/dev/zero", "-e", "(princ)"});
  EXPECT_EQ(zero.status, 2);
  EXPECT_NE(zero.err.find("/dev/zero: ligne 1: ligne trop longue (plus de 4 Mio)"),
            std::string::npos)
      << zero.err;
}

TEST_F(CadhostFiles, ASaveKeepsPermissionsLinksAndTheUsersFiles) {
  dir.write("prive.dxf", "");
  ::chmod(dir.file("prive.dxf").c_str(), 0600);
  fs::create_directories(dir.file("plans"));
  dir.write("plans/vrai.dxf", "");
  fs::create_symlink("plans/vrai.dxf", dir.file("lien.dxf"));
  dir.write("prive.dxf.tmp", "à moi");

  ASSERT_EQ(run({"--save", "prive.dxf", "-e", kPoint}).status, 0);
  EXPECT_EQ(modeOf(dir.file("prive.dxf")), 0600u);
  EXPECT_NE(dir.read("prive.dxf").find("POINT"), std::string::npos);
  EXPECT_EQ(dir.read("prive.dxf.tmp"), "à moi");

  // The SAVEAS command saves the same way.
  ASSERT_EQ(run({"-e", kPoint, "-e", "(command \"_.SAVEAS\" \"lien.dxf\" \"O\")"}).status, 0);
  EXPECT_TRUE(fs::is_symlink(dir.file("lien.dxf")));
  EXPECT_NE(dir.read("plans/vrai.dxf").find("POINT"), std::string::npos);
}

}  // namespace
