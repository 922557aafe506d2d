#include "dem/dialogue_dremet.h"

#include <cstdio>
#include <string>

#include "acedads.h"
#include "adsdlg.h"
#include "dem/dialogue_bandes.h"
#include "dem/etat_dremet.h"
#include "dem/lecture_dalles.h"
#include "dem/tuiles.h"

namespace dem {
namespace {

int idOuvert = 0;

std::string chiffres11(double v) {
  char texte[40];
  std::snprintf(texte, sizeof texte, "%.11g", v);
  return texte;
}

void remplir(ads_hdlg h) {
  const EtatDremet& e = etatDremet();
  poserTuile(h, "dirz", e.repertoire);
  poserTuile(h, "extz", e.extension);
  poserTuile(h, "x1", chiffres11(e.fenetre.x1));
  poserTuile(h, "y1", chiffres11(e.fenetre.y1));
  poserTuile(h, "x2", chiffres11(e.fenetre.x2));
  poserTuile(h, "y2", chiffres11(e.fenetre.y2));
  poserTuile(h, "col", std::to_string(e.taille.colonnes));
  poserTuile(h, "rang", std::to_string(e.taille.rangees));
}

// The callback's value is the tile's whole text, longer than any buffer of ours.
void surRepertoire(ads_callback_packet* p) {
  if (p->value) etatDremet().repertoire = p->value;
}

void surExtension(ads_callback_packet* p) {
  if (p->value) etatDremet().extension = p->value;
}

void surCouleurs(ads_callback_packet*) { dialogueBandes(idOuvert); }

void surFenetre(ads_callback_packet* p) { ads_done_dialog(p->dialog, kFenetre); }

// A drawing action ends the dialog only when the first data file opens.
template <int kStatut>
void surTrace(ads_callback_packet* p) {
  const EtatDremet& e = etatDremet();
  if (!lisible(nomDalle(e.repertoire + "/", 1, e.extension))) {
    poserTuile(p->dialog, "error", "Répertoire inexistant.");
    return;
  }
  poserTuile(p->dialog, "error", "");
  ads_done_dialog(p->dialog, kStatut);
}

void choisirFenetre() {
  ads_point bas = {0, 0, 0}, haut = {0, 0, 0};
  if (acedGetPoint(nullptr, "\n POINT BAS GAUCHE", bas) != RTNORM) return;
  if (acedGetCorner(bas, "\n POINT HAUT DROIT", haut) != RTNORM) return;
  EtatDremet& e = etatDremet();
  e.fenetre = Coins{bas[0], bas[1], haut[0], haut[1]}.ordonnes();
  e.fenetreDefinie = true;
  e.taille = limiter(e.fenetre);
}

}  // namespace

int dialogueDremet(int idDcl) {
  idOuvert = idDcl;
  int statut = kFenetre;
  while (statut == kFenetre) {
    ads_hdlg h = nullptr;
    if (ads_new_dialog("dremet", idDcl, NULLCB, &h) != RTNORM || !h) return kArret;
    remplir(h);
    ads_action_tile(h, "dirz", surRepertoire);
    ads_action_tile(h, "extz", surExtension);
    ads_action_tile(h, "tbc", surCouleurs);
    ads_action_tile(h, "fene", surFenetre);
    ads_action_tile(h, "face", surTrace<kFaces>);
    ads_action_tile(h, "ligne", surTrace<kLignes>);
    ads_action_tile(h, "virtu", surTrace<kVecteurs>);
    ads_action_tile(h, "point", surTrace<kPoints>);
    ads_action_tile(h, "poly3d", surTrace<kPolyligne>);
    statut = kArret;
    ads_start_dialog(h, &statut);
    if (statut == kFenetre) choisirFenetre();
  }
  return statut;
}

}  // namespace dem
