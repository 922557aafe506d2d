// An installation in a scratch directory with the updater program in it, under the name Talvex
// starts it by, and an update directory beside it.
#pragma once
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "run_cadhost.h"

struct SortieUlbrec {
  int statut = -1;
  std::string sortie, erreurs;
};

class InstallationEssai {
 public:
  // "inst" holds the updater and the local files (installed `installee`, root 2 "r2"); "maj"
  // is the update directory publishing `disponible`.
  InstallationEssai(const std::string& installee, const std::string& disponible) {
    namespace fs = std::filesystem;
    fs::create_directories(dir.file("inst"));
    fs::create_directories(dir.file("maj"));
    fs::create_directories(dir.file("r2"));
    fs::copy_file(TEST_BINARY_DIR "/bin/ulbrec", dir.file("inst/kx42.exe"));
    dir.write("inst/talvex-version.inf", installee + "\n" + dir.file("r2") + "\n");
    dir.write("inst/talvex-support.inf", dir.file("maj") + "\n");
    dir.write("maj/talvex-version.inf", disponible + "\n");
  }

  // Runs the updater from another directory, without a terminal.
  SortieUlbrec lance(const std::vector<std::string>& options) const {
    const std::string sortie = dir.file("sortie.txt"), erreurs = dir.file("erreurs.txt");
    const std::string programme = dir.file("inst/kx42.exe");
    const pid_t pid = fork();
    if (pid == 0) {
      if (chdir(dir.path().c_str()) != 0) _exit(127);
      dup2(open("/dev/null", O_RDONLY), 0);
      dup2(open(sortie.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
      dup2(open(erreurs.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
      std::vector<std::string> args{programme};
      args.insert(args.end(), options.begin(), options.end());
      std::vector<char*> argv;
      for (std::string& a : args) argv.push_back(a.data());
      argv.push_back(nullptr);
      execv(programme.c_str(), argv.data());
      _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    SortieUlbrec s;
    s.statut = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    s.sortie = dir.read("sortie.txt");
    s.erreurs = dir.read("erreurs.txt");
    return s;
  }

  // The names in a directory of the scratch directory, sorted.
  std::vector<std::string> contenu(const std::string& dossier) const {
    std::vector<std::string> noms;
    for (const auto& e : std::filesystem::directory_iterator(dir.file(dossier)))
      noms.push_back(e.path().filename().string());
    std::sort(noms.begin(), noms.end());
    return noms;
  }

  ScratchDir dir;
};
