#include "road/profils_en_travers.h"

#include <algorithm>
#include <cmath>

#include "framework/error_stream.h"
#include "framework/nombres_c.h"
#include "road/couche_kind.h"
#include "road/createurs.h"
#include "road/jetons_projet.h"
#include "road/rapport_lecture.h"
#include "road/registre_objets.h"
#include "road/tags.h"

namespace road {

COUCHE& UN_PROFIL::ajouteCouche(COUCHE couche) {
  couches_.push_back(std::move(couche));
  return couches_.back();
}

int UN_PROFIL::lisCorps(std::istream& entree, std::string& anticipe) {
  std::string mot;
  if (!anticipe.empty()) {
    mot = std::move(anticipe);
    anticipe.clear();
  } else if (!lisMot(entree, mot)) {
    return kFin;
  }
  // Cross-sections end at the first word that cannot start an abscissa,
  // normally the next record's tag, which goes back to the alignment.
  if (!debutNombre(static_cast<unsigned char>(mot[0]))) {
    anticipe = std::move(mot);
    return kFin;
  }
  abscisse = framework::lireReelC(mot);
  // An overflowing abscissa would be written "inf", which no longer reads as
  // a number: refused here as the stream refuses the other reals.
  if (!std::isfinite(abscisse) || !(lisReel(entree, epaisseurDecapage) &&
                                    lisReel(entree, secondeDecapage) && lisMot(entree, handle))) {
    erreurLecture("UN_PROFIL::ES : Erreur Pos/Handle");
    return kErreur;
  }
  couches_.clear();
  while (lisMot(entree, mot)) {
    const int kind = codeCoucheKind(mot);
    if (kind < 0) {
      anticipe = std::move(mot);
      break;
    }
    COUCHE couche(kind);
    couche.lisCorps(entree);  // a faulty layer keeps what it read
    couches_.push_back(std::move(couche));
  }
  return kLu;
}

bool UN_PROFIL::ecrit(std::ostream& sortie) const {
  sortie << abscisse << ' ' << epaisseurDecapage << ' ' << secondeDecapage << ' ' << handle << '\n';
  for (const auto& couche : couches_) couche.ecrit(sortie);
  return sortie.good();
}

const char* PROFILS_EN_TRAVERS::identifiant() const { return kTagProfilsEnTravers; }

bool PROFILS_EN_TRAVERS::ecrit(std::ostream& sortie) const {
  sortie << kTagProfilsEnTravers << '\n';
  for (const auto& profil : profils_) profil->ecrit(sortie);
  return sortie.good();
}

bool PROFILS_EN_TRAVERS::ES(std::istream& entree, OBJET_ES*, std::string& anticipe) {
  profils_.clear();
  for (;;) {
    auto profil = std::make_unique<UN_PROFIL>();
    if (profil->lisCorps(entree, anticipe) < UN_PROFIL::kLu) break;
    profils_.push_back(std::move(profil));
  }
  return true;
}

UN_PROFIL* PROFILS_EN_TRAVERS::trouve(double abscisse, size_t* position) const {
  for (size_t i = 0; i < profils_.size(); ++i) {
    if (std::fabs(profils_[i]->abscisse - abscisse) < kToleranceProfil) {
      if (position) *position = i;
      return profils_[i].get();
    }
  }
  return nullptr;
}

UN_PROFIL& PROFILS_EN_TRAVERS::insere(std::unique_ptr<UN_PROFIL> profil) {
  const double a = profil->abscisse;
  auto ici = std::find_if(profils_.begin(), profils_.end(),
                          [a](const auto& p) { return p->abscisse > a; });
  return **profils_.insert(ici, std::move(profil));
}

UN_PROFIL& PROFILS_EN_TRAVERS::ajoute(std::unique_ptr<UN_PROFIL> profil) {
  profils_.push_back(std::move(profil));
  return *profils_.back();
}

std::unique_ptr<UN_PROFIL> PROFILS_EN_TRAVERS::retire(const UN_PROFIL* profil) {
  auto ici = std::find_if(profils_.begin(), profils_.end(),
                          [profil](const auto& p) { return p.get() == profil; });
  if (ici == profils_.end()) return nullptr;
  auto retire = std::move(*ici);
  profils_.erase(ici);
  return retire;
}

void PROFILS_EN_TRAVERS::decale(double distance) {
  for (auto& p : profils_) p->abscisse += distance;
}

std::unique_ptr<OBJET_ES> creeProfilsEnTravers() { return std::make_unique<PROFILS_EN_TRAVERS>(); }

bool UN_PROFIL::relisible() const {
  return reelRelisible(abscisse) && reelRelisible(epaisseurDecapage) &&
         reelRelisible(secondeDecapage) && motRelisible(handle) &&
         std::all_of(couches_.begin(), couches_.end(),
                     [](const COUCHE& c) { return c.relisible(); });
}

bool PROFILS_EN_TRAVERS::relisible() const {
  return std::all_of(profils_.begin(), profils_.end(),
                     [](const auto& profil) { return profil->relisible(); });
}

}  // namespace road
