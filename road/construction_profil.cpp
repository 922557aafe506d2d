#include "road/construction_profil.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "framework/error_stream.h"
#include "road/createurs.h"
#include "road/jetons_projet.h"
#include "road/profils_en_travers.h"
#include "road/rapport_lecture.h"
#include "road/registre_objets.h"
#include "road/tags.h"

namespace road {

const char* CONSTRUCTION_PROFIL::identifiant() const { return kTagConstructionProfils; }

bool CONSTRUCTION_PROFIL::ecrit(std::ostream& sortie) const {
  sortie << kTagConstructionProfils << '\n';
  for (const auto& e : entrees_) {
    sortie << e.abscisse;
    for (int32_t n : e.entiers) sortie << ' ' << n;
    sortie << ' ';
    ecritTexteCite(sortie, e.numero);
    sortie << '\n';
  }
  return sortie.good();
}

bool CONSTRUCTION_PROFIL::ES(std::istream& entree, OBJET_ES*, std::string&) {
  entrees_.clear();
  // The table ends at the first character that cannot start a number: the
  // next record's tag stays in the stream.
  while (debutNombre(regardeSuivant(entree))) {
    PROFILCONS e;
    bool lu = lisReel(entree, e.abscisse);
    for (auto& n : e.entiers) lu = lu && lisEntier(entree, n);
    if (lu && !lisTexteCite(entree, e.numero)) {
      e.numero.reset();
      lu = false;
    }
    if (!lu) erreurLecture("Erreur de lecture d'un profilcons");
    entrees_.push_back(std::move(e));
  }
  return !entree.fail();
}

const PROFILCONS* CONSTRUCTION_PROFIL::trouve(double abscisse, size_t* position) const {
  for (size_t i = 0; i < entrees_.size(); ++i) {
    if (std::fabs(entrees_[i].abscisse - abscisse) < kToleranceProfil) {
      if (position) *position = i;
      return &entrees_[i];
    }
  }
  return nullptr;
}

PROFILCONS* CONSTRUCTION_PROFIL::trouve(double abscisse, size_t* position) {
  return const_cast<PROFILCONS*>(std::as_const(*this).trouve(abscisse, position));
}

PROFILCONS& CONSTRUCTION_PROFIL::insere(PROFILCONS entree) {
  const double a = entree.abscisse;
  auto ici = std::find_if(entrees_.begin(), entrees_.end(),
                          [a](const PROFILCONS& e) { return e.abscisse > a; });
  return *entrees_.insert(ici, std::move(entree));
}

PROFILCONS& CONSTRUCTION_PROFIL::ajoute(PROFILCONS entree) {
  entrees_.push_back(std::move(entree));
  return entrees_.back();
}

std::optional<PROFILCONS> CONSTRUCTION_PROFIL::retire(size_t position) {
  if (position >= entrees_.size()) return std::nullopt;
  PROFILCONS e = std::move(entrees_[position]);
  entrees_.erase(entrees_.begin() + static_cast<std::ptrdiff_t>(position));
  return e;
}

void CONSTRUCTION_PROFIL::decale(double distance) {
  for (auto& e : entrees_) e.abscisse += distance;
}

void CONSTRUCTION_PROFIL::renumerote(int premier, int pas) {
  // 64-bit arithmetic: a large step over a long table must not overflow.
  long long numero = premier;
  for (auto& e : entrees_) {
    e.numero = std::to_string(numero);
    numero += pas;
  }
}

std::unique_ptr<OBJET_ES> creeConstructionProfils() {
  return std::make_unique<CONSTRUCTION_PROFIL>();
}

bool CONSTRUCTION_PROFIL::relisible() const {
  return std::all_of(entrees_.begin(), entrees_.end(), [](const PROFILCONS& e) {
    return reelRelisible(e.abscisse) && texteCiteRelisible(e.numero);
  });
}

}  // namespace road
