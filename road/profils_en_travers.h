// The cross-sections of an alignment ("PROF-EN-TRAVERS"), one per abscissa,
// each with its layers.
#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "road/couche.h"
#include "road/objet_es.h"

namespace road {

// Cross-sections are looked up by abscissa within this distance.
constexpr double kToleranceProfil = 0.001;

class UN_PROFIL {
 public:
  // The body reader's results.
  static constexpr int kFin = -1;
  static constexpr int kErreur = 0;
  static constexpr int kLu = 1;

  std::string handle = "nil";
  double abscisse = 0;
  double epaisseurDecapage = 0;  // EP-DECAP
  double secondeDecapage = 0;    // PM-DECAP

  std::vector<COUCHE>& couches() { return couches_; }
  const std::vector<COUCHE>& couches() const { return couches_; }
  void videCouches() { couches_.clear(); }
  COUCHE& ajouteCouche(COUCHE couche);

  // kFin when the next word is not a number start (handed back through
  // `anticipe`) or the stream ends, kErreur on a bad header, kLu otherwise.
  int lisCorps(std::istream& entree, std::string& anticipe);
  bool ecrit(std::ostream& sortie) const;
  bool relisible() const;

 private:
  std::vector<COUCHE> couches_;
};

class PROFILS_EN_TRAVERS final : public OBJET_ES_COPIABLE<PROFILS_EN_TRAVERS> {
 public:
  PROFILS_EN_TRAVERS() = default;
  PROFILS_EN_TRAVERS(const PROFILS_EN_TRAVERS& autre) : profils_(copieProfonde(autre.profils_)) {}
  PROFILS_EN_TRAVERS& operator=(const PROFILS_EN_TRAVERS& autre) {
    profils_ = copieProfonde(autre.profils_);
    return *this;
  }
  const char* identifiant() const override;
  bool ecrit(std::ostream& sortie) const override;
  bool ES(std::istream& entree, OBJET_ES* parent, std::string& anticipe) override;
  bool relisible() const override;

  const std::vector<std::unique_ptr<UN_PROFIL>>& profils() const { return profils_; }
  size_t nombre() const { return profils_.size(); }

  // The first cross-section within kToleranceProfil, and its 0-based position.
  UN_PROFIL* trouve(double abscisse, size_t* position = nullptr) const;
  // Before the first one with a greater abscissa: equal abscissas keep their
  // insertion order.
  UN_PROFIL& insere(std::unique_ptr<UN_PROFIL> profil);
  UN_PROFIL& ajoute(std::unique_ptr<UN_PROFIL> profil);
  // Takes the cross-section out of the list; dropping the result destroys it.
  std::unique_ptr<UN_PROFIL> retire(const UN_PROFIL* profil);
  void decale(double distance) override;
  void vide() { profils_.clear(); }

 private:
  std::vector<std::unique_ptr<UN_PROFIL>> profils_;
};

}  // namespace road
