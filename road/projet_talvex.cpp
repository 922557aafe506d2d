#include "road/projet_talvex.h"

#include <algorithm>
#include <fstream>

#include "acedads.h"
#include "framework/error_stream.h"
#include "framework/liste_resbuf.h"
#include "framework/valeurs_lisp.h"
#include "platform.h"
#include "road/axe_en_plan.h"
#include "road/copie_fichiers.h"
#include "road/jetons_projet.h"
#include "road/rapport_lecture.h"
#include "road/registre_objets.h"
#include "road/reglages_terrain.h"
#include "road/tags.h"

namespace road {

using framework::fluxErreur;

std::string nomFichierProjet() {
  // Only a text names the project: a number or a list would make a file
  // name of its printed form.
  const framework::ListeResbuf valeur(
      framework::lisVariableBrute("CHEMINOM", nullptr, framework::kSymboleLisp));
  const resbuf* rb = valeur.get();
  if (!rb || rb->restype != RTSTR || !rb->resval.rstring) {
    fluxErreur() << "La variable CHEMINNOM est inconnue" << std::endl;
    return "defaut.axs";
  }
  return std::string(rb->resval.rstring) + ".axs";
}

PROJETTALVEX::PROJETTALVEX(int silencieux)
    : terrain_(lisDefautsTerrain()), silencieux_(silencieux) {}

PROJETTALVEX::~PROJETTALVEX() = default;

std::unique_ptr<PROJETTALVEX> PROJETTALVEX::ouvre(const std::optional<std::string>& fichier,
                                                  int silencieux) {
  auto projet = std::make_unique<PROJETTALVEX>(silencieux);
  projet->charge(fichier ? *fichier : nomFichierProjet());
  return projet;
}

bool PROJETTALVEX::charge(const std::string& fichier) {
  fichier_ = fichier;
  axes_.clear();
  problemeLecture_.clear();
  if (!platform::pathExists(fichier)) {
    fluxErreur() << "Fichier <" << fichier << "> introuvable" << std::endl;
    return false;
  }
  // A file that exists but cannot be read is a project all the same: it must
  // never be taken for a new one and replaced.
  auto illisible = [&](const char* raison) {
    problemeLecture_ = "Fichier <" + fichier + "> illisible" + raison;
    fluxErreur() << problemeLecture_ << std::endl;
    return false;
  };
  if (platform::directoryExists(fichier)) return illisible(" : c'est un repertoire");
  std::ifstream entree(cheminSysteme(fichier), std::ios::binary);
  if (!entree) return illisible("");
  lis(entree);
  return true;
}

void PROJETTALVEX::lis(std::istream& entree) {
  RapportLecture rapport;
  axes_.clear();
  terrain_ = lisDefautsTerrain();
  prepareFlux(entree);
  bool terrainVu = false;
  try {
    sauteMarqueOrdreOctets(entree);
    terrainVu = lisEnregistrements(entree);
    // Every reader stops at the end of the file, or says why it stopped.
    if (rapport.sain() && !entree.eof())
      erreurLecture("PROJETTALVEX::ES : Erreur de fichier : lecture interrompue");
  } catch (const std::exception&) {
    // A read error of the file itself (a device error, a directory).
    erreurLecture("PROJETTALVEX::ES : Erreur de lecture du fichier");
  }
  problemeLecture_ = rapport.premierProbleme();
  if (!silencieux_) publie();
  etat_ = terrainVu ? kProjetAvecTerrain : kProjetSansTerrain;
}

bool PROJETTALVEX::lisEnregistrements(std::istream& entree) {
  bool terrainVu = false;
  std::string anticipe, mot;
  // Every turn takes one word from the stream, directly or through a record
  // that handed it back, so the loop ends with the input.
  for (;;) {
    if (!anticipe.empty()) {
      mot = std::move(anticipe);
      anticipe.clear();
    } else if (!lisMot(entree, mot)) {
      break;
    }
    if (memeMot(mot, kTagDonneesTerrain)) {
      terrainVu = true;
      framework::PARAMETRE lu;
      // A block that does not read keeps the settings already held.
      if (lu.lire(entree, framework::kModeTexte))
        terrain_ = std::move(lu);
      else
        erreurLecture(std::string("PROJETTALVEX::ES : Erreur de lecture du bloc ") +
                      kTagDonneesTerrain);
    } else if (memeMot(mot, kTagAxeEnPlan)) {
      auto axe = std::make_unique<AXE_EN_PLAN>();
      axe->ES(entree, nullptr, anticipe);
      axes_.push_back(std::move(axe));
    } else {
      erreurLecture(std::string("PROJETTALVEX::ES : Erreur de fichier : attente de ") +
                    kTagAxeEnPlan + ", trouve " + mot);
      break;
    }
  }
  return terrainVu;
}

bool PROJETTALVEX::ecrit(std::ostream& sortie) const {
  prepareFlux(sortie);
  sortie << kTagDonneesTerrain << '\n';
  terrain_.ecrire(sortie, 0);
  for (const auto& axe : axes_)
    if (!axe->ecrit(sortie)) return false;
  return sortie.good();
}

bool PROJETTALVEX::sauve(const std::optional<std::string>& fichier) {
  const std::string nom = fichier ? *fichier : fichier_;
  if (!lectureComplete()) {
    fluxErreur() << "Fichier <" << fichier_ << "> non reecrit : sa lecture a echoue ("
                 << problemeLecture_ << ")" << std::endl;
    return false;
  }
  auto echec = [&] {
    fluxErreur() << "Impossible de creer le fichier <" << nom << ">" << std::endl;
    return false;
  };
  // A read-only project stays as it is, as writing over it would fail.
  if (nom.empty() || platform::isReadOnly(nom)) return echec();
  // Only a complete file takes the old one's place.
  const auto ecriture = [&](std::ostream& sortie) { return ecrit(sortie); };
  if (!platform::replaceFile(cheminSysteme(nom), ecriture)) return echec();
  return true;
}

bool PROJETTALVEX::relisible() const {
  return std::all_of(axes_.begin(), axes_.end(), [](const auto& axe) { return axe->relisible(); });
}

AXE_EN_PLAN* PROJETTALVEX::trouveAxe(std::string_view nom) {
  for (const auto& axe : axes_)
    if (memeMot(axe->nom, nom)) return axe.get();
  return nullptr;
}

void PROJETTALVEX::ajouteAxe(std::unique_ptr<AXE_EN_PLAN> axe) {
  if (axe) axes_.push_back(std::move(axe));
}

std::unique_ptr<AXE_EN_PLAN> PROJETTALVEX::retireAxe(const AXE_EN_PLAN* axe) {
  for (auto it = axes_.begin(); it != axes_.end(); ++it) {
    if (it->get() != axe) continue;
    std::unique_ptr<AXE_EN_PLAN> retire = std::move(*it);
    axes_.erase(it);
    return retire;
  }
  return nullptr;
}

std::unique_ptr<PROJETTALVEX> PROJETTALVEX::duplique() const {
  auto copie = std::make_unique<PROJETTALVEX>(0);
  for (const auto& axe : axes_) copie->axes_.push_back(std::make_unique<AXE_EN_PLAN>(*axe));
  return copie;
}

double PROJETTALVEX::vMin() { return lisValeurTerrain(terrain_, kCleVMin); }
double PROJETTALVEX::vMax() { return lisValeurTerrain(terrain_, kCleVMax); }
double PROJETTALVEX::vNul() { return lisValeurTerrain(terrain_, kCleVNul); }

void PROJETTALVEX::fixeVMin(double v) {
  fixeValeurTerrain(terrain_, kCleVMin, v);
  publie();
}
void PROJETTALVEX::fixeVMax(double v) {
  fixeValeurTerrain(terrain_, kCleVMax, v);
  publie();
}
void PROJETTALVEX::fixeVNul(double v) {
  fixeValeurTerrain(terrain_, kCleVNul, v);
  publie();
}

framework::LISTE_PARAMETRES& PROJETTALVEX::calques3d() { return listePlans3d(terrain_); }

void PROJETTALVEX::remplaceCalques3d(const framework::LISTE_PARAMETRES& calques) {
  // A copy first: `calques` may be this very list.
  framework::LISTE_PARAMETRES copie = calques;
  listePlans3d(terrain_) = std::move(copie);
  publie();
}

framework::LISTE_PARAMETRES& PROJETTALVEX::calquesSelection() {
  calquesSelection_ = listePlans3d(terrain_);
  std::string exclu;
  framework::SilenceVariables silence;
  if (framework::lisVariable("CALQ_CBN", exclu, nullptr, framework::kSymboleLisp)) {
    calquesSelection_.remove_if([&](const framework::PARAMETRE& p) {
      return p.identifiant && memeMot(*p.identifiant, exclu);
    });
  }
  return calquesSelection_;
}

void PROJETTALVEX::publie() {
  if (!silencieux_) publieTerrain(terrain_);
}

}  // namespace road
