// The plan geometry of an alignment as lines, circular arcs and clothoids.
// The project keeps an element as (kind, start abscissa, flag, length); where
// it lies comes from the tabulation, whose points carry x, y and abscissa.
#pragma once
#include <string_view>
#include <vector>

namespace road {
class AXE_EN_PLAN;
}

namespace landxml {

enum class GenreElement { kDroite, kArc, kClothoide };

struct POINT_PLAN {
  double x = 0.0;
  double y = 0.0;
};

struct ELEMENT_GEOMETRIQUE {
  GenreElement genre = GenreElement::kDroite;
  double abscisse = 0.0;  // of its start
  double longueur = 0.0;
  POINT_PLAN debut, fin;
  POINT_PLAN centre;   // arc
  POINT_PLAN pi;       // clothoid: where the tangents at its ends meet
  double rayon = 0.0;  // arc
  // Clothoid: the radii at its ends, infinite on a straight's side.
  double rayonDebut = 0.0;
  double rayonFin = 0.0;
  bool horaire = false;  // turns clockwise
};

// The kind an element's name stands for: "DROITE", "ARC", "CLOTHOIDE" and
// their usual synonyms, whatever the case; anything else is taken as a straight.
GenreElement genreElement(std::string_view nom);

// The elements of the alignment in order, placed along its tabulation; with
// no elements, the tabulation's chords as straights. Nothing when the
// tabulation has fewer than two distinct abscissas.
std::vector<ELEMENT_GEOMETRIQUE> geometrieAxe(const road::AXE_EN_PLAN& axe);

}  // namespace landxml
