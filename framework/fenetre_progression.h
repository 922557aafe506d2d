// The progress window: a modeless dialog with a text and a progress bar,
// driven by the "@(PRGS ...)" and "@(INFO ...)" messages of the error stream
// that carry its identifier.
//
// The window of the original platform also loops the animation "anim.avi"
// (an AVI resource of the module); the host's dialogs have no animation
// control, so this window shows none.
#pragma once
#include <string>
#include <string_view>

#include "acuidialog.h"
#include "framework/message_stream.h"

namespace framework {

constexpr int kRessourceFenetreProgression = 178;
constexpr const char* kControleTexte = "texte";
constexpr const char* kControleBarre = "barre";

// The bar's position (0 to 255) for `valeur` within the range [bas, haut];
// an empty range divides by 1.
int positionProgression(double valeur, double bas, double haut);

// Drives a progress bar: "I low high" sets the range, "P value" the position.
class ECOUTE_PROGRESSION : public ECOUTE_MESSAGE {
 public:
  ECOUTE_PROGRESSION(std::string identifiant, AcUiDialog& fenetre, std::string controle);
  double bas() const { return bas_; }
  double haut() const { return haut_; }

 protected:
  bool fenetreExiste() const override;
  void agit(std::string_view reste) override;

 private:
  AcUiDialog& fenetre_;
  std::string controle_;
  double bas_ = 0, haut_ = 1;
};

// Drives a text control: the rest of the message, at most 100 characters.
class ECOUTE_INFORMATION : public ECOUTE_MESSAGE {
 public:
  ECOUTE_INFORMATION(std::string identifiant, AcUiDialog& fenetre, std::string controle);

 protected:
  bool fenetreExiste() const override;
  void agit(std::string_view reste) override;

 private:
  AcUiDialog& fenetre_;
  std::string controle_;
};

// Shown from construction to destruction.
class FENETRE_PROGRESSION {
 public:
  explicit FENETRE_PROGRESSION(std::string identifiant);
  ~FENETRE_PROGRESSION();
  FENETRE_PROGRESSION(const FENETRE_PROGRESSION&) = delete;
  FENETRE_PROGRESSION& operator=(const FENETRE_PROGRESSION&) = delete;

  const std::string& identifiant() const { return identifiant_; }
  bool ouverte() const { return dialogue_.isShown(); }
  int position() const { return dialogue_.progress(kControleBarre); }
  std::string texte() const { return dialogue_.text(kControleTexte); }
  const AcUiDialog& dialogue() const { return dialogue_; }

 private:
  std::string identifiant_;
  AcUiDialog dialogue_;
  ECOUTE_PROGRESSION progression_;
  ECOUTE_INFORMATION information_;
};

}  // namespace framework
