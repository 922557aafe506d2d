#include "tools3d/talus.h"

#include <cmath>

#include "terrain/pointgrp.h"
#include "tools3d/plan.h"

namespace tools3d {

namespace {

constexpr double kDemiSonde = 10000.0;

// The point at plan distance `s` from c towards t, z along the slope.
Point3D pointSurLigne(const STATION_TALUS& st, double s) {
  const double f = s / st.longueurPlan;
  return {st.crete[0] + f * (st.pied[0] - st.crete[0]),
          st.crete[1] + f * (st.pied[1] - st.crete[1]),
          st.crete[2] + f * (st.pied[2] - st.crete[2])};
}

// The unit plan vector from a to b (b - a has a plan length).
void unitaire(const Point3D& a, const Point3D& b, STATION_CRETE& st) {
  const double l = distancePlan(a, b);
  st.dx = (b[0] - a[0]) / l;
  st.dy = (b[1] - a[1]) / l;
}

// The plan direction of the crest at a station on segment k: towards the
// segment's end, or, at its end vertex, along the next segment that has a
// length (the previous one at the crest's end). Taken as a vector, so that
// the probe across an axis-aligned crest stays exactly square to it.
void directionCrete(const std::vector<Point3D>& crete, size_t k, STATION_CRETE& st) {
  if (distancePlan(st.point, crete[k + 1]) > 0) return unitaire(st.point, crete[k + 1], st);
  for (size_t j = k + 1; j + 1 < crete.size(); ++j)
    if (distancePlan(crete[j], crete[j + 1]) > 0) return unitaire(crete[j], crete[j + 1], st);
  for (size_t j = k + 1; j-- > 0;)
    if (distancePlan(crete[j], crete[j + 1]) > 0) return unitaire(crete[j], crete[j + 1], st);
}

STATION_CRETE station(const std::vector<Point3D>& crete, size_t k, double s) {
  STATION_CRETE st;
  st.segment = k;
  st.point = pointADistance(crete[k], crete[k + 1], s);
  directionCrete(crete, k, st);
  return st;
}

}  // namespace

double pasStations(int echelle) {
  if (echelle <= 150) return 0.125;
  if (echelle <= 350) return 0.2;
  if (echelle <= 750) return 1.0 / 3.0;
  if (echelle <= 1500) return 0.5;
  return 1.0;
}

std::vector<STATION_CRETE> stationsCrete(const std::vector<Point3D>& crete, double pas) {
  std::vector<STATION_CRETE> stations;
  if (crete.size() < 2 || !(pas > 0)) return stations;
  stations.push_back(station(crete, 0, 0.0));
  for (;;) {
    const STATION_CRETE& derniere = stations.back();
    size_t k = derniere.segment;
    const double d = distancePlan(derniere.point, crete[k + 1]);
    if (d >= pas) {
      const double deja = distancePlan(crete[k], derniere.point);
      stations.push_back(station(crete, k, deja + pas));
      continue;
    }
    double reste = pas - d;
    bool place = false;
    for (++k; k + 1 < crete.size(); ++k) {
      const double longueur = distancePlan(crete[k], crete[k + 1]);
      if (longueur >= reste) {
        stations.push_back(station(crete, k, reste));
        place = true;
        break;
      }
      reste -= longueur;
    }
    if (!place) break;
  }
  return stations;
}

bool piedLePlusProche(const STATION_CRETE& station, const std::vector<PIED_TALUS>& pieds,
                      STATION_TALUS& resultat) {
  using terrain::VECTEUR;
  const Point3D& p = station.point;
  // The probe, square to the crest on both sides.
  const double nx = -station.dy * kDemiSonde, ny = station.dx * kDemiSonde;
  const VECTEUR a(p[0] + nx, p[1] + ny), b(p[0] - nx, p[1] - ny);
  bool trouve = false;
  double meilleure = 0;
  for (const PIED_TALUS& pied : pieds) {
    for (size_t i = 0; i + 1 < pied.size(); ++i) {
      const VECTEUR c(pied[i][0], pied[i][1]), d(pied[i + 1][0], pied[i + 1][1]);
      const terrain::INTERSECTION_SEGMENTS x = terrain::POINTGRP::Intersection(a, b, c, d);
      if (x.type != terrain::INTERSECTION_SEGMENTS::POINT) continue;
      const Point3D q{x.point.x, x.point.y, 0};
      const double distance = distancePlan(p, q);
      if (trouve && !(distance < meilleure)) continue;
      const double longueur = distancePlan(pied[i], pied[i + 1]);
      const double f = longueur > 0 ? distancePlan(pied[i], q) / longueur : 0;
      trouve = true;
      meilleure = distance;
      resultat.crete = p;
      resultat.pied = {q[0], q[1], pied[i][2] + f * (pied[i + 1][2] - pied[i][2])};
      resultat.longueurPlan = distance;
    }
  }
  return trouve;
}

std::vector<LIGNE_3D> lignesHachures(const std::vector<STATION_TALUS>& stations, double unite) {
  std::vector<LIGNE_3D> lignes;
  if (!(unite > 0)) return lignes;
  const double L = unite;
  int compteur = 0;
  bool decale = false;
  for (const STATION_TALUS& st : stations) {
    compteur = compteur % 4 + 1;
    const double lh = st.longueurPlan;
    const Point3D& c = st.crete;
    const Point3D& t = st.pied;
    switch (compteur) {
      case 1:
      case 3: lignes.emplace_back(c, lh > L ? pointSurLigne(st, L) : t); break;
      case 2:
        if (lh > 1.5 * L)
          lignes.emplace_back(pointSurLigne(st, 1.5 * L),
                              lh > 4.5 * L ? pointSurLigne(st, 4.5 * L) : t);
        break;
      case 4: {
        const double o = decale ? 6.0 : 0.0;
        decale = !decale;
        if (lh <= (o + 5.5) * L) break;
        for (int n = 0;; ++n) {
          const double a = (o + 5.5 + 12.0 * n) * L;
          if (a + 5 * L >= lh) {
            lignes.emplace_back(pointSurLigne(st, a), t);
            break;
          }
          lignes.emplace_back(pointSurLigne(st, a), pointSurLigne(st, a + 5 * L));
          if (!((o + 5.5 + 12.0 * (n + 1)) * L < lh)) break;
        }
        break;
      }
    }
  }
  return lignes;
}

}  // namespace tools3d
