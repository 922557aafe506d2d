#include "tools3d/dialogue_decale.h"

#include <locale.h>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>

#include "acedads.h"
#include "adsdlg.h"
#include "framework/programmes_externes.h"
#include "platform.h"
#include "tools3d/symboles.h"

namespace tools3d {

namespace {

ETAT_DECALAGE* etatCourant = nullptr;

std::string texte3(double v) {
  char tampon[64];
  const auto r = std::to_chars(tampon, tampon + sizeof tampon, v, std::chars_format::fixed, 3);
  return r.ec == std::errc() ? std::string(tampon, r.ptr) : std::string("0.000");
}

void poseNombre(ads_hdlg h, const char* cle, double v) { ads_set_tile(h, cle, texte3(v).c_str()); }

void ecritPoints(ads_hdlg h, const ETAT_DECALAGE& e) {
  const char* const cles[2][3] = {{"xsom1", "ysom1", "zsom1"}, {"xsom2", "ysom2", "zsom2"}};
  for (int i = 0; i < 3; ++i) {
    poseNombre(h, cles[0][i], e.debut[i]);
    poseNombre(h, cles[1][i], e.fin[i]);
  }
}

// The edit boxes: a wrong number keeps the previous value, with a message;
// the box then shows the value kept.
void champNombre(ads_callback_packet* p, double& valeur, const char* cle, const char* erreur) {
  ads_set_tile(p->dialog, "error", "");
  if (!lisNombreTuile(p->value, valeur)) ads_set_tile(p->dialog, "error", erreur);
  poseNombre(p->dialog, cle, valeur);
}

void actionDistance(ads_callback_packet* p) {
  champNombre(p, reglagesDecalage().distance, "didec", "Distance erronée.");
}
void actionDeltaZ1(ads_callback_packet* p) {
  champNombre(p, reglagesDecalage().deltaZ1, "deltaz1", "Delta Z erroné.");
}
void actionDeltaZ2(ads_callback_packet* p) {
  champNombre(p, reglagesDecalage().deltaZ2, "deltaz2", "Delta Z erroné.");
}

void actionTotal(ads_callback_packet* p) {
  ETAT_DECALAGE& e = *etatCourant;
  if (e.entier) return;
  e.entier = true;
  e.debut = e.sommets.front();
  e.fin = e.sommets.back();
  ecritPoints(p->dialog, e);
  ads_mode_tile(p->dialog, "saisie", MODE_DISABLE);
}

void actionPartiel(ads_callback_packet* p) {
  ETAT_DECALAGE& e = *etatCourant;
  if (!e.entier) return;
  e.entier = false;
  ads_mode_tile(p->dialog, "saisie", MODE_ENABLE);
}

void actionSaisie(ads_callback_packet* p) { ads_done_dialog(p->dialog, kStatutSaisie); }
void actionAccepte(ads_callback_packet* p) { ads_done_dialog(p->dialog, DLGOK); }
void actionAnnule(ads_callback_packet* p) { ads_done_dialog(p->dialog, DLGCANCEL); }

// Our help is an HTML document beside the compiled-help name the road
// programs know ("brenix.chm" becomes "brenix.html"), opened with the
// application the system associates with it.
void actionAide(ads_callback_packet*) {
  const std::optional<std::string> dossier = texteSymbole("CHEMHLP");
  if (!dossier) return;
  const std::string document = *dossier + "brenix.html";
  const std::string application = framework::applicationAssociee(document);
  if (application.empty()) return;
  const std::string ligne = "\"" + application + "\" \"" + document + "\"";
  if (!platform::startCommandLine(ligne, false).started)
    acutPrintf("\n Erreur d'ouverture de l'aide <%s>", document.c_str());
}

}  // namespace

REGLAGES_DECALAGE& reglagesDecalage() {
  static REGLAGES_DECALAGE reglages;
  return reglages;
}

bool lisNombreTuile(const char* texte, double& valeur) {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  if (!texte) texte = "";
  char* fin = nullptr;
  const double v = c ? strtod_l(texte, &fin, c) : std::strtod(texte, &fin);
  if (*fin != '\0' || !std::isfinite(v)) return false;
  valeur = v;
  return true;
}

int afficheDialogueDecale(int dcl, ETAT_DECALAGE& e) {
  ads_hdlg h = nullptr;
  if (ads_new_dialog("decale", dcl, NULLCB, &h) != RTNORM || !h) return -1;
  etatCourant = &e;
  const REGLAGES_DECALAGE& r = reglagesDecalage();
  poseNombre(h, "lgd", e.longueur3D);
  poseNombre(h, "lgp", e.longueurPlan);
  ads_set_tile(h, "plp3d", e.calque.c_str());
  ads_set_tile(h, "nbrsom", std::to_string(e.sommets.size()).c_str());
  ecritPoints(h, e);
  poseNombre(h, "didec", r.distance);
  poseNombre(h, "deltaz1", r.deltaZ1);
  poseNombre(h, "deltaz2", r.deltaZ2);
  ads_set_tile(h, e.entier ? "total" : "partiel", "1");
  ads_mode_tile(h, "saisie", e.entier ? MODE_DISABLE : MODE_ENABLE);
  ads_mode_tile(h, "didec", MODE_SETFOCUS);
  ads_action_tile(h, "didec", actionDistance);
  ads_action_tile(h, "deltaz1", actionDeltaZ1);
  ads_action_tile(h, "deltaz2", actionDeltaZ2);
  ads_action_tile(h, "total", actionTotal);
  ads_action_tile(h, "partiel", actionPartiel);
  ads_action_tile(h, "saisie", actionSaisie);
  ads_action_tile(h, "accept", actionAccepte);
  ads_action_tile(h, "cancel", actionAnnule);
  ads_action_tile(h, "help", actionAide);
  int statut = DLGCANCEL;
  if (ads_start_dialog(h, &statut) != RTNORM) statut = -1;
  etatCourant = nullptr;
  return statut;
}

}  // namespace tools3d
