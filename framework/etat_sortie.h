// The output state shared by the simple entities and the polylines.
#pragma once
#include <string>
#include <vector>

#include "framework/liste_resbuf.h"
#include "framework/point_3d.h"

namespace framework {

enum class PolyligneOuverte { Aucune, En2D, En3D };

struct ETAT_SORTIE {
  std::string calque;     // "": no layer group
  std::string typeLigne;  // "": no linetype group
  ListeResbuf auPointSuivant;
  bool retenir = false;

  // The open polyline.
  PolyligneOuverte polyligne = PolyligneOuverte::Aucune;
  bool fermee = false;
  bool retenue = false;  // its entities are held back
  bool refusee = false;  // the host refused one of its entities
  int sommets = 0;
  std::vector<ListeResbuf> retenues;  // header first, then the vertices
  Point3D precedent{};
  double renflement = 0;
  double largeur = 0;
};

ETAT_SORTIE& etatSortie();

// Appends the layer group, and the linetype group when asked, as they stand.
void ajouteCalque(ListeResbuf& liste, bool avecTypeLigne);

// Makes the entity; a refusal is reported by the status check, then with `message` when given.
bool fabriqueEntite(const ListeResbuf& liste, const char* message);

// A vertex of the open polyline (sortPoint's path while one is open).
bool sortSommet(const Point3D& p);

}  // namespace framework
