#include "dem/dialogue_bandes.h"

#include <algorithm>
#include <string>
#include <utility>

#include "acedads.h"
#include "adsdlg.h"
#include "dem/etat_dremet.h"
#include "dem/tuiles.h"

namespace dem {
namespace {

// The opening of the dialog that the actions work on (dialogs are modal:
// one at a time).
struct Ouverture {
  int idDcl = 0;
  ads_hdlg h = nullptr;
  TableBandes copie{};
  int dernier = -1, avant = -1;  // the last two bands whose colour was edited
};
Ouverture* ouverte = nullptr;

std::string cle(const char* prefixe, int n) { return prefixe + std::to_string(n); }

void remplirNuancier(int n) {
  const std::string k = cle("ima", n);
  short w = 0, h = 0;
  if (ads_dimensions_tile(ouverte->h, k.c_str(), &w, &h) != RTNORM) return;
  if (ads_start_image(ouverte->h, k.c_str()) != RTNORM) return;
  ads_fill_image(0, 0, w, h, ouverte->copie[n].couleur);
  ads_end_image();
}

void montrerCouleur(int n) {
  poserTuile(ouverte->h, cle("col", n), std::to_string(ouverte->copie[n].couleur));
  remplirNuancier(n);
}

void couleurChoisie(int n, int couleur) {
  ouverte->copie[n].couleur = couleur;
  montrerCouleur(n);
  ouverte->avant = ouverte->dernier;
  ouverte->dernier = n;
}

void effacerErreur() { poserTuile(ouverte->h, "error", ""); }

// The host's colour dialog, from the band's colour; nothing when cancelled.
std::optional<int> choisirCouleur(int initiale) {
  resbuf nil{};
  nil.restype = RTNIL;
  resbuf valeur{};
  valeur.restype = RTSHORT;
  valeur.resval.rint = static_cast<short>(std::clamp(initiale, 0, 256));
  valeur.rbnext = &nil;
  resbuf nom{};
  nom.restype = RTSTR;
  nom.resval.rstring = const_cast<char*>("acad_colordlg");
  nom.rbnext = &valeur;
  resbuf* resultat = nullptr;
  std::optional<int> choisie;
  if (acedInvoke(&nom, &resultat) == RTNORM && resultat) {
    if (resultat->restype == RTSHORT) choisie = resultat->resval.rint;
    if (resultat->restype == RTLONG) choisie = resultat->resval.rlong;
  }
  if (resultat) acutRelRb(resultat);
  return choisie;
}

void surNuancier(ads_callback_packet* p) {
  const auto n = bandeAppelante(p, "ima");
  if (!n) return;
  effacerErreur();
  const int initiale = static_cast<int>(entier(lireTuile(ouverte->h, cle("col", *n))).value_or(0));
  if (const auto c = choisirCouleur(initiale)) couleurChoisie(*n, *c);
}

void surCouleur(ads_callback_packet* p) {
  const auto n = bandeAppelante(p, "col");
  if (!n) return;
  effacerErreur();
  const auto c = entier(p->value ? p->value : "");
  if (!c || *c < 1 || *c > 256) {
    poserTuile(ouverte->h, "error", "Mauvaise couleur.");
    poserTuile(ouverte->h, cle("col", *n), std::to_string(ouverte->copie[*n].couleur));
    return;
  }
  couleurChoisie(*n, static_cast<int>(*c));
}

void surAltitude(ads_callback_packet* p) {
  const auto n = bandeAppelante(p, "alti");
  if (!n) return;
  effacerErreur();
  const auto z = entier(p->value ? p->value : "");
  if (!z || *z == 0 || *z < INT32_MIN || *z > INT32_MAX) {
    poserTuile(ouverte->h, "error", "Mauvaise altitude.");
    poserTuile(ouverte->h, cle("alti", *n), std::to_string(ouverte->copie[*n].borne));
    return;
  }
  ouverte->copie[*n].borne = static_cast<int32_t>(*z);
}

void surDegrade(ads_callback_packet*) {
  if (!degrade(ouverte->copie)) {
    acedAlert(kMessageDegrade);
    return;
  }
  for (int n = 1; n < kNombreBandes; ++n) montrerCouleur(n);
}

void surDegrade2(ads_callback_packet*) {
  const int a = ouverte->avant < 0 ? 0 : ouverte->avant;
  const int b = ouverte->dernier < 0 ? kNombreBandes - 1 : ouverte->dernier;
  degradeEntre(ouverte->copie, a, b);
  for (int n = a + 1; n < b; ++n) montrerCouleur(n);
}

// The small dialog of the regular steps.
struct SaisiePas {
  PasAltitude lu;
};
SaisiePas* saisie = nullptr;

void surPasAccepte(ads_callback_packet* p) {
  const char* cles[3] = {"altimin", "pasinter", "altimax"};
  int64_t v[3];
  for (int i = 0; i < 3; ++i) {
    const auto x = entier(lireTuile(p->dialog, cles[i]));
    if (!x || *x < INT32_MIN || *x > INT32_MAX) {
      acedAlert("Remplissez toutes les zones");
      return;
    }
    v[i] = *x;
  }
  saisie->lu = {static_cast<int32_t>(v[0]), static_cast<int32_t>(v[1]), static_cast<int32_t>(v[2])};
  ads_done_dialog(p->dialog, DLGOK);
}

void surPasAltitude(ads_callback_packet*) {
  EtatDremet& e = etatDremet();
  if (e.pasAltitude.pas == -1) e.pasAltitude = pasInitial(ouverte->copie);
  ads_hdlg h = nullptr;
  if (ads_new_dialog("pasalti", ouverte->idDcl, NULLCB, &h) != RTNORM || !h) return;
  poserTuile(h, "altimin", std::to_string(e.pasAltitude.bas));
  poserTuile(h, "pasinter", std::to_string(e.pasAltitude.pas));
  poserTuile(h, "altimax", std::to_string(e.pasAltitude.haut));
  SaisiePas s;
  saisie = &s;
  ads_action_tile(h, "accept", surPasAccepte);
  int statut = DLGCANCEL;
  ads_start_dialog(h, &statut);
  saisie = nullptr;
  if (statut != DLGOK) return;
  e.pasAltitude = s.lu;
  appliquerPas(ouverte->copie, e.pasAltitude);
  for (int n = 0; n < kNombreBandes; ++n)
    poserTuile(ouverte->h, cle("alti", n), std::to_string(ouverte->copie[n].borne));
}

void surAccepte(ads_callback_packet* p) {
  etatDremet().bandes = ouverte->copie;
  ads_done_dialog(p->dialog, DLGOK);
}

}  // namespace

void dialogueBandes(int idDcl) {
  int statut = DLGCANCEL;
  do {
    Ouverture o;
    o.idDcl = idDcl;
    o.copie = etatDremet().bandes;
    if (ads_new_dialog("mntcol", idDcl, NULLCB, &o.h) != RTNORM || !o.h) return;
    Ouverture* precedente = std::exchange(ouverte, &o);
    for (int n = 0; n < kNombreBandes; ++n) {
      poserTuile(o.h, cle("alti", n), std::to_string(o.copie[n].borne));
      montrerCouleur(n);
      ads_action_tile(o.h, cle("col", n).c_str(), surCouleur);
      ads_action_tile(o.h, cle("alti", n).c_str(), surAltitude);
      ads_action_tile(o.h, cle("ima", n).c_str(), surNuancier);
    }
    ads_action_tile(o.h, "degrade", surDegrade);
    ads_action_tile(o.h, "degrade2", surDegrade2);
    ads_action_tile(o.h, "pasalti", surPasAltitude);
    ads_action_tile(o.h, "accept", surAccepte);
    statut = DLGCANCEL;
    ads_start_dialog(o.h, &statut);
    ouverte = precedente;
  } while (statut > DLGOK);  // -1 after term_dialog ends it too
}

}  // namespace dem
