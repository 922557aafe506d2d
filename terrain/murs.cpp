#include "terrain/murs.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <limits>
#include <ostream>
#include <vector>

#include "framework/error_stream.h"
#include "terrain/maillage.h"
#include "terrain/pointgrp.h"

namespace terrain {

namespace {

constexpr double kPreuveSure = 2.0;      // the first pass decides below it
constexpr double kPorteeMur = 10.0;      // loose points farther than this say nothing
constexpr double kPorteeBout = 1.0;      // nor do points this far past a wall's end
constexpr double kPreuveReprise = 0.01;  // a neighbour's own evidence below it wins
constexpr char kMurIndecidable[] = "MUR: impossible de détecter le coté du mur ";

bool estDouble(const PT_MAILLE* p) { return p->effectif()->jumeau != nullptr; }

double moyenne(const PT_MAILLE* p) {
  const PT_MAILLE* e = p->effectif();
  return e->jumeau ? (e->z + e->jumeau->z) / 2.0 : e->z;
}
double bas(const PT_MAILLE* p) {
  const PT_MAILLE* e = p->effectif();
  return e->jumeau ? std::min(e->z, e->jumeau->z) : e->z;
}
double haut(const PT_MAILLE* p) {
  const PT_MAILLE* e = p->effectif();
  return e->jumeau ? std::max(e->z, e->jumeau->z) : e->z;
}

PT_MAILLE* autreBout(const SEG_MAILLE* s, const PT_MAILLE* d) {
  return s->a->effectif() == d ? s->b->effectif() : s->a->effectif();
}

bool gaucheHaut(const SEG_MAILLE* s) { return (s->drapeaux & kMurGaucheHaut) != 0; }

double distanceDroite(const VECTEUR& a, const VECTEUR& b, const VECTEUR& p) {
  const PROJECTION pr = POINTGRP::projette(a, b, p, 3);
  return pr.valide ? std::fabs(pr.decalage) : p.distanceXY(a);
}

// The mean of the low heights and of the high heights of d and a, each taken
// at the foot of p on the line d-a.
double seuilInterpole(const PT_MAILLE* d, const PT_MAILLE* a, const VECTEUR& p) {
  const PROJECTION pr = POINTGRP::projette(*d, *a, p, 1);
  const double t = pr.valide ? pr.abscisse : 0.0;
  const double zBas = bas(d) + t * (bas(a) - bas(d));
  const double zHaut = haut(d) + t * (haut(a) - haut(d));
  return (zBas + zHaut) / 2.0;
}

// Strictly right of the wall, from its first end towards its second.
bool aDroiteDuMur(const SEG_MAILLE* mur, const VECTEUR& p) {
  return POINTGRP::aDroite(*mur->a->effectif(), *mur->b->effectif(), p);
}

// The walls of d in the order of their far end's direction seen from d.
void trieMurs(PT_MAILLE* d) {
  std::stable_sort(
      d->segments.begin(), d->segments.end(), [d](const SEG_MAILLE* x, const SEG_MAILLE* y) {
        return (*autreBout(x, d) - *d).angleDirection() < (*autreBout(y, d) - *d).angleDirection();
      });
}

// The walk shared by the evidence and the side of a point: for each wall w of
// d with its far end a, and the next wall's far end b (three-point wall), or
// none (two-point wall), calls f(w, a, b) until it answers true.
template <typename F>
SEG_MAILLE* parcourtMurs(PT_MAILLE* d, const SEG_MAILLE* seul, F&& f) {
  const std::vector<SEG_MAILLE*>& murs = d->segments;
  const size_t n = murs.size();
  for (size_t i = 0; i < n; ++i) {
    SEG_MAILLE* w = murs[i];
    SEG_MAILLE* w2 = n > 1 ? murs[(i + 1) % n] : nullptr;
    if (seul && w != seul && w2 != seul) continue;
    if (f(w, autreBout(w, d), w2 ? autreBout(w2, d) : nullptr)) return w;
  }
  return nullptr;
}

void ecritMurIndecidable(const SEG_MAILLE* mur) {
  framework::fluxErreur() << kMurIndecidable << *mur->a->effectif() << " - " << *mur->b->effectif();
}

struct DECISION {
  bool prise = false;
  int cote = 0;
  double valeur = 0.0;
};

DECISION decide(const SEG_MAILLE* mur) {
  double minGauche = std::numeric_limits<double>::infinity(), minDroite = minGauche;
  size_t gauche = 0, droite = 0;
  for (const PREUVE_MUR& p : mur->preuves) {
    if (p.cote == 1) {
      ++gauche;
      minGauche = std::min(minGauche, p.valeur);
    } else {
      ++droite;
      minDroite = std::min(minDroite, p.valeur);
    }
  }
  DECISION d;
  d.prise = gauche + droite > 0;
  if (!d.prise) return d;
  if (gauche && minGauche == 0.0) {
    d = {true, 1, 0.0};
    if (droite && minDroite == 0.0) {
      ecritMurIndecidable(mur);
      framework::fluxErreur() << std::endl;
    }
  } else if (droite && minDroite == 0.0) {
    d = {true, 0, 0.0};
  } else if (gauche && droite) {
    if (minGauche < minDroite) {
      d = {true, 1, minGauche};
    } else {
      d = {true, 0, minDroite};
      if (minGauche == minDroite) {
        ecritMurIndecidable(mur);
        framework::fluxErreur() << "; proba gauche et droite : " << minGauche << std::endl;
      }
    }
  } else if (gauche) {
    d = {true, 1, minGauche};
  } else {
    d = {true, 0, minDroite};
  }
  return d;
}

void marque(SEG_MAILLE* mur, int cote) {
  mur->drapeaux |= kMur | kMurDecide;
  if (cote == 1)
    mur->drapeaux |= kMurGaucheHaut;
  else
    mur->drapeaux &= static_cast<uint16_t>(~kMurGaucheHaut);
}

// The walls before and after `mur` in the angular order of d.
std::vector<SEG_MAILLE*> voisinsAngulaires(const PT_MAILLE* d, const SEG_MAILLE* mur) {
  std::vector<SEG_MAILLE*> v;
  const auto& murs = d->segments;
  const auto it = std::find(murs.begin(), murs.end(), mur);
  if (it == murs.end() || murs.size() < 2) return v;
  const size_t i = static_cast<size_t>(it - murs.begin()), n = murs.size();
  v.push_back(murs[(i + 1) % n]);
  if (murs[(i + n - 1) % n] != v.front()) v.push_back(murs[(i + n - 1) % n]);
  return v;
}

void propage(const SEG_MAILLE* w, SEG_MAILLE* n) {
  if (!n->preuves.empty() && n->preuves.back().valeur < kPreuveReprise) {
    marque(n, n->preuves.back().cote);
    return;
  }
  const bool enChaine =
      w->b->effectif() == n->a->effectif() || w->a->effectif() == n->b->effectif();
  marque(n, enChaine == gaucheHaut(w) ? 1 : 0);
}

// One decision pass over the walls with evidence; the walls left undecided
// stay in the list.
void passeDecision(std::vector<SEG_MAILLE*>& avecPreuves, bool final) {
  struct Decide {
    SEG_MAILLE* mur;
    double valeur;
  };
  std::vector<Decide> decides;
  std::vector<SEG_MAILLE*> restants;
  for (SEG_MAILLE* mur : avecPreuves) {
    if ((mur->drapeaux & kMurDecide) || mur->preuves.empty()) {
      restants.push_back(mur);
      continue;
    }
    const DECISION d = decide(mur);
    if (!final && d.valeur >= kPreuveSure) {
      restants.push_back(mur);
      continue;
    }
    mur->preuves.assign(1, PREUVE_MUR{d.valeur, d.cote, nullptr});
    decides.push_back({mur, d.valeur});
  }
  avecPreuves.swap(restants);
  std::stable_sort(decides.begin(), decides.end(),
                   [](const Decide& x, const Decide& y) { return x.valeur < y.valeur; });
  std::deque<SEG_MAILLE*> file;
  for (const Decide& d : decides) file.push_back(d.mur);
  while (!file.empty()) {
    SEG_MAILLE* mur = file.front();
    file.pop_front();
    if (!(mur->drapeaux & kMurDecide)) {
      if (mur->preuves.empty()) continue;
      marque(mur, mur->preuves.front().cote);
    }
    mur->preuves.clear();
    for (PT_MAILLE* bout : {mur->a->effectif(), mur->b->effectif()}) {
      if (!bout->jumeau) continue;
      for (SEG_MAILLE* voisin : voisinsAngulaires(bout, mur)) {
        if (voisin->drapeaux & kMurDecide) continue;
        propage(mur, voisin);
        file.push_front(voisin);
      }
    }
  }
}

void ajoutePreuve(std::vector<SEG_MAILLE*>& avecPreuves, const PREUVE_CALCULEE& p,
                  const PT_MAILLE* point) {
  p.mur->preuves.push_back(PREUVE_MUR{p.valeur, p.cote, point});
  if (std::find(avecPreuves.begin(), avecPreuves.end(), p.mur) == avecPreuves.end())
    avecPreuves.push_back(p.mur);
}

// The end a segment is registered on, the same whichever way it runs.
PT_MAILLE* boutCanonique(const SEG_MAILLE* s) {
  PT_MAILLE* a = s->a->effectif();
  PT_MAILLE* b = s->b->effectif();
  if (a->x != b->x) return a->x < b->x ? a : b;
  if (a->y != b->y) return a->y < b->y ? a : b;
  return std::less<PT_MAILLE*>()(a, b) ? a : b;
}

bool memesBouts(const SEG_MAILLE* s, const SEG_MAILLE* t) {
  const PT_MAILLE *a = s->a->effectif(), *b = s->b->effectif();
  const PT_MAILLE *c = t->a->effectif(), *d = t->b->effectif();
  return (a == c && b == d) || (a == d && b == c);
}

}  // namespace

PREUVE_CALCULEE preuvePoint(PT_MAILLE* d, const PT_MAILLE& p, int mode, const SEG_MAILLE* seul) {
  PREUVE_CALCULEE r;
  double seuil = 0.0;
  r.mur = parcourtMurs(d, seul, [&](SEG_MAILLE*, PT_MAILLE* a, PT_MAILLE* b) {
    if (b) {
      if (!POINTGRP::aDroiteChemin(*a, *d, *b, p, 1, true)) return false;
      if (mode == 1) {
        r.valeur = 0.0;
        seuil = moyenne(d);
        return true;
      }
      const double dA = distanceDroite(*a, *d, p), dB = distanceDroite(*d, *b, p);
      const double dD = p.distanceXY(*d);
      r.valeur = std::min({dA, dB, dD}) + 1.0;
      if (r.valeur > kPorteeMur) return false;
      if (std::min(dA, dB) <= dD)
        seuil = dA < dB ? seuilInterpole(d, a, p) : seuilInterpole(d, b, p);
      else
        seuil = moyenne(d);
      return true;
    }
    const PROJECTION pr = POINTGRP::projette(*d, *a, p, 1);
    const double t = pr.valide ? pr.abscisse : 0.0;
    if (mode == 1) {
      if (t >= EPS_COORD && t <= 1.0 - EPS_COORD) {
        r.valeur = 0.1;
      } else {
        const double e = std::max(t < 0.5 ? -t : t - 1.0, 0.0);
        r.valeur = d->distanceXY(*a) * e + 0.2;
      }
      seuil = moyenne(d);
      return true;
    }
    r.valeur = distanceDroite(*d, *a, p);
    if (r.valeur > kPorteeMur) return false;
    if (t < -EPS_COORD || t > 1.0 + EPS_COORD) {
      const double bout = std::min(p.distanceXY(*a), p.distanceXY(*d));
      if (bout > kPorteeBout) return false;
      r.valeur += bout;
    }
    seuil = t <= 0.0 ? moyenne(d) : t >= 1.0 ? moyenne(a) : seuilInterpole(d, a, p);
    return true;
  });
  if (!r.mur) return r;
  const bool estHaut = p.z >= seuil;
  const bool droite = aDroiteDuMur(r.mur, p);
  r.cote = (estHaut && !droite) || (!estHaut && droite) ? 1 : 0;
  return r;
}

void analyseMurs(MAILLAGE& maillage) {
  // 1. Wall detection: a segment at a double-Z point is registered on one of
  // its ends; a second one between the same points goes.
  for (PT_MAILLE* p : maillage.points()) p->segments.clear();
  const std::vector<SEG_MAILLE*> segments = maillage.segments();
  for (SEG_MAILLE* s : segments) {
    const int doubles = estDouble(s->a) + estDouble(s->b);
    if (doubles == 0) continue;
    PT_MAILLE* bout = boutCanonique(s);
    const auto meme = std::find_if(bout->segments.begin(), bout->segments.end(),
                                   [&](const SEG_MAILLE* t) { return memesBouts(s, t); });
    if (meme != bout->segments.end()) {
      maillage.retireSegment(s);
      if (doubles == 1) (*meme)->drapeaux |= kMur | kMurGaucheHaut;
      continue;
    }
    bout->segments.push_back(s);
    if (doubles == 2) s->drapeaux |= kMur | kMurGaucheHaut;
  }
  // 2. Attachment to the double-Z ends.
  for (PT_MAILLE* p : maillage.points()) p->segments.clear();
  for (SEG_MAILLE* s : maillage.segments())
    for (PT_MAILLE* bout : {s->a->effectif(), s->b->effectif()})
      if (bout->jumeau &&
          std::find(bout->segments.begin(), bout->segments.end(), s) == bout->segments.end())
        bout->segments.push_back(s);

  // 3. Evidence from the breaklines leaving each double-Z point.
  std::vector<SEG_MAILLE*> avecPreuves;
  for (PT_MAILLE* d : ordreDeListe(maillage.points())) {
    if (!d->jumeau) continue;
    std::vector<SEG_MAILLE*> lignes;
    std::erase_if(d->segments, [&](SEG_MAILLE* s) {
      if (s->drapeaux & kMur) return false;
      lignes.push_back(s);
      return true;
    });
    if (d->segments.empty()) continue;
    trieMurs(d);
    for (SEG_MAILLE* ligne : lignes) {
      const PT_MAILLE* loin = ligne->a->effectif() == d ? ligne->b : ligne->a;
      const PREUVE_CALCULEE p = preuvePoint(d, *loin, 1);
      if (p.mur) ajoutePreuve(avecPreuves, p, loin);
    }
  }
  // 4. The sure decisions.
  passeDecision(avecPreuves, false);

  // 5. Evidence from the points near the walls still undecided.
  for (SEG_MAILLE* mur : maillage.segments()) {
    if (!(mur->drapeaux & kMur) || (mur->drapeaux & kMurDecide)) continue;
    PT_MAILLE* a = mur->a->effectif();
    PT_MAILLE* b = mur->b->effectif();
    std::vector<PT_MAILLE*> proches;
    maillage.pourPoints(a->x, a->y, b->x, b->y, kPorteeMur, [&](PT_MAILLE* q) {
      if (q->effectif() != a && q->effectif() != b) proches.push_back(q);
      return true;
    });
    for (PT_MAILLE* q : proches)
      for (PT_MAILLE* bout : {a, b}) {
        if (!bout->jumeau) continue;
        const PREUVE_CALCULEE p = preuvePoint(bout, *q, 0, mur);
        if (p.mur) ajoutePreuve(avecPreuves, p, q);
      }
  }
  // 6. Every remaining decision.
  passeDecision(avecPreuves, true);
}

void assigneDoubleZ(MAILLAGE& maillage) {
  for (TRI_MAILLE* t : maillage.triangles()) {
    const VECTEUR centre = t->centre();
    for (PT_MAILLE*& coin : t->p) {
      PT_MAILLE* d = coin->effectif();
      if (!d->jumeau) continue;
      bool cotHaut = false;
      const SEG_MAILLE* mur =
          parcourtMurs(d, nullptr, [&](SEG_MAILLE* w, PT_MAILLE* a, PT_MAILLE* b) {
            if (b) {
              if (!POINTGRP::aDroiteChemin(*a, *d, *b, centre, 1, true)) return false;
              const bool deAversD = w->a->effectif() == a;
              cotHaut = deAversD ? !gaucheHaut(w) : gaucheHaut(w);
              return true;
            }
            cotHaut = gaucheHaut(w) != aDroiteDuMur(w, centre);
            return true;
          });
      if (!mur || !(mur->drapeaux & kMurDecide)) continue;
      PT_MAILLE* bas = d->z <= d->jumeau->z ? d : d->jumeau;
      PT_MAILLE* haut = bas == d ? d->jumeau : d;
      coin = cotHaut ? haut : bas;
    }
  }
  const std::vector<SEG_MAILLE*> murs = maillage.segments();
  for (SEG_MAILLE* s : murs) {
    if (!(s->drapeaux & kMur)) continue;
    PT_MAILLE* a = s->a->effectif();
    PT_MAILLE* b = s->b->effectif();
    PT_MAILLE* a2 = a->jumeau ? a->jumeau : a;
    PT_MAILLE* b2 = b->jumeau ? b->jumeau : b;
    maillage.ajouteTriangle(a, b, a2);
    maillage.ajouteTriangle(b, a2, b2);
  }
}

}  // namespace terrain
