#include "road/dialogues_terrain.h"

#include <cstdio>

#include "acedads.h"
#include "acuidialog.h"
#include "framework/liste_resbuf.h"
#include "framework/nombres_c.h"
#include "road/import_cch.h"
#include "road/projet_talvex.h"
#include "road/registre_objets.h"
#include "road/reglages_terrain.h"

namespace road {
namespace {

using framework::LISTE_PARAMETRES;

std::vector<std::string> nomsDe(const LISTE_PARAMETRES& calques) {
  std::vector<std::string> noms;
  for (const framework::PARAMETRE& p : calques) noms.push_back(p.identifiant.value_or(""));
  return noms;
}

void montre(AcUiDialog& dialogue, LISTE_PARAMETRES& calques) {
  const std::vector<std::string> autres = rafraichitCalques(calques);
  dialogue.setItems("calques3d", nomsDe(calques));
  dialogue.setItems("autres", autres);
}

std::string texteSelectionne(const AcUiDialog& dialogue, const char* liste) {
  const int i = dialogue.selection(liste);
  const std::vector<std::string> items = dialogue.items(liste);
  if (i < 0 || static_cast<size_t>(i) >= items.size()) return {};
  return items[static_cast<size_t>(i)];
}

}  // namespace

std::string messageAltitudes(int n) {
  if (n < 0) return "Définissez le Z min, Z max et le Z nul du Terrain Naturel";
  if (n == 0) return "Aucun point n'a pu être sélectionné pour le calcul de Z min et max";
  char texte[96];
  std::snprintf(texte, sizeof texte, "Z min et max calculé sur %d points", n);
  return texte;
}

bool dialogueAltitudes(PROJETTALVEX& projet, int n) {
  AcUiDialog dialogue(0, "Z Min, max et nul du Terrain Naturel");
  dialogue.addLabel("message", messageAltitudes(n).c_str());
  dialogue.addLabel("libelle_zmin", "Z Min :");
  dialogue.addEdit("zmin", framework::texteReelExact(projet.vMin()).c_str());
  dialogue.addLabel("libelle_zmax", "Z Max :");
  dialogue.addEdit("zmax", framework::texteReelExact(projet.vMax()).c_str());
  dialogue.addLabel("libelle_znul", "Z nul ou indéfini :");
  dialogue.addEdit("znul", framework::texteReelExact(projet.vNul()).c_str());
  dialogue.addButton("ok", "OK", {}, AcUiDialog::ButtonRole::Default);
  dialogue.addButton("annuler", "Annuler", {}, AcUiDialog::ButtonRole::Cancel);
  if (dialogue.doModal() != IDOK) return false;
  const double zMin = framework::lireReelC(dialogue.text("zmin"));
  const double zMax = framework::lireReelC(dialogue.text("zmax"));
  const double zNul = framework::lireReelC(dialogue.text("znul"));
  projet.fixeVMin(zMin);
  projet.fixeVMax(zMax);
  projet.fixeVNul(zNul);
  return true;
}

std::vector<std::string> calquesDuDessin() {
  std::vector<std::string> noms;
  for (framework::ListeResbuf calque(acdbTblNext("LAYER", 1)); calque;
       calque.remplace(acdbTblNext("LAYER", 0))) {
    const resbuf* nom = calque.groupe(2);
    if (nom && nom->resval.rstring) noms.emplace_back(nom->resval.rstring);
  }
  return noms;
}

std::vector<std::string> rafraichitCalques(LISTE_PARAMETRES& calques) {
  std::vector<std::string> dessin = calquesDuDessin();
  for (auto it = calques.begin(); it != calques.end();) {
    auto trouve = dessin.end();
    if (it->identifiant)
      for (auto d = dessin.begin(); d != dessin.end(); ++d)
        if (memeMot(*d, *it->identifiant)) {
          trouve = d;
          break;
        }
    if (trouve == dessin.end()) {
      it = calques.erase(it);
    } else {
      dessin.erase(trouve);
      ++it;
    }
  }
  return dessin;
}

bool dialogueCalques3d(LISTE_PARAMETRES& calques) {
  AcUiDialog dialogue(0, "Calques 3D du Terrain naturel");
  dialogue.addLabel("titre_calques3d", "Calques 3D");
  dialogue.addList("calques3d", {});
  dialogue.addLabel("titre_autres", "Autres calques");
  dialogue.addList("autres", {});
  dialogue.addButton("ajoute", "<----", [&](AcUiDialog& d) {
    ajouteCalque(calques, texteSelectionne(d, "autres"));
    montre(d, calques);
  });
  dialogue.addButton("retire", "---->", [&](AcUiDialog& d) {
    const std::string nom = texteSelectionne(d, "calques3d");
    calques.remove_if(
        [&](const framework::PARAMETRE& p) { return !nom.empty() && p.identifiant == nom; });
    montre(d, calques);
  });
  dialogue.addButton("importe_cch", "Import .CCH", [&](AcUiDialog& d) {
    demandeEtImporteCch(calques);
    montre(d, calques);
  });
  dialogue.addButton("annuler", "Annuler", {}, AcUiDialog::ButtonRole::Cancel);
  dialogue.addButton("ok", "OK", {}, AcUiDialog::ButtonRole::Default);
  montre(dialogue, calques);
  return dialogue.doModal() == IDOK;
}

}  // namespace road
