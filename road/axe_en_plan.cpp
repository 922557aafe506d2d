#include "road/axe_en_plan.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <utility>

#include "framework/error_stream.h"
#include "road/axes_en_long.h"
#include "road/construction_profil.h"
#include "road/createurs.h"
#include "road/cubatures.h"
#include "road/elements_plan.h"
#include "road/epais_structure.h"
#include "road/jetons_projet.h"
#include "road/points_axe3d.h"
#include "road/profils_en_travers.h"
#include "road/rapport_lecture.h"
#include "road/registre_objets.h"
#include "road/tabulation.h"
#include "road/tags.h"

namespace road {
namespace {

int32_t compte(size_t n) { return n > INT32_MAX ? INT32_MAX : static_cast<int32_t>(n); }

bool chiffreSuivant(std::istream& entree) { return chiffre(regardeSuivant(entree)); }

bool lisPoint(std::istream& entree, framework::Point3D& p) {
  return lisReel(entree, p[0]) && lisReel(entree, p[1]) && lisReel(entree, p[2]);
}

void ecritPoint(std::ostream& sortie, const framework::Point3D& p) {
  sortie << ' ' << p[0] << ' ' << p[1] << ' ' << p[2];
}

}  // namespace

AXE_EN_PLAN::AXE_EN_PLAN(const AXE_EN_PLAN& autre) : OBJET_ES_COPIABLE(autre) {
  copieChamps(autre);
  enfants_.reserve(autre.enfants_.size());
  for (const auto& enfant : autre.enfants_) enfants_.push_back(enfant->duplique());
}

AXE_EN_PLAN& AXE_EN_PLAN::operator=(const AXE_EN_PLAN& autre) {
  if (this == &autre) return *this;
  // The copies are made first: a failure leaves this alignment as it was.
  std::vector<std::unique_ptr<OBJET_ES>> copies;
  copies.reserve(autre.enfants_.size());
  for (const auto& enfant : autre.enfants_) copies.push_back(enfant->duplique());
  copieChamps(autre);
  enfants_ = std::move(copies);
  return *this;
}

AXE_EN_PLAN::~AXE_EN_PLAN() = default;

void AXE_EN_PLAN::copieChamps(const AXE_EN_PLAN& autre) {
  nom = autre.nom;
  abscisseDebut = autre.abscisseDebut;
  abscisseFin = autre.abscisseFin;
  premierProfil = autre.premierProfil;
  planConstruction = autre.planConstruction;
  nombreElementsDonne = autre.nombreElementsDonne;
  basGauche = autre.basGauche;
  hautDroit = autre.hautDroit;
  vitesseReference = autre.vitesseReference;
  profilLongActif = autre.profilLongActif;
  nombrePointsTabulationLu = autre.nombrePointsTabulationLu;
  nombreProfilsLu = autre.nombreProfilsLu;
  nombreAxesEnLongLu = autre.nombreAxesEnLongLu;
  nombrePointsAxe3dLu = autre.nombrePointsAxe3dLu;
}

const char* AXE_EN_PLAN::identifiant() const { return kTagAxeEnPlan; }

bool AXE_EN_PLAN::ecrit(std::ostream& sortie) const {
  sortie << kTagAxeEnPlan << '\n';
  sortie << nom << ' ' << abscisseDebut << ' ' << abscisseFin << ' ' << premierProfil << ' '
         << planConstruction << ' ' << nombreElementsDonne;
  ecritPoint(sortie, basGauche);
  ecritPoint(sortie, hautDroit);
  sortie << ' ' << vitesseReference;
  const int32_t tabulation = nombrePointsTabulation();
  const int32_t profils = nombreProfils();
  if (tabulation != 0 || profils != 0) sortie << ' ' << tabulation << ' ' << profils;
  if (profilLongActif) sortie << ' ' << nombreAxesEnLong() << ' ' << *profilLongActif;
  if (const int32_t points = nombrePointsAxe3d(); points != 0) sortie << ' ' << points;
  sortie << '\n';
  for (const auto& enfant : enfants_) enfant->ecrit(sortie);
  return sortie.good();
}

bool AXE_EN_PLAN::ES(std::istream& entree, OBJET_ES*, std::string& anticipe) {
  const bool entete = lisMot(entree, nom) && lisReel(entree, abscisseDebut) &&
                      lisReel(entree, abscisseFin) && lisEntier(entree, premierProfil) &&
                      lisMot(entree, planConstruction) && lisEntier(entree, nombreElementsDonne) &&
                      lisPoint(entree, basGauche) && lisPoint(entree, hautDroit) &&
                      lisMot(entree, vitesseReference);

  // The trailer groups are "n n", "n word" and "n", each optional. A lone
  // count followed by a word is the active profile unless that word is a
  // record tag: then it is the 3D-point count and the tag opens the children.
  profilLongActif.reset();
  nombrePointsTabulationLu = nombreProfilsLu = nombreAxesEnLongLu = nombrePointsAxe3dLu = 0;
  std::optional<int32_t> enAttente;
  auto entierSuivant = [&]() -> std::optional<int32_t> {
    if (enAttente) return std::exchange(enAttente, std::nullopt);
    int32_t n = 0;
    if (entete && chiffreSuivant(entree) && lisEntier(entree, n)) return n;
    return std::nullopt;
  };
  if (auto n = entierSuivant()) {
    if (chiffreSuivant(entree)) {
      nombrePointsTabulationLu = *n;
      lisEntier(entree, nombreProfilsLu);
    } else {
      enAttente = n;
    }
  }
  if (auto n = entierSuivant()) {
    std::string mot;
    if (regardeSuivant(entree) >= 0 && !chiffreSuivant(entree) && lisMot(entree, mot) &&
        !REGISTRE_OBJETS::estEnregistre(mot)) {
      nombreAxesEnLongLu = *n;
      profilLongActif = std::move(mot);
    } else {
      if (!mot.empty()) anticipe = std::move(mot);
      enAttente = n;
    }
  }
  if (auto n = entierSuivant()) nombrePointsAxe3dLu = *n;
  // A header cut short or holding a number out of range fails the stream:
  // nothing after it can be read.
  if (!entete || (entree.fail() && !entree.eof())) {
    erreurLecture("AXE_EN_PLAN::ES : entete de l'axe <" + nom + "> illisible");
    return false;
  }

  enfants_.clear();
  // Each pass takes a word, from the lookahead or the stream, so it ends.
  for (;;) {
    std::string mot;
    if (!anticipe.empty())
      mot = std::exchange(anticipe, std::string());
    else if (!lisMot(entree, mot))
      break;
    if (memeMot(mot, kTagAxeEnPlan)) {
      anticipe = std::move(mot);
      break;
    }
    std::unique_ptr<OBJET_ES> enfant = REGISTRE_OBJETS::cree(mot);
    if (!enfant) {
      erreurLecture("AXE_EN_PLAN::ES : objet inconnu <" + mot + ">");
      break;
    }
    if (!enfant->ES(entree, this, anticipe))
      erreurLecture("AXE_EN_PLAN::ES Erreur de lecture d'un axe");
    enfants_.push_back(std::move(enfant));
  }
  return entete;
}

OBJET_ES* AXE_EN_PLAN::trouveEnfant(std::string_view tag) const {
  for (const auto& enfant : enfants_)
    if (memeMot(enfant->identifiant(), tag)) return enfant.get();
  return nullptr;
}

OBJET_ES* AXE_EN_PLAN::ajouteEnfant(std::unique_ptr<OBJET_ES> enfant) {
  if (!enfant) return nullptr;
  enfants_.push_back(std::move(enfant));
  return enfants_.back().get();
}

std::unique_ptr<OBJET_ES> AXE_EN_PLAN::retireEnfant(const OBJET_ES* enfant) {
  auto it = std::find_if(enfants_.begin(), enfants_.end(),
                         [enfant](const auto& e) { return e.get() == enfant; });
  if (it == enfants_.end()) return nullptr;
  std::unique_ptr<OBJET_ES> retire = std::move(*it);
  enfants_.erase(it);
  return retire;
}

template <class T>
const T* AXE_EN_PLAN::enfantType(const char* tag) const {
  return dynamic_cast<const T*>(trouveEnfant(tag));
}

template <class T>
T* AXE_EN_PLAN::enfantType(const char* tag, bool cree) {
  if (OBJET_ES* enfant = trouveEnfant(tag)) return dynamic_cast<T*>(enfant);
  if (!cree) return nullptr;
  return static_cast<T*>(ajouteEnfant(std::make_unique<T>()));
}

ELM_ELMAXEPLAN* AXE_EN_PLAN::elements(bool cree) {
  return enfantType<ELM_ELMAXEPLAN>(kTagElementsPlan, cree);
}
AXE_EN_LONG* AXE_EN_PLAN::axesEnLong(bool cree) {
  return enfantType<AXE_EN_LONG>(kTagAxesEnLong, cree);
}
POINTS_AXE3D* AXE_EN_PLAN::pointsAxe3d(bool cree) {
  return enfantType<POINTS_AXE3D>(kTagPointsAxe3d, cree);
}
PROFILS_EN_TRAVERS* AXE_EN_PLAN::profils(bool cree) {
  return enfantType<PROFILS_EN_TRAVERS>(kTagProfilsEnTravers, cree);
}
EPAIS_STRUCTURE* AXE_EN_PLAN::epaisseurs(bool cree) {
  return enfantType<EPAIS_STRUCTURE>(kTagEpaisseurStructure, cree);
}
CONSTRUCTION_PROFIL* AXE_EN_PLAN::construction(bool cree) {
  return enfantType<CONSTRUCTION_PROFIL>(kTagConstructionProfils, cree);
}
TABLE_TABULATION* AXE_EN_PLAN::tabulation(bool cree) {
  return enfantType<TABLE_TABULATION>(kTagPointsTabulation, cree);
}
TABLE_CUBATURES* AXE_EN_PLAN::cubatures(bool cree) {
  return enfantType<TABLE_CUBATURES>(kTagCubatures, cree);
}

const ELM_ELMAXEPLAN* AXE_EN_PLAN::elements() const {
  return enfantType<ELM_ELMAXEPLAN>(kTagElementsPlan);
}
const AXE_EN_LONG* AXE_EN_PLAN::axesEnLong() const {
  return enfantType<AXE_EN_LONG>(kTagAxesEnLong);
}
const POINTS_AXE3D* AXE_EN_PLAN::pointsAxe3d() const {
  return enfantType<POINTS_AXE3D>(kTagPointsAxe3d);
}
const PROFILS_EN_TRAVERS* AXE_EN_PLAN::profils() const {
  return enfantType<PROFILS_EN_TRAVERS>(kTagProfilsEnTravers);
}
const EPAIS_STRUCTURE* AXE_EN_PLAN::epaisseurs() const {
  return enfantType<EPAIS_STRUCTURE>(kTagEpaisseurStructure);
}
const CONSTRUCTION_PROFIL* AXE_EN_PLAN::construction() const {
  return enfantType<CONSTRUCTION_PROFIL>(kTagConstructionProfils);
}
const TABLE_TABULATION* AXE_EN_PLAN::tabulation() const {
  return enfantType<TABLE_TABULATION>(kTagPointsTabulation);
}
const TABLE_CUBATURES* AXE_EN_PLAN::cubatures() const {
  return enfantType<TABLE_CUBATURES>(kTagCubatures);
}

int32_t AXE_EN_PLAN::nombreElements() const {
  const auto* e = elements();
  return e ? e->nombre() : 0;
}
int32_t AXE_EN_PLAN::nombrePointsTabulation() const {
  const auto* t = tabulation();
  return t ? compte(t->nombre()) : 0;
}
int32_t AXE_EN_PLAN::nombreProfils() const {
  const auto* p = profils();
  return p ? compte(p->nombre()) : 0;
}
int32_t AXE_EN_PLAN::nombreAxesEnLong() const {
  const auto* a = axesEnLong();
  return a ? a->nombre() : 0;
}
int32_t AXE_EN_PLAN::nombrePointsAxe3d() const {
  const auto* p = pointsAxe3d();
  return p ? p->nombre() : 0;
}

void AXE_EN_PLAN::decale(double d) {
  abscisseDebut += d;
  abscisseFin += d;
  // Every child, should a file hold two of one kind.
  for (const auto& enfant : enfants_) enfant->decale(d);
}

std::unique_ptr<OBJET_ES> creeAxeEnPlan() { return std::make_unique<AXE_EN_PLAN>(); }

bool AXE_EN_PLAN::relisible() const {
  bool finis = reelRelisible(abscisseDebut) && reelRelisible(abscisseFin);
  for (const framework::Point3D* point : {&basGauche, &hautDroit})
    for (double coordonnee : *point) finis = finis && reelRelisible(coordonnee);
  // The header's trailer takes a word that starts with a digit for a count,
  // and a tag for the first child.
  const bool actifLu =
      !profilLongActif || (nomRelisible(*profilLongActif) && !chiffre((*profilLongActif)[0]));
  return finis && actifLu && motRelisible(nom) && motRelisible(planConstruction) &&
         motRelisible(vitesseReference) &&
         std::all_of(enfants_.begin(), enfants_.end(),
                     [](const auto& enfant) { return enfant->relisible(); });
}

}  // namespace road
