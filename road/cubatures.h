// The cubature table ("CUBATURES"): per abscissa, six optional values that the
// AutoLISP programs store and read back; the system gives them no meaning.
#pragma once
#include <array>
#include <vector>

#include "road/jetons_projet.h"
#include "road/objet_es.h"

namespace road {

struct LIGNE_CUBE {
  double abscisse = 0;
  std::array<REEL_OPT, 6> valeurs{};
};

class TABLE_CUBATURES final : public OBJET_ES_COPIABLE<TABLE_CUBATURES> {
 public:
  const char* identifiant() const override;
  bool ecrit(std::ostream& sortie) const override;
  // Reads lines while the next word starts a number; the tag that follows
  // stays in the stream.
  bool ES(std::istream& entree, OBJET_ES* parent, std::string& anticipe) override;
  bool relisible() const override;

  void ajoute(const LIGNE_CUBE& ligne) { lignes_.push_back(ligne); }
  size_t nombre() const { return lignes_.size(); }
  const std::vector<LIGNE_CUBE>& lignes() const { return lignes_; }
  std::vector<LIGNE_CUBE>& lignes() { return lignes_; }

 private:
  std::vector<LIGNE_CUBE> lignes_;
};

}  // namespace road
