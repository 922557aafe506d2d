#include "framework/dialogues_standard.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "acedads.h"
#include "acuidialog.h"
#include "framework/liste_resbuf.h"

namespace framework {

namespace {

namespace fs = std::filesystem;

std::string& tamponChoix() {
  static std::string texte;
  return texte;
}

std::string& tamponFichier() {
  static std::string chemin;
  return chemin;
}

// Where the next file dialog starts; empty until a file was chosen.
std::string& dossierRetenu() {
  static std::string dossier;
  return dossier;
}

// The process's current directory for the life of the object, put back after.
class DossierCourantTemporaire {
 public:
  explicit DossierCourantTemporaire(const std::string& dossier) {
    std::error_code ec;
    precedent_ = fs::current_path(ec);
    if (!dossier.empty()) fs::current_path(dossier, ec);
  }
  ~DossierCourantTemporaire() {
    std::error_code ec;
    if (!precedent_.empty()) fs::current_path(precedent_, ec);
  }
  DossierCourantTemporaire(const DossierCourantTemporaire&) = delete;
  DossierCourantTemporaire& operator=(const DossierCourantTemporaire&) = delete;

 private:
  fs::path precedent_;
};

}  // namespace

void afficheMessage(const char* titre, const char* texte, const std::vector<std::string>* liste) {
  AcUiDialog d(kRessourceMessage, titre && *titre ? titre : "Attention !");
  d.addLabel("texte", texte);
  if (liste) d.addList("liste", *liste);
  d.addButton("OK", "OK", {}, AcUiDialog::ButtonRole::Default);
  d.doModal();
}

int demandeTexte(const char* titre, const char* invite, char* tampon, size_t taille,
                 const char* initial) {
  AcUiDialog d(kRessourceTexte, titre && *titre ? titre : "Entrez votre chaine");
  d.addLabel("invite", invite);
  d.addEdit("texte", initial);
  d.addButton("OK", "OK", {}, AcUiDialog::ButtonRole::Default);
  d.addButton("Cancel", "Cancel", {}, AcUiDialog::ButtonRole::Cancel);
  if (d.doModal() != IDOK || !tampon || taille == 0) return 0;
  const std::string reponse = d.text("texte");
  const size_t n = std::min(reponse.size(), taille - 1);
  std::memcpy(tampon, reponse.data(), n);
  tampon[n] = '\0';
  return 1;
}

const char* choisitTexte(const char* titre, const char* preselection,
                         const std::vector<const char*>& textes, const char* libelle1,
                         const char* libelle2) {
  if (textes.empty()) {
    afficheMessage("Opération annulée", "Vous ne possédez pas d'objets");
    return nullptr;
  }
  std::vector<std::string> items;
  items.reserve(textes.size());
  int selection = 0;
  for (const char* t : textes) {
    if (t && preselection && selection == 0 && std::strcmp(t, preselection) == 0)
      selection = static_cast<int>(items.size());
    items.emplace_back(t ? t : "????");
  }
  AcUiDialog d(kRessourceChoix, titre && *titre ? titre : "Choisissez votre données");
  d.addLabel("libelle", libelle1 ? libelle1 : "");
  d.addLabel("contenant", "Contenant :");
  d.addLabel("contenu", libelle2 ? libelle2 : "");
  d.addList("liste", items, selection);
  d.addButton("OK", "OK", {}, AcUiDialog::ButtonRole::Default);
  d.addButton("Cancel", "Cancel", {}, AcUiDialog::ButtonRole::Cancel);
  if (d.doModal() != IDOK) return nullptr;
  const int choisi = d.selection("liste");
  if (choisi < 0 || static_cast<size_t>(choisi) >= items.size()) return nullptr;
  tamponChoix() = items[static_cast<size_t>(choisi)];
  return tamponChoix().c_str();
}

const char* choisitCalque(const char* preselection, const char* titre) {
  std::vector<std::string> noms;
  for (ListeResbuf calque(acdbTblNext("LAYER", 1)); calque;
       calque.remplace(acdbTblNext("LAYER", 0))) {
    const resbuf* nom = calque.groupe(2);
    if (!nom || !nom->resval.rstring) continue;
    const char premier = nom->resval.rstring[0];
    if (premier == '_' || premier == '*') continue;
    noms.emplace_back(nom->resval.rstring);
  }
  std::reverse(noms.begin(), noms.end());
  std::vector<const char*> textes;
  for (const std::string& n : noms) textes.push_back(n.c_str());
  return choisitTexte(titre && *titre ? titre : "Choix d'un calque", preselection, textes);
}

bool confirme(const char* texte) {
  AcUiDialog d(kRessourceConfirmation, "Confirmation");
  d.addLabel("texte", texte);
  d.addButton("OK", "OK", {}, AcUiDialog::ButtonRole::Default);
  d.addButton("Annule", "Annule", {}, AcUiDialog::ButtonRole::Cancel);
  return d.doModal() == IDOK;
}

namespace {

// The extension the host's dialog adds to a bare name: that of the first
// pattern of a filter "Dessins|*.dwg|Tous|*.*||" (or the filter itself when
// it is one already); none for "*.*".
std::string extensionDuFiltre(const char* filtre) {
  const std::string f = filtre ? filtre : "";
  const size_t barre = f.find('|');
  if (barre == std::string::npos) return f;
  const size_t fin = f.find('|', barre + 1);
  std::string motif =
      f.substr(barre + 1, fin == std::string::npos ? std::string::npos : fin - barre - 1);
  if (motif.rfind("*.", 0) == 0) motif.erase(0, 2);
  return motif == "*" ? std::string() : motif;
}

const char* fichier(bool ouvrir, const char* filtre, const char* nomDefaut,
                    const char* dossierInitial, int drapeaux) {
  std::error_code ec;
  std::string depart = dossierRetenu();
  if (depart.empty()) depart = dossierInitial && *dossierInitial ? dossierInitial : "";
  if (depart.empty()) depart = fs::current_path(ec).string();
  resbuf resultat{};
  std::string choisi;
  {
    const DossierCourantTemporaire dossier(depart);
    const std::string extension = extensionDuFiltre(filtre);
    const int status = acedGetFileD(ouvrir ? "Ouvrir" : "Enregistrer sous", nomDefaut,
                                    extension.c_str(), drapeaux, &resultat);
    if (status != RTNORM || resultat.restype != RTSTR || !resultat.resval.rstring) return nullptr;
    choisi = resultat.resval.rstring;
    std::free(resultat.resval.rstring);  // the host's copy, ours to free
    // Relative to where the dialog started.
    choisi = fs::absolute(fs::path(choisi), ec).lexically_normal().string();
  }
  dossierRetenu() = fs::path(choisi).parent_path().string();
  tamponFichier() = choisi;
  return tamponFichier().c_str();
}

}  // namespace

const char* dialogueFichier(bool ouvrir, const char* filtre, const char* nomDefaut,
                            const char* dossierInitial) {
  return fichier(ouvrir, filtre, nomDefaut, dossierInitial, ouvrir ? 0 : 1);
}

const char* choisitDossier(const char* dossierInitial) {
  const char* chemin = fichier(true, "*", "default", dossierInitial, 1 | 4);
  if (!chemin) return nullptr;
  tamponFichier() = fs::path(chemin).parent_path().string();
  return tamponFichier().c_str();
}

}  // namespace framework
