#include "road/axes_en_long.h"

#include <algorithm>
#include <climits>

#include "framework/error_stream.h"
#include "road/createurs.h"
#include "road/jetons_projet.h"
#include "road/rapport_lecture.h"
#include "road/registre_objets.h"
#include "road/tags.h"

namespace road {
bool UN_AXELONG::ecrit(std::ostream& sortie) const {
  sortie << nom << ' ' << valeur1 << ' ' << valeur2;
  for (const SOMMET_LONG& s : sommets)
    sortie << ' ' << s.nom << ' ' << s.valeur1 << ' ' << s.valeur2 << ' ' << s.entier << ' '
           << s.valeur3;
  sortie << ' ' << kFinLong << '\n';
  return sortie.good();
}

bool UN_AXELONG::ES(std::istream& entree) {
  // A failed read fails the stream: the reads after it do nothing and the
  // loop below reports the missing FINLONG.
  lisReel(entree, valeur1);
  lisReel(entree, valeur2);
  sommets.clear();
  std::string mot;
  // Every pass takes a word or fails the stream, which ends the loop.
  while (lisMot(entree, mot)) {
    if (memeMot(mot, kFinLong)) return true;
    SOMMET_LONG s;
    s.nom = mot;
    lisReel(entree, s.valeur1);
    lisReel(entree, s.valeur2);
    lisEntier(entree, s.entier);
    lisReel(entree, s.valeur3);
    sommets.push_back(std::move(s));
  }
  erreurLecture("UN_AXELONG::ES Attend FINLONG");
  return false;
}

const char* AXE_EN_LONG::identifiant() const { return kTagAxesEnLong; }

bool AXE_EN_LONG::ecrit(std::ostream& sortie) const {
  sortie << kTagAxesEnLong << '\n';
  for (const auto& profil : profils_) profil->ecrit(sortie);
  return sortie.good();
}

bool AXE_EN_LONG::ES(std::istream& entree, OBJET_ES*, std::string& anticipe) {
  profils_.clear();
  std::string mot;
  while (lisMot(entree, mot)) {
    if (REGISTRE_OBJETS::estEnregistre(mot)) {
      anticipe = mot;
      break;
    }
    auto profil = std::make_unique<UN_AXELONG>(mot);
    if (!profil->ES(entree)) erreurLecture("AXE_EN_LONG::ES Erreur de lecture d'un axe");
    profils_.push_back(std::move(profil));
  }
  return true;
}

UN_AXELONG* AXE_EN_LONG::trouve(std::string_view nom) const {
  for (const auto& profil : profils_)
    if (memeMot(profil->nom, nom)) return profil.get();
  return nullptr;
}

UN_AXELONG* AXE_EN_LONG::ajoute(std::unique_ptr<UN_AXELONG> profil) {
  if (!profil) return nullptr;
  profils_.push_back(std::move(profil));
  return profils_.back().get();
}

std::unique_ptr<UN_AXELONG> AXE_EN_LONG::retire(const UN_AXELONG* profil) {
  auto it = std::find_if(profils_.begin(), profils_.end(),
                         [profil](const auto& p) { return p.get() == profil; });
  if (it == profils_.end()) return nullptr;
  std::unique_ptr<UN_AXELONG> retire = std::move(*it);
  profils_.erase(it);
  return retire;
}

int32_t AXE_EN_LONG::nombre() const {
  return profils_.size() > INT32_MAX ? INT32_MAX : static_cast<int32_t>(profils_.size());
}

std::unique_ptr<OBJET_ES> creeAxesEnLong() { return std::make_unique<AXE_EN_LONG>(); }

bool UN_AXELONG::relisible() const {
  if (!nomRelisible(nom) || !reelRelisible(valeur1) || !reelRelisible(valeur2)) return false;
  return std::all_of(sommets.begin(), sommets.end(), [](const SOMMET_LONG& s) {
    return motRelisible(s.nom) && !memeMot(s.nom, kFinLong) && reelRelisible(s.valeur1) &&
           reelRelisible(s.valeur2) && reelRelisible(s.valeur3);
  });
}

bool AXE_EN_LONG::relisible() const {
  return std::all_of(profils_.begin(), profils_.end(),
                     [](const auto& profil) { return profil->relisible(); });
}

}  // namespace road
