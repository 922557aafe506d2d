#include "terrain/construction_maillage.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "framework/error_stream.h"
#include "platform.h"
#include "terrain/murs.h"
#include "terrain/pointgrp.h"
#include "terrain/triangulation.h"

namespace terrain {

namespace {

constexpr char kOptionsTriangle[] = "pczAe";

// The limit polygon's points, without a repeat of the first or last one kept.
std::vector<VECTEUR> pointsLimite(const std::vector<VECTEUR>& limite) {
  std::vector<VECTEUR> kept;
  for (const VECTEUR& p : limite) {
    if (!kept.empty() && (p.egal3D(kept.front()) || p.egal3D(kept.back()))) continue;
    kept.push_back(p);
  }
  return kept;
}

void ajouteVoisin(PT_MAILLE* p, PT_MAILLE* voisin) {
  if (std::find(p->voisins.begin(), p->voisins.end(), voisin) == p->voisins.end())
    p->voisins.push_back(voisin);
}

bool tropLoin(const TRI_MAILLE& t, double distance, bool surAretes) {
  if (!(distance > 0.0)) return false;
  if (surAretes) {
    for (size_t k = 0; k < 3; ++k)
      if (t.p[k]->distanceXY(*t.p[(k + 1) % 3]) > distance) return true;
    return false;
  }
  const VECTEUR centre = t.centre();
  for (const PT_MAILLE* p : t.p)
    if (p->distanceXY(centre) > distance) return true;
  return false;
}

void signaleProblemes(const std::string& problemes) {
  if (problemes.empty()) return;
  const std::string texte =
      "Des problemes sont signalés - Voici la liste :\r\n" + problemes + "\r\nFin de liste\r\n";
  framework::fluxErreur() << texte << std::flush;
  platform::messageBox(nullptr, texte.c_str(), "Erreurs d'intégrité", MB_OK);
}

// The library's triangles in the order of their smallest corner number: the
// points are numbered cell by cell, so the triangles of a cell come together
// in memory, and a height lookup reads a few neighbouring records instead of
// records scattered over the whole mesh.
std::vector<size_t> ordreSpatial(const ResultatTriangulation& sortie, size_t nombrePoints) {
  const size_t rendus = sortie.nombreTriangles();
  nombrePoints = std::max<size_t>(nombrePoints, 1);
  auto cle = [&](size_t t) {
    const int* c = &sortie.triangles[3 * t];
    const int m = std::min({c[0], c[1], c[2]});
    return m >= 0 && static_cast<size_t>(m) < nombrePoints ? static_cast<size_t>(m) : 0;
  };
  std::vector<size_t> debut(nombrePoints + 1, 0);
  for (size_t t = 0; t < rendus; ++t) ++debut[cle(t) + 1];
  for (size_t k = 1; k <= nombrePoints; ++k) debut[k] += debut[k - 1];
  std::vector<size_t> ordre(rendus);
  for (size_t t = 0; t < rendus; ++t) ordre[debut[cle(t)]++] = t;
  return ordre;
}

}  // namespace

bool construitMaillage(MAILLAGE& maillage, const PARAMETRES_CONSTRUCTION& parametres) {
  std::ostream& erreurs = framework::fluxErreur();
  maillage.problemes().clear();
  maillage.doubleZ = parametres.doubleZ;
  // No grid over the raw points: the merge fills a new mesh with its own, and
  // a limit polygon's search builds this one when it needs it.

  std::vector<VECTEUR> limite = pointsLimite(parametres.limite);
  if (!limite.empty() &&
      (limite.size() < 3 || std::fabs(POINTGRP::aireSignee(limite)) < EPS_COORD)) {
    erreurs << "Polygone limite dégénéré : ignoré" << std::endl;
    limite.clear();
  }
  for (size_t k = 0; k < limite.size() && limite.size() >= 2; ++k)
    maillage.trouveSegment(limite[k], limite[(k + 1) % limite.size()], true);

  maillage.fusionnePoints();
  maillage.decoupeSegments();

  if (maillage.doubleZ) {
    const size_t doubles = maillage.nombreDoubleZ();
    if (doubles > 0) {
      erreurs << doubles << " points avec 2 Z" << std::endl;
      analyseMurs(maillage);
    } else {
      maillage.doubleZ = false;
    }
  }

  maillage.numerote();
  const size_t n = maillage.index().size();
  if (n < 3) return false;
  // Beyond this the library's predicates overflow; a survey never gets there.
  constexpr double kPortee = 1e9;
  for (const PT_MAILLE* p : maillage.index())
    if (!(std::fabs(p->x) <= kPortee && std::fabs(p->y) <= kPortee && std::isfinite(p->z))) {
      erreurs << "Maillage impossible : coordonnées hors de portée (au-delà de 1e9 m)" << std::endl;
      return false;
    }

  double distance = parametres.distanceMax;
  if (distance < 0.0 && maillage.variante().distanceSurAretes)
    erreurs << "Manque la contrainte distance" << std::endl;

  EntreeTriangulation entree;
  entree.options = kOptionsTriangle;
  entree.xy.reserve(2 * n);
  entree.z.reserve(n);
  for (const PT_MAILLE* p : maillage.index()) {
    entree.xy.push_back(p->x);
    entree.xy.push_back(p->y);
    entree.z.push_back(p->z);
  }
  for (const SEG_MAILLE* s : ordreDeListe(maillage.segments())) {
    entree.segments.push_back(s->a->numero);
    entree.segments.push_back(s->b->numero);
  }
  ResultatTriangulation sortie;
  std::string erreur;
  if (!trianguler(entree, sortie, erreur)) {
    erreurs << erreur << std::endl;
    return false;
  }
  entree = EntreeTriangulation();

  // Points the library inserted (numbers from n up) join the mesh with the
  // height it interpolated, so that their triangles keep their true corners.
  std::vector<PT_MAILLE*> parNumero(maillage.index().begin(), maillage.index().end());
  for (size_t k = n; k < sortie.nombrePoints(); ++k) {
    PT_MAILLE* p =
        maillage.ajoutePoint(VECTEUR(sortie.xy[2 * k], sortie.xy[2 * k + 1], sortie.z[k]));
    p->numero = static_cast<int32_t>(k);
    parNumero.push_back(p);
  }

  size_t problemesIndex = 0;
  std::vector<std::array<PT_MAILLE*, 3>> gardes;
  const size_t rendus = sortie.nombreTriangles();
  for (const size_t t : ordreSpatial(sortie, parNumero.size())) {
    TRI_MAILLE tri;
    for (size_t c = 0; c < 3; ++c) {
      const int numero = sortie.triangles[3 * t + c];
      if (numero < 0 || static_cast<size_t>(numero) >= parNumero.size()) {
        ++problemesIndex;
        tri.p[c] = parNumero[0];
        continue;
      }
      if (static_cast<size_t>(numero) >= n) ++problemesIndex;
      tri.p[c] = parNumero[static_cast<size_t>(numero)];
    }
    if (tri.degenere()) continue;
    if (tropLoin(tri, distance, maillage.variante().distanceSurAretes)) continue;
    if (!limite.empty() && !POINTGRP::interieur(limite, tri.centre())) continue;
    if (parametres.mode == 0) {
      gardes.push_back(tri.p);
    } else if (parametres.mode > 0) {
      for (size_t c = 0; c < 3; ++c) {
        ajouteVoisin(tri.p[c], tri.p[(c + 1) % 3]);
        ajouteVoisin(tri.p[c], tri.p[(c + 2) % 3]);
      }
    } else if (tri.oriente() && !tri.degenere()) {
      for (size_t c = 0; c < 3; ++c) ajouteVoisin(tri.p[c], tri.p[(c + 1) % 3]);
    }
  }
  if (parametres.mode == 0) {
    maillage.ajouteTriangles(gardes);
    erreurs << gardes.size() << " triangles générés (/" << rendus << ")" << std::endl;
  }
  signaleProblemes(maillage.problemes());
  if (problemesIndex > 0) erreurs << problemesIndex << " PROBLEMES D'INDEX !!!" << std::endl;
  if (maillage.doubleZ) assigneDoubleZ(maillage);
  return true;
}

}  // namespace terrain
