// Any bytes run as an update script in a scratch directory of its own: root 1 and root 2 with
// a few files, and beside them a directory that the roots reach only through symbolic links.
// The interpreter must never crash, and nothing outside the roots may change.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "update/interpreteur_script.h"

namespace fs = std::filesystem;

namespace {

class RapportMuet : public maj::RAPPORT_SCRIPT {
 public:
  void boite(const std::string&, const std::string&) override {}
  void erreur(const std::string&) override {}
};

fs::path& base() {
  static fs::path b;
  return b;
}

void ecrit(const fs::path& chemin, const std::string& texte) {
  std::ofstream(chemin, std::ios::binary) << texte;
}

std::string lit(const fs::path& chemin) {
  std::ifstream flux(chemin, std::ios::binary);
  std::stringstream s;
  s << flux.rdbuf();
  return s.str();
}

// The roots as each run finds them; the outside as it must stay.
void prepare() {
  std::error_code ec;
  for (const char* racine : {"r1", "r2"}) {
    fs::permissions(base() / racine, fs::perms::all, ec);
    fs::remove_all(base() / racine, ec);
  }
  fs::create_directories(base() / "r1" / "sous" / "bas");
  fs::create_directories(base() / "r2");
  ecrit(base() / "r1" / "a.txt", "a");
  ecrit(base() / "r1" / "sous" / "b.txt", "b");
  ecrit(base() / "r1" / "sous" / "bas" / "c.txt", "c");
  ecrit(base() / "r2" / "d.txt", "d");
  fs::create_symlink(base() / "dehors", base() / "r1" / "lien", ec);
  fs::create_symlink("../dehors/temoin", base() / "r1" / "sous" / "lienfichier", ec);
  fs::create_symlink("../dehors/nouveau", base() / "r2" / "pendant", ec);
}

void verifieDehors() {
  size_t n = 0;
  for (const auto& e : fs::directory_iterator(base() / "dehors")) {
    (void)e;
    ++n;
  }
  if (n != 1 || lit(base() / "dehors" / "temoin") != "temoin") __builtin_trap();
  for (const auto& e : fs::directory_iterator(base())) {
    const std::string nom = e.path().filename().string();
    if (nom != "r1" && nom != "r2" && nom != "dehors") __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::string modele = (fs::temp_directory_path() / "fuzz-script-maj-XXXXXX").string();
  if (!::mkdtemp(modele.data())) std::abort();
  base() = modele;
  fs::create_directories(base() / "dehors");
  ecrit(base() / "dehors" / "temoin", "temoin");
  std::atexit([] {
    std::error_code ec;
    fs::remove_all(base(), ec);
  });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
  prepare();
  // Both roots absolute: a relative path is never valid, wherever the fuzzer runs.
  const maj::RACINES racines{(base() / "r1").string(), (base() / "r2").string()};
  std::istringstream script(std::string(reinterpret_cast<const char*>(donnees), taille));
  RapportMuet rapport;
  int statut = -1;
  std::vector<std::string> journal;
  maj::executeScript(script, racines, rapport, &statut, &journal);
  if (statut != 0 && statut != 1) __builtin_trap();
  if (statut == 1 && !journal.empty()) __builtin_trap();
  verifieDehors();
  return 0;
}
