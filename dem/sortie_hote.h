// The grid's drawing made in the host: entities in the drawing database on
// the current layer, or temporary vectors on the screen.
#pragma once
#include "dem/trace_grille.h"

namespace dem {

class SortieBase : public SortieDessin {
 public:
  void face(const Noeud& a, const Noeud& b, const Noeud& c, const Noeud& d, int couleur) override;
  void ligne(const Noeud& a, const Noeud& b, int couleur) override;
  void point(const Noeud& a, int couleur) override;
  // Entities the database refused.
  long refus() const { return refus_; }

 private:
  long refus_ = 0;
};

class SortieEcran : public SortieDessin {
 public:
  void face(const Noeud& a, const Noeud& b, const Noeud& c, const Noeud& d, int couleur) override;
  void ligne(const Noeud& a, const Noeud& b, int couleur) override;
  void point(const Noeud& a, int couleur) override;
};

}  // namespace dem
