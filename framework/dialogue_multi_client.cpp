// The command "c:multiclient": the dialog "Configuration multi-client" over a
// copy of the client tree, applied on OK.
#include <cstdio>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "acuidialog.h"
#include "framework/dialogues_standard.h"
#include "framework/error_stream.h"
#include "framework/multi_client.h"
#include "framework/parametre_fichier.h"
#include "framework/programmes_externes.h"

namespace framework {

namespace {

constexpr int kRessourceMultiClient = 147;
constexpr const char* kFiltreClients = "Multi clients|*.mcl|Tous|*.*||";

// The dialog's own copy of what it edits.
struct EDITION {
  LISTE_PARAMETRES arbre;
  std::string fichier;
  std::string selection;  // path of the selected client
};

void chemins(const LISTE_PARAMETRES& liste, const std::string& parent,
             std::vector<std::string>& sortie) {
  for (const PARAMETRE& p : liste) {
    const std::string chemin = parent + "/" + p.identifiant.value_or("");
    sortie.push_back(chemin);
    chemins(p.enfants, chemin, sortie);
  }
}

// The list holding `chemin` and the client's place in it.
bool place(LISTE_PARAMETRES& arbre, const std::string& chemin, LISTE_PARAMETRES*& liste,
           LISTE_PARAMETRES::iterator& position) {
  const size_t barre = chemin.find_last_of('/');
  if (barre == std::string::npos) return false;
  if (barre == 0) {
    liste = &arbre;
  } else {
    PARAMETRE* parent = clientParChemin(arbre, chemin.substr(0, barre));
    if (!parent) return false;
    liste = &parent->enfants;
  }
  PARAMETRE* client = clientParChemin(arbre, chemin);
  for (position = liste->begin(); position != liste->end(); ++position)
    if (&*position == client) return true;
  return false;
}

void montre(AcUiDialog& d, EDITION& e) {
  std::vector<std::string> items;
  chemins(e.arbre, "", items);
  int index = -1;
  for (size_t k = 0; k < items.size(); ++k)
    if (items[k] == e.selection) index = static_cast<int>(k);
  if (index < 0) e.selection.clear();
  d.setItems("clients", items, index);
  const PARAMETRE* client = e.selection.empty() ? nullptr : clientParChemin(e.arbre, e.selection);
  d.setText("nom", client ? client->identifiant.value_or("").c_str() : "");
  d.setText("dossier", client ? client->valeur.value_or("").c_str() : "");
  d.setText("fichier", e.fichier.c_str());
}

PARAMETRE* selectionne(EDITION& e) {
  return e.selection.empty() ? nullptr : clientParChemin(e.arbre, e.selection);
}

}  // namespace

resbuf* commandeMultiClient(int32_t) {
  chargeClients(false);
  sauveParametres();

  EDITION e;
  e.arbre = arbreClients();
  e.selection = cheminClientCourant();
  e.fichier = fichierClient().texte();
  const int menuAvant = menuParClient();

  AcUiDialog d(kRessourceMultiClient, "Configuration multi-client");
  d.addLabel("actuel", ("Client actuel : " + cheminClientCourant()).c_str());
  d.addList("clients", {});
  d.addLabel("libelle_nom", "Nom :");
  d.addEdit("nom", "");
  d.addLabel("libelle_chemin", "Chemin :");
  d.addEdit("dossier", "");
  d.addLabel("libelle_fichier", "Fichier clients :");
  d.addLabel("fichier", "");
  auto action = [&](const char* nom, const char* libelle, std::function<void()> faire) {
    d.addButton(nom, libelle, [&, faire](AcUiDialog&) {
      faire();
      montre(d, e);
    });
  };
  d.onChange("clients", [&](AcUiDialog&) {
    const int i = d.selection("clients");
    const std::vector<std::string> items = d.items("clients");
    e.selection = i >= 0 && static_cast<size_t>(i) < items.size() ? items[static_cast<size_t>(i)]
                                                                  : std::string();
    montre(d, e);
  });
  d.onChange("nom", [&](AcUiDialog&) {
    PARAMETRE* c = selectionne(e);
    const std::string nom = d.text("nom");
    if (!c || nom.empty() || nom.find('/') != std::string::npos) return montre(d, e);
    c->identifiant = nom;
    e.selection = e.selection.substr(0, e.selection.find_last_of('/') + 1) + nom;
    montre(d, e);
  });
  d.onChange("dossier", [&](AcUiDialog&) {
    if (PARAMETRE* c = selectionne(e)) c->valeur = d.text("dossier");
    montre(d, e);
  });
  action("ajouter", "Ajouter", [&] {
    PARAMETRE nouveau(std::string("<nouveau>"), std::string("<chemin>"));
    PARAMETRE* c = selectionne(e);
    LISTE_PARAMETRES& liste = c ? c->enfants : e.arbre;
    liste.push_back(nouveau);
    e.selection = (c ? e.selection : std::string()) + "/<nouveau>";
  });
  action("supprimer", "Supprimer", [&] {
    if (e.selection.empty()) return;
    if (e.selection == cheminClientCourant()) {
      afficheMessage("Erreur", "Impossible de supprimer le client actif");
      return;
    }
    LISTE_PARAMETRES* liste = nullptr;
    LISTE_PARAMETRES::iterator position;
    if (place(e.arbre, e.selection, liste, position)) liste->erase(position);
    e.selection.clear();
  });
  action("chemin", "Chemin :", [&] {
    PARAMETRE* c = selectionne(e);
    if (!c) return;
    if (const char* dossier = choisitDossier(dossierClient(*c).c_str())) c->valeur = dossier;
  });
  action("explorer", "Explorer", [&] {
    if (PARAMETRE* c = selectionne(e)) ouvreAvecShell(dossierClient(*c), kExplorer);
  });
  action("profil", "Profil AutoCAD :", [&] {
    PARAMETRE* c = selectionne(e);
    if (!c) return;
    const std::string dossier = dossierClient(*c);
    char profil[256] = "";
    const std::string actuel = lisValeurUtilisateur(dossier, "ProfilAcad").value_or("");
    if (demandeTexte("Profil AutoCAD", "Entrez le nom du profil AutoCAD utilisé :", profil,
                     sizeof profil, actuel.c_str()))
      ecritValeurUtilisateur(dossier, "ProfilAcad", profil);
  });
  action("raccourci", "Creer un raccourci sur le bureau", [&] {
    if (PARAMETRE* c = selectionne(e)) creeRaccourci(e.selection, c->identifiant.value_or(""));
  });
  action("raccourci_universel", "Creer un raccourci universel",
         [&] { creeRaccourci(std::string(), "Universel"); });
  action("lecture", "Lecture clients...", [&] {
    const char* fichier = dialogueFichier(true, kFiltreClients, "", nullptr);
    if (!fichier) return;
    LISTE_PARAMETRES lu;
    if (!lireFichierParametres(fichier, kModeTexte, lu)) {
      fluxErreur() << "Erreur de lecture de <" << fichier << ">" << std::endl;
      return;
    }
    e.arbre = std::move(lu);
    e.fichier = fichier;
    e.selection.clear();
  });
  d.addCheck("menus", "Les menus applicatifs sont différents par clients", menuAvant != 0);
  d.addButton("ok", "OK", {}, AcUiDialog::ButtonRole::Default);
  d.addButton("annuler", "Annuler", {}, AcUiDialog::ButtonRole::Cancel);
  montre(d, e);

  if (d.doModal() != IDOK || e.selection.empty() || e.arbre.empty()) {
    fluxErreur() << "Aucune modification effectuée" << std::endl;
    return nullptr;
  }
  menuParClient() = d.isChecked("menus") ? 1 : 0;
  fichierClient() = e.fichier;
  arbreClients() = std::move(e.arbre);
  ecrireFichierParametres(e.fichier, arbreClients());
  selectionneClient(e.selection);
  return nullptr;
}

}  // namespace framework
