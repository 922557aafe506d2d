// Cut and fill between two triangulated surfaces by prisms: each triangle of
// surface 1 (the ground) is clipped in plan by the triangles of surface 2 (the
// project) that overlap it, each overlap is split where the two surfaces
// cross, and each piece counts the difference of its two prism volumes.
// Cut is where surface 1 lies above surface 2, fill where it lies below.
#pragma once
#include <cstdint>
#include <span>

#include "terrain/maillage.h"
#include "terrain/pointgrp.h"

namespace earthworks {

using terrain::MAILLAGE;
using terrain::TRI_MAILLE;
using terrain::VECTEUR;

class CUBATUREPRISME {
 public:
  // Neither mesh is owned; surface 2's grid is built when missing.
  CUBATUREPRISME(MAILLAGE& surface1, MAILLAGE& surface2);

  // Detail levels.
  static constexpr int32_t kVolumes = 0;  // volumes and plan areas
  static constexpr int32_t kAires3D = 1;  // also the 3D areas
  static constexpr int32_t kDessin = 2;   // also draws every piece
  // Fill volume minus cut volume; the fields below hold the details.
  double calcule(int32_t niveauDetail);
  // True when the two triangles overlap in plan.
  bool traitePaire(const TRI_MAILLE& t1, const TRI_MAILLE& t2);

  // Results, reset by calcule.
  double surfaceDeblai = 0.0;                              // plan area of the cut pieces
  double surfaceRemblai = 0.0;                             // plan area of the fill pieces
  double surface3DDeblai1 = 0.0, surface3DRemblai1 = 0.0;  // 3D, on surface 1's planes
  double surface3DDeblai2 = 0.0, surface3DRemblai2 = 0.0;  // 3D, on surface 2's planes
  double surfaceTotale = 0.0;                              // plan area of surface 1's triangles
  double volumeDeblai = 0.0;
  double volumeRemblai = 0.0;
  // Plan area of the pieces whose volume is too small to tell cut from fill:
  // they are in neither area above.
  double residu = 0.0;
  int32_t niveauDetail = kVolumes;

 private:
  // A pair of triangles seen from the first corner of the surface-1 triangle:
  // products of national-grid coordinates would swamp the tolerances.
  struct PAIRE {
    VECTEUR origine;
    terrain::REPERE_PLAN plan1, plan2;
  };
  // The signed volume of one piece (local coordinates), positive for cut.
  double mesurePiece(std::span<const VECTEUR> piece, const PAIRE& paire);
  void dessinePiece(std::span<const VECTEUR> piece, const PAIRE& paire, bool deblai);

  MAILLAGE& surface1_;
  MAILLAGE& surface2_;
};

}  // namespace earthworks
