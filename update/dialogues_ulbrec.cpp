#include "update/dialogues_ulbrec.h"

#include <strings.h>

#include <algorithm>
#include <iostream>

#include "base/answers.h"
#include "base/ask.h"
#include "base/context.h"
#include "base/progress_bar.h"
#include "platform.h"

namespace maj {
namespace {

constexpr const char* kCaseNePlusProposer =
    "Ne plus me proposer de mise à jour - je contacterai le responsable lorsque je souhaiterai "
    "la faire";

bool egal(const std::string& a, const char* b) { return strcasecmp(a.c_str(), b) == 0; }

// Asks with an answer given in advance put first in the queue, so that nothing else takes it.
host::Answer demande(const std::string& invite, std::optional<std::string> avance) {
  if (avance) {
    host::Answer a;
    a.kind = host::Answer::Text;
    a.text = *avance;
    host::context().user().push(std::move(a));
  }
  return host::askUser(invite);
}

std::optional<std::string> texteOffre(const std::optional<REPONSE_OFFRE>& r) {
  if (!r || r->choix == ChoixOffre::kFermee) return std::nullopt;
  return r->choix == ChoixOffre::kMiseAJour ? "Mise à jour" : "Plus tard";
}

}  // namespace

REPONSE_OFFRE DIALOGUES_ULBREC::offre(const std::string& version, const std::string& paquet) {
  host::Context& c = host::context();
  c.print("[dialogue] Mise à jour automatique de TALVEX\n");
  c.print("  *** Une nouvelle version de TALVEX vient d'être détectée ***\n");
  c.print("  Version détectée : " + version + "\n");
  c.print("  sur : " + paquet + "\n");
  c.print("  Si vous souhaitez remettre à plus tard la mise à jour, cliquez sur 'Plus tard'\n");
  c.print(
      "  Pour effectuer la mise à jour, quittez tous vos applicatifs TALVEX ouverts, puis "
      "cliquez sur le bouton 'Mise à jour'\n");
  c.print("  [ ] " + std::string(kCaseNePlusProposer) + "\n");
  c.print(
      "  [Mise à jour] Effectuer la mise à jour    [Plus tard] Ne pas effectuer la mise à jour\n");

  REPONSE_OFFRE reponse;
  const host::Answer bouton = demande("Mise à jour ou Plus tard ? ", texteOffre(reponses_.offre));
  if (bouton.kind != host::Answer::Text) return reponse;  // Escape closes the window
  if (egal(bouton.text, "Mise à jour") || egal(bouton.text, "mise_a_jour")) {
    reponse.choix = ChoixOffre::kMiseAJour;
  } else if (egal(bouton.text, "Plus tard") || egal(bouton.text, "plus_tard")) {
    reponse.choix = ChoixOffre::kPlusTard;
    std::optional<std::string> coche;
    if (reponses_.offre) coche = reponses_.offre->nePlusProposer ? "Oui" : "Non";
    const host::Answer a = demande(std::string(kCaseNePlusProposer) + " ? (Oui/Non) ", coche);
    reponse.nePlusProposer = a.kind == host::Answer::Text && egal(a.text, "Oui");
  } else {
    c.print("[dialogue] pas de bouton \"" + bouton.text + "\", fenêtre fermée\n");
  }
  return reponse;
}

bool DIALOGUES_ULBREC::confirmation(const std::string& titre, const std::string& texte) {
  host::context().print("[dialogue] " + titre + ": " + texte + " [OK/Annule]\n");
  std::optional<std::string> avance;
  if (reponses_.confirmation) avance = *reponses_.confirmation ? "OK" : "Annule";
  const host::Answer a = demande("OK ou Annule ? ", avance);
  // Enter presses the default button, OK.
  return a.kind == host::Answer::Enter || (a.kind == host::Answer::Text && egal(a.text, "OK"));
}

void DIALOGUES_ULBREC::boite(const std::string& titre, const std::string& texte) {
  // Nobody to press OK: the box is shown and goes.
  if (!host::context().user().interactive()) host::context().user().push(host::Answer{});
  const bool barre = progressionOuverte_;
  if (barre) host::eraseProgressLine();
  platform::messageBox(nullptr, texte.c_str(), titre.c_str(), MB_OK);
  if (barre) dessineProgression();
}

void DIALOGUES_ULBREC::erreur(const std::string& ligne) {
  if (progressionOuverte_) host::eraseProgressLine();
  std::cerr << ligne << std::endl;
  if (progressionOuverte_) dessineProgression();
}

void DIALOGUES_ULBREC::ouvreProgression(size_t attendus) {
  progressionOuverte_ = true;
  attendus_ = attendus;
  copies_ = 0;
  dessineProgression();
}

void DIALOGUES_ULBREC::fichierCopie() {
  ++copies_;
  if (progressionOuverte_) dessineProgression();
}

void DIALOGUES_ULBREC::fermeProgression() {
  if (!progressionOuverte_) return;
  progressionOuverte_ = false;
  host::eraseProgressLine();
}

void DIALOGUES_ULBREC::dessineProgression() {
  const size_t position = attendus_ == 0 ? 255 : std::min<size_t>(255, copies_ * 255 / attendus_);
  host::drawProgressLine(
      host::progressLine("Patientez...", "Traitement en cours...", static_cast<int>(position)));
}

}  // namespace maj
