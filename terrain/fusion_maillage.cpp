// Merging coincident points, which fills a new mesh from the old one (whose
// content then takes the old one's place), and splitting crossing segments.
#include <algorithm>
#include <cmath>
#include <vector>

#include "terrain/maillage.h"
#include "terrain/pointgrp.h"

namespace terrain {

namespace {

constexpr char kLibelleDecoupe[] = "InterSeg";

// The height along a-b at the point of it nearest to p.
double zSurSegment(const VECTEUR& a, const VECTEUR& b, const VECTEUR& p) {
  const PROJECTION pr = POINTGRP::projette(a, b, p, 1);
  return pr.valide ? a.z + pr.abscisse * (b.z - a.z) : a.z;
}

}  // namespace

void MAILLAGE::prepareCopie(MAILLAGE& nouveau) const {
  nouveau.toleranceZ = toleranceZ;
  nouveau.zNul = zNul;
  nouveau.doubleZ = doubleZ;
  nouveau.problemes_ = problemes_;
  const BOITE b = boite();
  nouveau.grille_.prepare(b.min, b.max, points_.size());
  nouveau.points_.reserve(points_.size());
  // The same points over the same grid: each cell will hold about as many.
  if (grille_.nombreCellules() == nouveau.grille_.nombreCellules())
    for (size_t c = 0; c < grille_.nombreCellules(); ++c)
      nouveau.grille_.cellule(c).points.reserve(grille_.cellule(c).points.size());
}

void MAILLAGE::fusionnePoints() {
  MAILLAGE nouveau(variante_);
  prepareCopie(nouveau);
  // Cell by cell, so that the merged points lie in memory as they lie on the
  // ground (the searches of a large mesh then stay in the processor's cache);
  // within a cell oldest first: of two heights within the tolerance, the first
  // read stays.
  GRILLE_MAILLAGE& grille = nouveau.grille_;
  std::vector<size_t> debut(grille.nombreCellules() + 1, 0);
  for (const PT_MAILLE* p : points_) ++debut[grille.numeroCellule(p->x, p->y) + 1];
  for (size_t c = 1; c < debut.size(); ++c) debut[c] += debut[c - 1];
  for (size_t c = 0; c + 1 < debut.size(); ++c)
    grille.cellule(c).points.reserve(debut[c + 1] - debut[c]);
  std::vector<PT_MAILLE*> parCellule(points_.size());
  for (PT_MAILLE* p : points_) parCellule[debut[grille.numeroCellule(p->x, p->y)]++] = p;
  for (PT_MAILLE* p : parCellule) {
    nouveau.trouvePoint(*p, true, variante_.libelleFusion);
    if (p->jumeau) nouveau.trouvePoint(*p->jumeau, true, variante_.libelleFusion);
  }
  for (SEG_MAILLE* s : segments_) nouveau.trouveSegment(*s->a, *s->b, true);
  for (TRI_MAILLE* t : triangles_) nouveau.trouveTriangle(*t->p[0], *t->p[1], *t->p[2], true);
  prendContenu(nouveau);
  // Every point was made by a search that found none within the tolerance.
  pointsDistincts_ = true;
}

void MAILLAGE::decoupeSegments() {
  // The split works on distinct points; a point added since the last merge
  // may sit on another.
  if (!pointsDistincts_) fusionnePoints();
  construitGrille();

  // First every segment's cuts, from the mesh as it stands: the heights along
  // a segment are those of its ends before any cut moves them.
  struct Coupe {
    VECTEUR point;
    double distance;
  };
  struct Decoupe {
    VECTEUR a, b;
    std::vector<Coupe> coupes;  // ends included when cut, empty otherwise
  };
  std::vector<Decoupe> decoupes;
  decoupes.reserve(segments_.size());
  std::vector<Coupe> coupes;
  for (SEG_MAILLE* s : segments_) {
    const PT_MAILLE& a = *s->a;
    const PT_MAILLE& b = *s->b;
    if (a.effectif() == b.effectif()) continue;
    coupes.clear();
    auto ajoute = [&](const VECTEUR& q) {
      coupes.push_back({VECTEUR(q.x, q.y, zSurSegment(a, b, q)), 0.0});
    };
    pourSegments(a.x, a.y, b.x, b.y, 0.0, [&](SEG_MAILLE* autre) {
      if (autre == s || autre->a->effectif() == autre->b->effectif()) return true;
      const INTERSECTION_SEGMENTS x = POINTGRP::Intersection(a, b, *autre->a, *autre->b);
      if (!x) return true;
      if (x.type == INTERSECTION_SEGMENTS::POINT) {
        ajoute(x.point);
      } else if (x.type == INTERSECTION_SEGMENTS::RECOUVREMENT) {
        for (int k = 0; k < x.nbExtremites; ++k) {
          const VECTEUR* e = x.extremites[static_cast<size_t>(k)];
          if (e != &a && e != &b && !e->egal2D(a) && !e->egal2D(b)) ajoute(*e);
        }
      }
      return true;
    });
    pourPoints(a.x, a.y, b.x, b.y, 0.0, [&](PT_MAILLE* q) {
      if (q->effectif() == a.effectif() || q->effectif() == b.effectif()) return true;
      const PROJECTION pr = POINTGRP::projette(a, b, *q, 1);
      const PROJECTION metres = POINTGRP::projette(a, b, *q, 3);
      if (pr.valide && pr.abscisse >= 0.0 && pr.abscisse <= 1.0 &&
          std::fabs(metres.decalage) < EPS_COORD)
        ajoute(*q);
      return true;
    });
    Decoupe& d = decoupes.emplace_back(Decoupe{a, b, {}});
    if (coupes.empty()) continue;
    const double longueur = a.distanceXY(b);
    for (Coupe& c : coupes) c.distance = POINTGRP::projette(a, b, c.point, 3).abscisse;
    std::erase_if(coupes, [&](const Coupe& c) {
      return c.distance < -EPS_COORD || c.distance > longueur + EPS_COORD ||
             c.distance < EPS_COORD || c.distance > longueur - EPS_COORD;
    });
    coupes.push_back({a, 0.0});
    coupes.push_back({b, longueur});
    std::stable_sort(coupes.begin(), coupes.end(),
                     [](const Coupe& x, const Coupe& y) { return x.distance < y.distance; });
    d.coupes = coupes;
  }

  // Then the segments again, in the same order, cut where they cross: the
  // points stay where they are (a large mesh is not copied for a few cuts);
  // the old segment records stay allocated, out of every list.
  for (SEG_MAILLE* s : segments_) s->retire = true;
  segments_.clear();
  grille_.videSegments();
  for (const Decoupe& d : decoupes) {
    if (d.coupes.empty()) {
      trouveSegment(d.a, d.b, true, kLibelleDecoupe);
      continue;
    }
    // Each point found once, so that a height conflict is met (and reported) once.
    PT_MAILLE* precedent = nullptr;
    for (const Coupe& c : d.coupes) {
      PT_MAILLE* p = trouvePoint(c.point, true, kLibelleDecoupe);
      if (precedent) segmentEntre(precedent, p);
      precedent = p;
    }
  }
}

}  // namespace terrain
