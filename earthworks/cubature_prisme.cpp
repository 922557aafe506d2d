#include "earthworks/cubature_prisme.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <ostream>

#include "framework/error_stream.h"
#include "framework/sortie_entites.h"

namespace earthworks {

namespace {

using terrain::POINTGRP;

// Below this volume a piece is neither cut nor fill.
constexpr double kVolumeNegligeable = 1e-8;
// Surfaces closer than this on average over a piece coincide there: the piece
// is rightly neither cut nor fill, and no part of the residual.
constexpr double kEcartConfondu = 1e-6;
// Pieces of this many corners or more are not counted (two triangles give
// at most 6, 8 once split).
constexpr size_t kCoinsMax = 15;
// The overlap of two triangles fits here, with room.
constexpr size_t kCapaciteRecouvrement = 9;

struct BOITE_PLAN {
  double x0, y0, x1, y1;
};

BOITE_PLAN boite(const TRI_MAILLE& t) {
  return {std::min({t.p[0]->x, t.p[1]->x, t.p[2]->x}), std::min({t.p[0]->y, t.p[1]->y, t.p[2]->y}),
          std::max({t.p[0]->x, t.p[1]->x, t.p[2]->x}), std::max({t.p[0]->y, t.p[1]->y, t.p[2]->y})};
}

bool disjointes(const BOITE_PLAN& a, const BOITE_PLAN& b) {
  return a.x1 < b.x0 || b.x1 < a.x0 || a.y1 < b.y0 || b.y1 < a.y0;
}

// The piece's corners with their heights on a plane.
std::array<VECTEUR, kCoinsMax> surPlan(std::span<const VECTEUR> piece,
                                       const terrain::REPERE_PLAN& plan) {
  std::array<VECTEUR, kCoinsMax> r{};
  for (size_t k = 0; k < piece.size(); ++k) {
    r[k] = VECTEUR(piece[k].x, piece[k].y);
    POINTGRP::zPlan(plan, piece[k].x, piece[k].y, r[k].z);
  }
  return r;
}

}  // namespace

CUBATUREPRISME::CUBATUREPRISME(MAILLAGE& surface1, MAILLAGE& surface2)
    : surface1_(surface1), surface2_(surface2) {}

double CUBATUREPRISME::calcule(int32_t niveau) {
  surfaceDeblai = surfaceRemblai = 0.0;
  surface3DDeblai1 = surface3DRemblai1 = surface3DDeblai2 = surface3DRemblai2 = 0.0;
  surfaceTotale = volumeDeblai = volumeRemblai = residu = 0.0;
  niveauDetail = niveau;
  for (const TRI_MAILLE* t1 : terrain::ordreDeListe(surface1_.triangles())) {
    surfaceTotale += POINTGRP::aireTriangle(*t1->p[0], *t1->p[1], *t1->p[2]);
    const BOITE_PLAN b1 = boite(*t1);
    surface2_.pourTriangles(b1.x0, b1.y0, b1.x1, b1.y1, 0.0, [&](TRI_MAILLE* t2) {
      if (!disjointes(b1, boite(*t2))) traitePaire(*t1, *t2);
      return true;
    });
  }
  if (residu >= 1.0)
    framework::fluxErreur() << "Le résultat de cubature est entaché d'une erreur de " << residu
                            << " m2" << std::endl;
  return volumeRemblai - volumeDeblai;
}

bool CUBATUREPRISME::traitePaire(const TRI_MAILLE& t1, const TRI_MAILLE& t2) {
  PAIRE paire;
  paire.origine = VECTEUR(t1.p[0]->x, t1.p[0]->y, t1.p[0]->z);
  const std::array<VECTEUR, 3> local1{*t1.p[0] - paire.origine, *t1.p[1] - paire.origine,
                                      *t1.p[2] - paire.origine};
  const std::array<VECTEUR, 3> local2{*t2.p[0] - paire.origine, *t2.p[1] - paire.origine,
                                      *t2.p[2] - paire.origine};
  std::array<VECTEUR, kCapaciteRecouvrement> recouvrement;
  const int n = VECTEUR::Intersection(local1, local2, recouvrement);
  if (n < 3) return false;
  paire.plan1 = POINTGRP::repere(local1[0], local1[1], local1[2]);
  paire.plan2 = POINTGRP::repere(local2[0], local2[1], local2[2]);
  double z = 0.0;
  if (!POINTGRP::zPlan(paire.plan1, 0.0, 0.0, z) || !POINTGRP::zPlan(paire.plan2, 0.0, 0.0, z)) {
    // A triangle without a plane (a vertical or flattened face) has next to
    // no plan area: the overlap cannot say which side it is on.
    residu +=
        std::fabs(POINTGRP::aireSignee(std::span(recouvrement.data(), static_cast<size_t>(n))));
    return true;
  }

  // Heights: surface 2 minus surface 1, whose sign changes where they cross.
  const std::span<VECTEUR> polygone(recouvrement.data(), static_cast<size_t>(n));
  for (VECTEUR& p : polygone) {
    double z1 = 0.0, z2 = 0.0;
    POINTGRP::zPlan(paire.plan1, p.x, p.y, z1);
    POINTGRP::zPlan(paire.plan2, p.x, p.y, z2);
    p.z = z2 - z1;
  }
  if (const auto decoupe = POINTGRP::decoupeZero(polygone)) {
    mesurePiece(decoupe->premier, paire);
    mesurePiece(decoupe->second, paire);
  } else {
    mesurePiece(polygone, paire);
  }
  return true;
}

double CUBATUREPRISME::mesurePiece(std::span<const VECTEUR> piece, const PAIRE& paire) {
  const size_t n = piece.size();
  if (n >= kCoinsMax) {
    framework::fluxErreur() << "CUBATUREPRISME::_gestion_plan : decoupage trop important : " << n
                            << std::endl;
    return 0.0;
  }
  if (n < 3) return 0.0;
  const auto sur1 = surPlan(piece, paire.plan1);
  const auto sur2 = surPlan(piece, paire.plan2);
  const std::span<const VECTEUR> piece1(sur1.data(), n), piece2(sur2.data(), n);
  const double volume = POINTGRP::volumeEventail(piece1) - POINTGRP::volumeEventail(piece2);
  const double aire = std::fabs(POINTGRP::aireSignee(piece));
  if (std::fabs(volume) < kVolumeNegligeable) {
    if (std::fabs(volume) > kEcartConfondu * aire) residu += aire;
    return volume;
  }
  const bool deblai = volume >= 0.0;
  (deblai ? surfaceDeblai : surfaceRemblai) += aire;
  (deblai ? volumeDeblai : volumeRemblai) += std::fabs(volume);
  if (niveauDetail >= kAires3D) {
    for (size_t i = 1; i + 1 < n; ++i) {
      (deblai ? surface3DDeblai1 : surface3DRemblai1) +=
          POINTGRP::aireHeron(piece1[0], piece1[i], piece1[i + 1]);
      (deblai ? surface3DDeblai2 : surface3DRemblai2) +=
          POINTGRP::aireHeron(piece2[0], piece2[i], piece2[i + 1]);
    }
  }
  if (niveauDetail >= kDessin) dessinePiece(piece, paire, deblai);
  return volume;
}

void CUBATUREPRISME::dessinePiece(std::span<const VECTEUR> piece, const PAIRE& paire, bool deblai) {
  // Each corner at the height difference, surface 2 minus surface 1.
  const framework::CalqueSortieTemporaire calque(deblai ? "CubeDeblais" : "CubeRemblais");
  auto coin = [&](size_t k) {
    return framework::Point3D{piece[k].x + paire.origine.x, piece[k].y + paire.origine.y,
                              piece[k].z};
  };
  for (size_t i = 1; i + 1 < piece.size(); ++i) {
    const framework::Point3D c = coin(i + 1);
    framework::sortFace3D(coin(0), coin(i), c, c);
  }
}

}  // namespace earthworks
