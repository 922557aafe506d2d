// The updater's dialogs on this platform: shown on the command line of the session (the
// terminal), answered by the person at it when there is one, else from the answers the
// program was given; the progress window is the terminal's progress bar.
#pragma once
#include <optional>
#include <string>

#include "update/rapport_script.h"

namespace maj {

enum class ChoixOffre { kMiseAJour, kPlusTard, kFermee };

struct REPONSE_OFFRE {
  ChoixOffre choix = ChoixOffre::kFermee;
  bool nePlusProposer = false;  // the check box
};

// Answers given in advance, each for its own dialog.
struct REPONSES_ULBREC {
  std::optional<REPONSE_OFFRE> offre;
  std::optional<bool> confirmation;  // OK or "Annule"
};

class DIALOGUES_ULBREC : public RAPPORT_SCRIPT {
 public:
  explicit DIALOGUES_ULBREC(REPONSES_ULBREC reponses) : reponses_(std::move(reponses)) {}
  ~DIALOGUES_ULBREC() override { fermeProgression(); }

  // "Mise à jour automatique de TALVEX": the version found and where.
  REPONSE_OFFRE offre(const std::string& version, const std::string& paquet);
  // The "Confirmation" dialog: true for OK.
  bool confirmation(const std::string& titre, const std::string& texte);
  // The message dialog, one "OK" button.
  void boite(const std::string& titre, const std::string& texte) override;
  void erreur(const std::string& ligne) override;

  // The progress window ("Patientez..."), moving with the files copied out of `attendus`.
  void ouvreProgression(size_t attendus);
  void fichierCopie() override;
  void fermeProgression();

 private:
  void dessineProgression();

  REPONSES_ULBREC reponses_;
  bool progressionOuverte_ = false;
  size_t attendus_ = 0, copies_ = 0;
};

}  // namespace maj
