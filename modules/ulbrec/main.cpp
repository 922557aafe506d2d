// Ulbrec, the updater program: it lies in the installation directory and works there. Its
// dialogs are shown on the terminal and answered there; without a terminal, from the
// command line's answers.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <string_view>

#include "base/answers.h"
#include "base/context.h"
#include "platform.h"
#include "update/fichiers_maj.h"
#include "update/ulbrec.h"

namespace {

constexpr const char* kUsage =
    "usage: ulbrec [--mise-a-jour | --plus-tard [--ne-plus-proposer]] [--confirmer | "
    "--annuler]\n"
    "  --mise-a-jour       répond 'Mise à jour' à l'offre de mise à jour\n"
    "  --plus-tard         répond 'Plus tard' à l'offre\n"
    "  --ne-plus-proposer  coche 'Ne plus me proposer de mise à jour' (avec --plus-tard)\n"
    "  --confirmer         répond OK à la confirmation, --annuler 'Annule'\n"
    "Sur un terminal, une question sans réponse donnée est posée ; sinon elle est fermée.\n";

// The program's session: its command line is standard output, its user the terminal.
class SessionUlbrec : public host::Context {
 public:
  SessionUlbrec() { user_.setInteractive(::isatty(STDIN_FILENO) && ::isatty(STDOUT_FILENO)); }
  void print(std::string_view texte) override {
    std::fwrite(texte.data(), 1, texte.size(), stdout);
    std::fflush(stdout);
  }
  host::ScriptedUser& user() override { return user_; }
  host::SysVars* currentVars() override { return nullptr; }
  std::vector<std::string> moduleDirectories() const override { return {}; }

 private:
  host::ScriptedUser user_;
};

bool litOptions(int argc, char** argv, maj::REPONSES_ULBREC& reponses) {
  bool nePlusProposer = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view o = argv[i];
    if (o == "--mise-a-jour" && !reponses.offre)
      reponses.offre = maj::REPONSE_OFFRE{maj::ChoixOffre::kMiseAJour, false};
    else if (o == "--plus-tard" && !reponses.offre)
      reponses.offre = maj::REPONSE_OFFRE{maj::ChoixOffre::kPlusTard, false};
    else if (o == "--ne-plus-proposer")
      nePlusProposer = true;
    else if (o == "--confirmer" && !reponses.confirmation)
      reponses.confirmation = true;
    else if (o == "--annuler" && !reponses.confirmation)
      reponses.confirmation = false;
    else
      return false;
  }
  if (nePlusProposer) {
    if (!reponses.offre || reponses.offre->choix != maj::ChoixOffre::kPlusTard) return false;
    reponses.offre->nePlusProposer = true;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    maj::REPONSES_ULBREC reponses;
    if (!litOptions(argc, argv, reponses)) {
      std::fputs(kUsage, stderr);
      return 2;
    }
    SessionUlbrec session;
    host::ContextInstallation installation(&session);
    // Root 1 of the update scripts, ".", is the installation directory.
    const std::string dossier = maj::dossierDe(platform::programPath());
    if (!platform::setCurrentDirectory(dossier)) {
      std::fprintf(stderr, "ulbrec: dossier d'installation inaccessible <%s>\n", dossier.c_str());
      return 1;
    }
    maj::DIALOGUES_ULBREC dialogues(reponses);
    return maj::executeUlbrec(dossier, dialogues);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "ulbrec: %s\n", e.what());
  } catch (...) {
    std::fputs("ulbrec: erreur inattendue\n", stderr);
  }
  return 1;
}
