#include "framework/fenetre_progression.h"

#include <charconv>
#include <cmath>

namespace framework {
namespace {

constexpr size_t kLongueurInformation = 100;

std::string_view motSuivant(std::string_view& texte) {
  while (!texte.empty() && static_cast<unsigned char>(texte.front()) <= ' ') texte.remove_prefix(1);
  size_t n = 0;
  while (n < texte.size() && static_cast<unsigned char>(texte[n]) > ' ') ++n;
  const std::string_view mot = texte.substr(0, n);
  texte.remove_prefix(n);
  return mot;
}

bool nombreSuivant(std::string_view& texte, double& valeur) {
  const std::string_view mot = motSuivant(texte);
  if (mot.empty()) return false;
  const auto r = std::from_chars(mot.data(), mot.data() + mot.size(), valeur);
  return r.ec == std::errc() && r.ptr == mot.data() + mot.size() && std::isfinite(valeur);
}

}  // namespace

int positionProgression(double valeur, double bas, double haut) {
  const double etendue = haut == bas ? 1.0 : haut - bas;
  const double position = (valeur - bas) / etendue * 255.0 + 0.5;
  // Clamped before the conversion: a value far out of range must not overflow the int.
  if (!(position > 0)) return 0;
  if (position >= 255) return 255;
  return static_cast<int>(position);
}

ECOUTE_PROGRESSION::ECOUTE_PROGRESSION(std::string identifiant, AcUiDialog& fenetre,
                                       std::string controle)
    : ECOUTE_MESSAGE("PRGS", std::move(identifiant)),
      fenetre_(fenetre),
      controle_(std::move(controle)) {}

bool ECOUTE_PROGRESSION::fenetreExiste() const { return fenetre_.isShown(); }

void ECOUTE_PROGRESSION::agit(std::string_view reste) {
  const std::string_view action = motSuivant(reste);
  if (action == "I") {
    double bas, haut;
    if (!nombreSuivant(reste, bas) || !nombreSuivant(reste, haut)) return;
    bas_ = bas;
    haut_ = haut;
    // The bar itself always runs from 0 to 255; positions are scaled into it.
  } else if (action == "P") {
    double valeur;
    if (!nombreSuivant(reste, valeur)) return;
    fenetre_.setProgress(controle_.c_str(), positionProgression(valeur, bas_, haut_));
  }
}

ECOUTE_INFORMATION::ECOUTE_INFORMATION(std::string identifiant, AcUiDialog& fenetre,
                                       std::string controle)
    : ECOUTE_MESSAGE("INFO", std::move(identifiant)),
      fenetre_(fenetre),
      controle_(std::move(controle)) {}

bool ECOUTE_INFORMATION::fenetreExiste() const { return fenetre_.isShown(); }

void ECOUTE_INFORMATION::agit(std::string_view reste) {
  // The blank between the identifier and the text goes.
  if (!reste.empty()) reste.remove_prefix(1);
  reste = reste.substr(0, reste.find_first_of("\r\n"));
  const std::string texte(reste.substr(0, kLongueurInformation));
  fenetre_.setText(controle_.c_str(), texte.c_str());
}

FENETRE_PROGRESSION::FENETRE_PROGRESSION(std::string identifiant)
    : identifiant_(std::move(identifiant)),
      dialogue_(kRessourceFenetreProgression, "Patientez..."),
      progression_(identifiant_, dialogue_, kControleBarre),
      information_(identifiant_, dialogue_, kControleTexte) {
  dialogue_.addLabel(kControleTexte, "Traitement en cours...");
  dialogue_.addProgress(kControleBarre);
  dialogue_.create();
}

FENETRE_PROGRESSION::~FENETRE_PROGRESSION() { dialogue_.destroy(); }

}  // namespace framework
