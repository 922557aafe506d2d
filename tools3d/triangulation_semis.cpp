#include "tools3d/triangulation_semis.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <set>
#include <unordered_map>
#include <utility>

#include "tools3d/grille_plan.h"
#include "tools3d/regles_semis.h"

namespace tools3d {

namespace {

struct ARETE {
  int i = 0, j = 0, k = 0;  // ends and opposite point
  Point3D milieu{};
  double cle = 0;       // distance of the midpoint from the centre
  bool active = false;  // on the front after the cursor
};

uint64_t cleArete(int a, int b) {
  const auto [bas, haut] = std::minmax(a, b);
  return (static_cast<uint64_t>(static_cast<uint32_t>(bas)) << 32) | static_cast<uint32_t>(haut);
}

class FRONT_SEMIS {
 public:
  // `points` sorted from the centre.
  FRONT_SEMIS(const std::vector<Point3D>& points, const Point3D& centre, double rayon,
              ECOUTE_TRIANGULATION& ecoute)
      : p_(points),
        rayon_(rayon),
        ecoute_(ecoute),
        grillePoints_(points, rayon, 1.0 / 1024),
        grilleAretes_(points, rayon, 0.25),
        grilleContours_(points, rayon, 0.25),
        centre_(centre),
        voisinsContour_(points.size()) {
    for (size_t i = 0; i < p_.size(); ++i) {
      distance_.push_back(distance3D(p_[i], centre_));
      grillePoints_.ajoutePoint(static_cast<int>(i), p_[i]);
    }
  }

  FIN_TRIANGULATION avance() {
    ecoute_.face(p_[0], p_[1], p_[2]);
    faces_ = 1;
    // The cursor starts on (0, 1) whatever its distance; the others follow in order.
    ajouteArete(0, 1, 2, -std::numeric_limits<double>::infinity());
    ajouteArete(1, 2, 0);
    ajouteArete(0, 2, 1);
    size_t traitees = 0, marque = 3;
    while (!suite_.empty()) {
      if (ecoute_.interrompu()) return FIN_TRIANGULATION::Interrompue;
      if (faces_ > kFacesParPoint * p_.size()) return FIN_TRIANGULATION::Limite;
      const int courante = suite_.begin()->second;
      retire(courante);
      traite(aretes_[courante]);
      ++traitees;
      if (traitees == marque) {
        marque = traitees + suite_.size();
        ecoute_.progression(traitees, marque);
      }
    }
    return FIN_TRIANGULATION::Complete;
  }

 private:
  void ajouteArete(int i, int j, int k, std::optional<double> cle = std::nullopt) {
    ARETE a;
    a.i = i;
    a.j = j;
    a.k = k;
    a.milieu = milieu(p_[i], p_[j]);
    a.active = true;
    a.cle = cle ? *cle : distance3D(a.milieu, centre_);
    const int id = static_cast<int>(aretes_.size());
    aretes_.push_back(a);
    suite_.emplace(a.cle, id);
    cles_.emplace(cleArete(i, j), id);
    grilleAretes_.ajouteSegment(id, p_[i], p_[j]);
  }

  void retire(int id) {
    ARETE& a = aretes_[id];
    suite_.erase({a.cle, id});
    cles_.erase(cleArete(a.i, a.j));
    a.active = false;
  }

  // Closes the edge (a, b) when it is on the front, else adds it.
  void ferme(int a, int b, int oppose) {
    const auto ici = cles_.find(cleArete(a, b));
    if (ici != cles_.end())
      retire(ici->second);
    else
      ajouteArete(a, b, oppose);
  }

  // By value: closing edges adds to the pool.
  void traite(const ARETE e) {
    const int p = meilleurCandidat(e);
    if (p >= 0) {
      ecoute_.face(p_[e.i], p_[e.j], p_[p]);
      ++faces_;
      ferme(p, e.i, e.j);
      ferme(p, e.j, e.i);
      return;
    }
    ecoute_.contour(static_cast<int>(contours_.size()), e.i, e.j, p_[e.i], p_[e.j]);
    contours_.push_back({e.i, e.j});
    const int id = static_cast<int>(contours_.size()) - 1;
    milieuxContours_.push_back(milieu(p_[e.i], p_[e.j]));
    grilleContours_.ajouteSegment(id, p_[e.i], p_[e.j]);
    voisinsContour_[e.i].push_back(e.j);
    voisinsContour_[e.j].push_back(e.i);
  }

  // The point nearest to the edge's midpoint that passes every test (the
  // earlier one on a tie); -1 when none lies within the radius.
  int meilleurCandidat(const ARETE& e) {
    const Point3D& m = e.milieu;
    const double moyenne = (distance_[e.i] + distance_[e.j]) / 2;
    double meilleure = rayon_;
    int choisi = -1;
    std::vector<std::pair<double, int>> anneau;
    for (int rang = 0;; ++rang) {
      anneau.clear();
      const bool reste = grillePoints_.anneau(m, rang, [&](int p) {
        if (p == e.i || p == e.j || p == e.k) return;
        if (!(std::fabs(distance_[p] - moyenne) < rayon_)) return;
        const double d = distance3D(m, p_[p]);
        if (!(d < rayon_)) return;
        if (choisi >= 0 && (d > meilleure || (d == meilleure && p > choisi))) return;
        if (!deCoteOppose(p_[e.i], p_[e.j], m, p_[e.k], p_[p])) return;
        anneau.emplace_back(d, p);
      });
      std::sort(anneau.begin(), anneau.end());
      for (const auto& [d, p] : anneau)
        if (libre(e, p)) {
          meilleure = d;
          choisi = p;
          break;
        }
      // What lies beyond this ring is at least this far.
      const double auDela = grillePoints_.distanceAuDela(rang);
      if (!reste || auDela >= rayon_ || (choisi >= 0 && meilleure < auDela)) break;
    }
    return choisi;
  }

  // No front or outline edge near the midpoint stands between it and p, and
  // p closes no outline edge at either end of e.
  bool libre(const ARETE& e, int p) {
    for (int n : voisinsContour_[e.i])
      if (n == p) return false;
    for (int n : voisinsContour_[e.j])
      if (n == p) return false;
    const Point3D& m = e.milieu;
    const Point3D& q = p_[p];
    const double voisinage = kFacteurVoisinage * rayon_;
    bool coupe = false;
    grilleAretes_.segmentsPres(q, m, [&](int id) {
      const ARETE& f = aretes_[id];
      if (!f.active) return false;
      if (!coupe && distance3D(f.milieu, m) < voisinage && coupeArete(q, m, p_[f.i], p_[f.j]))
        coupe = true;
      return true;
    });
    if (coupe) return false;
    const Point3D mPlan{m[0], m[1], 0};
    grilleContours_.segmentsPres(q, m, [&](int id) {
      const Point3D& c = milieuxContours_[id];
      if (!coupe && distancePlan(c, mPlan) < voisinage &&
          coupeArete(q, m, p_[contours_[id].first], p_[contours_[id].second]))
        coupe = true;
      return true;
    });
    return !coupe;
  }

  const std::vector<Point3D> p_;
  const double rayon_;
  ECOUTE_TRIANGULATION& ecoute_;
  GRILLE_PLAN grillePoints_;
  GRILLE_PLAN grilleAretes_;
  GRILLE_PLAN grilleContours_;
  const Point3D centre_;
  std::vector<double> distance_;
  std::vector<ARETE> aretes_;
  std::set<std::pair<double, int>> suite_;  // the front after the cursor, in order
  std::unordered_map<uint64_t, int> cles_;  // its edges by their ends
  std::vector<std::pair<int, int>> contours_;
  std::vector<Point3D> milieuxContours_;
  std::vector<std::vector<int>> voisinsContour_;
  size_t faces_ = 0;
};

}  // namespace

Point3D centreBoite(const std::vector<Point3D>& points) {
  if (points.empty()) return {0, 0, 0};
  Point3D bas = points[0], haut = points[0];
  for (const Point3D& p : points)
    for (int c = 0; c < 3; ++c) {
      bas[c] = std::min(bas[c], p[c]);
      haut[c] = std::max(haut[c], p[c]);
    }
  return {(bas[0] + haut[0]) / 2, (bas[1] + haut[1]) / 2, (bas[2] + haut[2]) / 2};
}

std::vector<Point3D> triParDistance(const std::vector<Point3D>& points) {
  const Point3D centre = centreBoite(points);
  std::vector<std::pair<double, size_t>> cles;
  for (size_t i = 0; i < points.size(); ++i) cles.emplace_back(distance3D(points[i], centre), i);
  std::stable_sort(cles.begin(), cles.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<Point3D> tries;
  for (const auto& c : cles) tries.push_back(points[c.second]);
  return tries;
}

FIN_TRIANGULATION trianguleSemis(const std::vector<Point3D>& points, double rayon,
                                 ECOUTE_TRIANGULATION& ecoute) {
  if (points.size() < 3 || !(rayon > 0)) return FIN_TRIANGULATION::Complete;
  FRONT_SEMIS front(triParDistance(points), centreBoite(points), rayon, ecoute);
  return front.avance();
}

}  // namespace tools3d
