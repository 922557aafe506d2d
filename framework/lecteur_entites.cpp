#include "framework/lecteur_entites.h"

#include <algorithm>
#include <optional>
#include <ostream>

#include "acedads.h"
#include "framework/error_stream.h"
#include "framework/fenetre_progression.h"
#include "framework/gestionnaires_objets.h"
#include "framework/groupes_dxf.h"
#include "framework/progression.h"

namespace framework {
namespace {

// The walk frees the set however it ends, an operation that throws included.
class LiberationSelection {
 public:
  explicit LiberationSelection(const ads_name selection) : selection_{selection[0], selection[1]} {}
  ~LiberationSelection() { acedSSFree(selection_); }
  LiberationSelection(const LiberationSelection&) = delete;
  LiberationSelection& operator=(const LiberationSelection&) = delete;

 private:
  ads_name selection_;
};

constexpr const char* kIdentifiantParcours = "OBJ";
constexpr int32_t kRapportsParParcours = 50;

}  // namespace

LECTEUR_ENTITES::LECTEUR_ENTITES(int32_t masque, bool strict) : masque_(masque), strict_(strict) {}

LECTEUR_ENTITES::~LECTEUR_ENTITES() = default;

void LECTEUR_ENTITES::changeMasque(int32_t masque, bool strict) {
  masque_ = masque;
  strict_ = strict;
}

void LECTEUR_ENTITES::changeIdentifiantProgression(std::string identifiant) {
  identifiantProgression_ = std::move(identifiant);
}

int LECTEUR_ENTITES::parcourt(const ads_name selection, bool afficheNombre) {
  LiberationSelection liberation(selection);
  int32_t nombre = 0;
  if (acedSSLength(selection, &nombre) != RTNORM) nombre = 0;
  if (afficheNombre)
    fluxErreur() << nombre << " objets selectionnes\n"
                 << "Tranfert de donnees ..." << std::endl;
  nombreObjets(nombre);

  std::optional<FENETRE_PROGRESSION> fenetre;
  std::string identifiant = identifiantProgression_;
  if (identifiant.empty()) {
    identifiant = kIdentifiantParcours;
    fenetre.emplace(identifiant);
  }
  emetInitProgression(identifiant, 0, nombre);
  emetInformation(identifiant, "Chargement des objets...");

  const int32_t pas = std::max(nombre / kRapportsParParcours, int32_t{1});
  int resultat = 1;
  for (int32_t i = 0; i < nombre; ++i) {
    if (i % pas == 0) emetProgression(identifiant, i);
    ads_name objet;
    if (acedSSName(selection, i, objet) != RTNORM) {
      fluxErreur() << "Pb ads_ssname" << std::endl;
      resultat = 0;
      break;
    }
    resultat = litObjet(objet);
    if (resultat <= 0) break;
  }
  return resultat;
}

int LECTEUR_ENTITES::litObjet(const ads_name objet) {
  ListeResbuf liste(acdbEntGet(objet));
  if (!liste) {
    fluxErreur() << "Pb ads_entget" << std::endl;
    return 0;
  }
  const resbuf* type = liste.groupe(0);
  if (!type || !type->resval.rstring) {
    fluxErreur() << "Pb de type d'un objet" << std::endl;
    return 0;
  }
  const std::string nom = type->resval.rstring;
  const GESTIONNAIRE_OBJET* gestionnaire = trouveGestionnaire(nom);
  if (!gestionnaire) {
    fluxErreur() << "Type " << nom << " inconnu" << std::endl;
    return 0;
  }
  if ((masque_ & gestionnaire->bit) == 0) {
    if (!strict_) return 1;
    fluxErreur() << "Type d'objet " << nom << " interdit" << std::endl;
    return 0;
  }
  calque_ = texteDxf(liste.get(), 8, "0");
  reference_ = texteDxf(liste.get(), 5);
  typeLigne_ = texteDxf(liste.get(), 6, "continuous");
  couleur_ = entierDxf(liste.get(), 62, 256);
  liste_ = std::move(liste);
  const int resultat = gestionnaire->traite(*this, liste_.get());
  liste_.remplace();
  return resultat;
}

void LECTEUR_ENTITES::nombreObjets(int32_t) {}
int LECTEUR_ENTITES::face3D(const Point3D[4], int) { return 1; }
int LECTEUR_ENTITES::arc(const Point3D&, double, double, double) { return 1; }
int LECTEUR_ENTITES::cercle(const Point3D&, double) { return 1; }
int LECTEUR_ENTITES::insertion(const Point3D&, const std::string&, const Point3D&, double) {
  return 1;
}
int LECTEUR_ENTITES::ligne(const Point3D&, const Point3D&) { return 1; }
int LECTEUR_ENTITES::point(const Point3D&) { return 1; }
int LECTEUR_ENTITES::texte(const Point3D&, const std::string&) { return 1; }
int LECTEUR_ENTITES::attribut(const Point3D&, const std::string&, const std::string&,
                              const std::string&, bool) {
  return 1;
}
int LECTEUR_ENTITES::polyligne(int, int, int, const std::vector<SOMMET_LU>&) { return 1; }
int LECTEUR_ENTITES::polyligneLegere(int, const std::vector<SOMMET_LU>&) { return 1; }
int LECTEUR_ENTITES::fenetreVue(const Point3D&) { return 1; }

}  // namespace framework
