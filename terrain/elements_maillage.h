// The records of the terrain mesh: points, constraint segments and triangles,
// each starting with the flag word of VECTEUR, and the evidence of a wall.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "terrain/vecteur.h"

namespace terrain {

// Flag word bits.
inline constexpr uint16_t kMarquesRequete = 0x004F;  // the five query marks
inline constexpr uint16_t kMarqueProfonde = 0x0040;  // queries nested deeper than 4
inline constexpr uint16_t kExclusion1 = 0x0010;
inline constexpr uint16_t kExclusion2 = 0x0020;
inline constexpr uint16_t kJumeau = 0x0400;         // point: stands for the first of its pair
inline constexpr uint16_t kMur = 0x0400;            // segment: wall
inline constexpr uint16_t kMurGaucheHaut = 0x0800;  // segment: its left side is high
inline constexpr uint16_t kMurDecide = 0x1000;      // segment: side decided

struct SEG_MAILLE;

struct PT_MAILLE : VECTEUR {
  // The other point of a double-Z pair: on the first point its twin (the other
  // height, flagged kJumeau, not in the point list); on the twin the first.
  PT_MAILLE* jumeau = nullptr;
  std::vector<SEG_MAILLE*> segments;  // attached walls, during the wall analysis
  std::vector<PT_MAILLE*> voisins;    // linked by a build in a linking mode
  int32_t numero = -1;

  PT_MAILLE() = default;
  explicit PT_MAILLE(const VECTEUR& p) : VECTEUR(p.x, p.y, p.z) {}

  // The point a record stands for: the first of the pair for a twin.
  PT_MAILLE* effectif() { return (drapeaux & kJumeau) && jumeau ? jumeau : this; }
  const PT_MAILLE* effectif() const { return (drapeaux & kJumeau) && jumeau ? jumeau : this; }
  // The other record of the pair, whichever this one is; null for a single point.
  PT_MAILLE* autre() { return jumeau; }
  bool doubleZ() const { return effectif()->jumeau != nullptr; }
};

// Evidence on the high side of a wall: the smaller `valeur`, the surer.
struct PREUVE_MUR {
  double valeur = 0.0;
  int32_t cote = 0;  // 1: the left side is high, 0: the right side
  const PT_MAILLE* point = nullptr;
};

struct SEG_MAILLE {
  uint16_t drapeaux = 0;
  std::vector<PREUVE_MUR> preuves;
  PT_MAILLE* a = nullptr;
  PT_MAILLE* b = nullptr;
  bool retire = false;  // taken out of the mesh (a repeated wall segment)
};

struct TRI_MAILLE {
  uint16_t drapeaux = 0;
  std::array<PT_MAILLE*, 3> p{};

  VECTEUR centre() const;
  // Height of the plane of the triangle at (x, y); false for a degenerate plane.
  bool zPlan(double x, double y, double& z) const;
  double aire() const;
  // (x, y) inside or on the boundary (edges and corners belong to the triangle).
  bool contient(double x, double y) const;
  // Counter-clockwise: exchanges the second and third corners when the third is
  // right of the first edge. False for a triangle with no side.
  bool oriente();
  // The first corner's distance to the line of the two others, or that line's
  // length, below 1e-8.
  bool degenere() const;
};

}  // namespace terrain
