#include "landxml/geometrie_axe.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "framework/texte_ascii.h"
#include "road/axe_en_plan.h"
#include "road/elements_plan.h"
#include "road/tabulation.h"

namespace landxml {
namespace {

constexpr double kInfini = std::numeric_limits<double>::infinity();

struct STATION {
  double s;
  POINT_PLAN p;
};

double croix(POINT_PLAN a, POINT_PLAN b) { return a.x * b.y - a.y * b.x; }
POINT_PLAN moins(POINT_PLAN a, POINT_PLAN b) { return {a.x - b.x, a.y - b.y}; }

// The tabulation as a polyline by abscissa: sorted, one station per abscissa.
class TRACE {
 public:
  explicit TRACE(const road::AXE_EN_PLAN& axe) {
    if (const road::TABLE_TABULATION* t = axe.tabulation())
      for (const road::POINT_TABULATION& p : t->points())
        if (std::isfinite(p.abscisse) && std::isfinite(p.x) && std::isfinite(p.y))
          stations_.push_back({p.abscisse, {p.x, p.y}});
    std::stable_sort(stations_.begin(), stations_.end(),
                     [](const STATION& a, const STATION& b) { return a.s < b.s; });
    stations_.erase(std::unique(stations_.begin(), stations_.end(),
                                [](const STATION& a, const STATION& b) {
                                  return b.s - a.s <= road::kToleranceTabulation;
                                }),
                    stations_.end());
  }

  bool utilisable() const { return stations_.size() >= 2; }
  const std::vector<STATION>& stations() const { return stations_; }

  POINT_PLAN position(double s) const {
    const size_t i = segment(s, false);
    const STATION& a = stations_[i];
    const STATION& b = stations_[i + 1];
    const double t = (s - a.s) / (b.s - a.s);
    return {a.p.x + t * (b.p.x - a.p.x), a.p.y + t * (b.p.y - a.p.y)};
  }

  // The direction of the chord that holds s; at a station, the chord before it
  // when `avant`, else the one after.
  POINT_PLAN direction(double s, bool avant) const {
    const size_t i = segment(s, avant);
    const POINT_PLAN d = moins(stations_[i + 1].p, stations_[i].p);
    const double n = std::hypot(d.x, d.y);
    return n > 0.0 ? POINT_PLAN{d.x / n, d.y / n} : POINT_PLAN{1.0, 0.0};
  }

  // The station nearest the middle of [s0, s1], strictly inside it.
  const STATION* stationInterieure(double s0, double s1) const {
    const double milieu = 0.5 * (s0 + s1), marge = 1e-6 * std::max(1.0, s1 - s0);
    const STATION* meilleure = nullptr;
    for (const STATION& st : stations_)
      if (st.s > s0 + marge && st.s < s1 - marge &&
          (!meilleure || std::fabs(st.s - milieu) < std::fabs(meilleure->s - milieu)))
        meilleure = &st;
    return meilleure;
  }

 private:
  // The index of the first station of the chord that holds s (ends extended).
  size_t segment(double s, bool avant) const {
    auto it = avant ? std::lower_bound(stations_.begin(), stations_.end(), s,
                                       [](const STATION& a, double v) { return a.s < v; })
                    : std::upper_bound(stations_.begin(), stations_.end(), s,
                                       [](double v, const STATION& a) { return v < a.s; });
    const size_t i = static_cast<size_t>(it - stations_.begin());
    return std::clamp<size_t>(i == 0 ? 0 : i - 1, 0, stations_.size() - 2);
  }

  std::vector<STATION> stations_;
};

ELEMENT_GEOMETRIQUE droite(double s0, double s1, POINT_PLAN a, POINT_PLAN b) {
  ELEMENT_GEOMETRIQUE e;
  e.abscisse = s0;
  e.longueur = s1 - s0;
  e.debut = a;
  e.fin = b;
  return e;
}

// The circle through the two ends and a third point; a straight when they
// are in line.
ELEMENT_GEOMETRIQUE arc(const TRACE& trace, double s0, double s1) {
  ELEMENT_GEOMETRIQUE e = droite(s0, s1, trace.position(s0), trace.position(s1));
  const STATION* interieure = trace.stationInterieure(s0, s1);
  const POINT_PLAN m = interieure ? interieure->p : trace.position(0.5 * (s0 + s1));
  const POINT_PLAN u = moins(m, e.debut), v = moins(e.fin, e.debut);
  const double d = 2.0 * croix(u, v);
  const double corde = std::hypot(v.x, v.y);
  if (!(std::fabs(d) > 1e-9 * std::max(1.0, corde * corde))) return e;
  const double u2 = u.x * u.x + u.y * u.y, v2 = v.x * v.x + v.y * v.y;
  const POINT_PLAN c{(v.y * u2 - u.y * v2) / d, (u.x * v2 - v.x * u2) / d};
  e.genre = GenreElement::kArc;
  e.centre = {e.debut.x + c.x, e.debut.y + c.y};
  e.rayon = std::hypot(c.x, c.y);
  e.horaire = croix(u, moins(e.fin, m)) < 0.0;
  return e;
}

ELEMENT_GEOMETRIQUE clothoide(const TRACE& trace, double s0, double s1) {
  ELEMENT_GEOMETRIQUE e = droite(s0, s1, trace.position(s0), trace.position(s1));
  e.genre = GenreElement::kClothoide;
  const POINT_PLAN t0 = trace.direction(s0, false), t1 = trace.direction(s1, true);
  const double d = croix(t0, t1);
  e.horaire = d < 0.0;
  e.pi = {0.5 * (e.debut.x + e.fin.x), 0.5 * (e.debut.y + e.fin.y)};
  if (std::fabs(d) > 1e-12) {
    const double k = croix(moins(e.fin, e.debut), t1) / d;
    e.pi = {e.debut.x + k * t0.x, e.debut.y + k * t0.y};
  }
  e.rayonDebut = e.rayonFin = kInfini;
  return e;
}

}  // namespace

GenreElement genreElement(std::string_view nom) {
  auto commence = [&](std::string_view prefixe) {
    return nom.size() >= prefixe.size() &&
           framework::egauxSansCasseAscii(nom.substr(0, prefixe.size()), prefixe);
  };
  for (std::string_view p : {"ARC", "CERCLE", "CIRC", "CURVE"})
    if (commence(p)) return GenreElement::kArc;
  for (std::string_view p : {"CLOTHO", "SPIRAL", "RACCORD"})
    if (commence(p)) return GenreElement::kClothoide;
  return GenreElement::kDroite;
}

std::vector<ELEMENT_GEOMETRIQUE> geometrieAxe(const road::AXE_EN_PLAN& axe) {
  std::vector<ELEMENT_GEOMETRIQUE> resultat;
  const TRACE trace(axe);
  if (!trace.utilisable()) return resultat;
  const road::ELM_ELMAXEPLAN* elements = axe.elements();
  if (!elements || elements->elements().empty()) {
    const std::vector<STATION>& st = trace.stations();
    for (size_t i = 0; i + 1 < st.size(); ++i)
      resultat.push_back(droite(st[i].s, st[i + 1].s, st[i].p, st[i + 1].p));
    return resultat;
  }
  for (const road::ELEMENT_PLAN& el : elements->elements()) {
    const double s0 = el.valeur1, s1 = el.valeur1 + el.valeur2;
    if (!std::isfinite(s0) || !std::isfinite(s1) || !(s1 > s0)) continue;
    switch (genreElement(el.nom)) {
      case GenreElement::kArc: resultat.push_back(arc(trace, s0, s1)); break;
      case GenreElement::kClothoide: resultat.push_back(clothoide(trace, s0, s1)); break;
      case GenreElement::kDroite:
        resultat.push_back(droite(s0, s1, trace.position(s0), trace.position(s1)));
        break;
    }
  }
  // A clothoid's radii are those of the arcs it joins.
  for (size_t i = 0; i < resultat.size(); ++i) {
    ELEMENT_GEOMETRIQUE& e = resultat[i];
    if (e.genre != GenreElement::kClothoide) continue;
    if (i > 0 && resultat[i - 1].genre == GenreElement::kArc) e.rayonDebut = resultat[i - 1].rayon;
    if (i + 1 < resultat.size() && resultat[i + 1].genre == GenreElement::kArc)
      e.rayonFin = resultat[i + 1].rayon;
  }
  return resultat;
}

}  // namespace landxml
