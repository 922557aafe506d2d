#include "framework/information_produit.h"

#include <cstdio>
#include <ostream>

#include "acedads.h"
#include "acuidialog.h"
#include "framework/error_stream.h"
#include "framework/fonction_arx.h"
#include "framework/identite_module.h"
#include "framework/liste_resbuf.h"
#include "framework/programmes_externes.h"

namespace framework {
namespace {

constexpr int kRessourceInformation = 145;
constexpr const char* kFichierProduit = "infoproduit.txt";

void ajouteChamp(AcUiDialog& d, const char* nom, const char* libelle, const char* valeur) {
  d.addLabel((std::string(nom) + "_libelle").c_str(), libelle);
  d.addLabel(nom, valeur ? valeur : "");
}

}  // namespace

bool ecritFichierProduit() {
  FILE* f = std::fopen(kFichierProduit, "w");
  if (!f) {
    fluxErreur() << "Erreur lors de l'ouverture de <" << kFichierProduit << ">" << std::endl;
    return false;
  }
  const IDENTITE_MODULE& id = identiteModule();
  std::fprintf(f, "Information concernant votre applicatif :\n");
  std::fprintf(f, "\t* Nom de l'applicatif : %s\n", nomCommandeSansPrefixe());
  std::fprintf(f, "\t* Société éditrice : %s\n", id.codeClient);
  std::fprintf(f, "\t* Version de l'applicatif : %s\n", id.versionApplication);
  std::fprintf(f, "\t* Support Internet : %s\n", id.adresseSupport);
  std::fprintf(f, "\t* Identifiant produit : %s\n", id.nomModule);
  std::fprintf(f, "Fin du descriptif\n");
  std::fclose(f);
  return true;
}

void afficheInformationProduit(const std::string& fichierAttache) {
  const IDENTITE_MODULE& id = identiteModule();
  AcUiDialog d(kRessourceInformation, "Informations produits");
  ajouteChamp(d, "identifiant", "Identifiant produit : ", id.nomModule);
  ajouteChamp(d, "applicatif", "Applicatif :", nomCommandeSansPrefixe());
  ajouteChamp(d, "version", "Numéro de version : ", id.versionApplication);
  ajouteChamp(d, "societe", "Société éditrice : ", id.codeClient);
  ajouteChamp(d, "support", "Support Internet :", id.adresseSupport);
  d.addButton("OK", "OK", {}, AcUiDialog::ButtonRole::Default);
  d.addButton("Dans un fichier...", "Dans un fichier...", [](AcUiDialog&) {
    if (ecritFichierProduit()) ouvreAvecShell(kFichierProduit, kOuvrir);
  });
  d.addButton("Informations supplémentaires...", "Informations supplémentaires...",
              [fichierAttache](AcUiDialog&) { ouvreAvecShell(fichierAttache, kOuvrir); });
  if (fichierAttache.empty()) d.enable("Informations supplémentaires...", false);
  d.doModal();
}

resbuf* commandeAide(int32_t) {
  listeTout();
  afficheInformationProduit("lstfonction.txt");
  return nullptr;
}

resbuf* commandeExetopo(int32_t) {
  ListeResbuf arguments(acedGetArgs());
  const resbuf* a = arguments.get();
  if (a && a->restype == RTSTR && !a->rbnext && a->resval.rstring)
    lanceProgramme(a->resval.rstring, false);
  return nullptr;
}

}  // namespace framework
