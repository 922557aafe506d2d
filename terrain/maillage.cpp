#include "terrain/maillage.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "framework/nombres_c.h"

namespace terrain {

namespace {

// Coordinates and heights in the problem report: millimetres.
std::string nombre(double v) { return framework::texteReelFixe(v, 3); }

bool memesExtremites(const SEG_MAILLE& s, const PT_MAILLE* a, const PT_MAILLE* b) {
  const PT_MAILLE* sa = s.a->effectif();
  const PT_MAILLE* sb = s.b->effectif();
  return (sa == a && sb == b) || (sa == b && sb == a);
}

}  // namespace

MAILLAGE::MAILLAGE(const VARIANTE_MAILLEUR& variante) : variante_(variante) {}

MAILLAGE::~MAILLAGE() = default;

bool MAILLAGE::sansHauteur(double z) const { return std::fabs(z - zNul) < 0.001; }

void MAILLAGE::vide() {
  pointsDistincts_ = false;
  grille_.vide();
  points_.clear();
  segments_.clear();
  triangles_.clear();
  index_.clear();
  stockTriangles_.clear();
  stockSegments_.clear();
  stockPoints_.clear();
}

void MAILLAGE::videTriangles() {
  triangles_.clear();
  stockTriangles_.clear();
  construitGrille(true);
}

PT_MAILLE* MAILLAGE::ajoutePoint(const VECTEUR& p) {
  PT_MAILLE* point = &stockPoints_.emplace_back(p);
  pointsDistincts_ = false;
  points_.push_back(point);
  grille_.inscrit(point);
  return point;
}

SEG_MAILLE* MAILLAGE::ajouteSegment(PT_MAILLE* a, PT_MAILLE* b) {
  SEG_MAILLE* s = &stockSegments_.emplace_back();
  s->a = a;
  s->b = b;
  segments_.push_back(s);
  grille_.inscrit(s);
  return s;
}

void MAILLAGE::ajouteTriangles(std::span<const std::array<PT_MAILLE*, 3>> coins) {
  const size_t avant = triangles_.size();
  triangles_.reserve(avant + coins.size());
  for (const auto& c : coins) {
    TRI_MAILLE* t = &stockTriangles_.emplace_back();
    t->p = c;
    triangles_.push_back(t);
  }
  grille_.inscrit(std::span<TRI_MAILLE* const>(triangles_).subspan(avant));
}

TRI_MAILLE* MAILLAGE::ajouteTriangle(PT_MAILLE* a, PT_MAILLE* b, PT_MAILLE* c) {
  TRI_MAILLE* t = &stockTriangles_.emplace_back();
  t->p = {a, b, c};
  triangles_.push_back(t);
  grille_.inscrit(t);
  return t;
}

void MAILLAGE::retireSegment(SEG_MAILLE* s) {
  if (s->retire) return;
  s->retire = true;
  grille_.desinscrit(s);
  std::erase(segments_, s);
}

PT_MAILLE* MAILLAGE::donneJumeau(PT_MAILLE* p, double z) {
  PT_MAILLE* premier = p->effectif();
  if (premier->jumeau) return premier->jumeau;
  PT_MAILLE* jumeau = &stockPoints_.emplace_back(*premier);
  jumeau->z = z;
  jumeau->drapeaux = kJumeau;
  jumeau->jumeau = premier;
  jumeau->numero = premier->numero;
  jumeau->segments.clear();
  jumeau->voisins.clear();
  premier->jumeau = jumeau;
  return jumeau;
}

PT_MAILLE* MAILLAGE::trouvePoint(const VECTEUR& p, bool creer, const char* libelle,
                                 bool sansFusion) {
  const double tol = variante_.toleranceCoincidence;
  PT_MAILLE* trouve = premier(p.x, p.y, &CELLULE_MAILLAGE::points, [&](const PT_MAILLE* q) {
    return std::fabs(q->x - p.x) < tol && std::fabs(q->y - p.y) < tol;
  });
  if (trouve) return sansFusion ? trouve : concilie(trouve, p.z, libelle);
  return creer ? ajoutePoint(p) : nullptr;
}

PT_MAILLE* MAILLAGE::concilie(PT_MAILLE* trouve, double z, const char* libelle) {
  PT_MAILLE* p = trouve->effectif();
  if (sansHauteur(p->z)) {
    p->z = z;
    return p;
  }
  if (sansHauteur(z) || toleranceZ == 0.0) return p;
  if (std::fabs(z - p->z) < toleranceZ) return p;
  if (doubleZ) {
    if (!p->jumeau) return donneJumeau(p, z);
    PT_MAILLE* jumeau = p->jumeau;
    if (std::fabs(jumeau->z - z) < toleranceZ) return jumeau;
    PT_MAILLE* bas = p->z <= jumeau->z ? p : jumeau;
    PT_MAILLE* haut = bas == p ? jumeau : p;
    bas->z = std::min(bas->z, z);
    haut->z = std::max(haut->z, z);
    return z > (bas->z + haut->z) / 2.0 ? haut : bas;
  }
  if (!libelle) return p;
  std::string& rapport = problemes();
  const double moyenne = (p->z + z) / 2.0;
  rapport += libelle;
  rapport += ", Conflit dZ=" + nombre(z - p->z) + " sur " + nombre(p->x) + "," + nombre(p->y);
  p->z = moyenne;
  rapport += " Moyenne => " + nombre(moyenne) + "\r\n";
  return p;
}

SEG_MAILLE* MAILLAGE::trouveSegment(const VECTEUR& a, const VECTEUR& b, bool creer,
                                    const char* libelle) {
  PT_MAILLE* pa = trouvePoint(a, creer, libelle);
  PT_MAILLE* pb = trouvePoint(b, creer, libelle);
  return segmentEntre(pa, pb);
}

SEG_MAILLE* MAILLAGE::segmentEntre(PT_MAILLE* pa, PT_MAILLE* pb) {
  if (!pa || !pb || pa->effectif() == pb->effectif()) return nullptr;
  SEG_MAILLE* existant = nullptr;
  const PT_MAILLE* ea = pa->effectif();
  const PT_MAILLE* eb = pb->effectif();
  pourSegments(pa->x, pa->y, pb->x, pb->y, 0.0, [&](SEG_MAILLE* s) {
    if (!memesExtremites(*s, ea, eb)) return true;
    existant = s;
    return false;
  });
  if (existant) return existant;
  return ajouteSegment(pa, pb);
}

TRI_MAILLE* MAILLAGE::trouveTriangle(const VECTEUR& a, const VECTEUR& b, const VECTEUR& c,
                                     bool creer) {
  PT_MAILLE* pa = trouvePoint(a, creer);
  PT_MAILLE* pb = trouvePoint(b, creer);
  PT_MAILLE* pc = trouvePoint(c, creer);
  if (!pa || !pb || !pc) return nullptr;
  const double x0 = std::min({pa->x, pb->x, pc->x}), x1 = std::max({pa->x, pb->x, pc->x});
  const double y0 = std::min({pa->y, pb->y, pc->y}), y1 = std::max({pa->y, pb->y, pc->y});
  TRI_MAILLE* existant = nullptr;
  pourTriangles(x0, y0, x1, y1, 0.0, [&](TRI_MAILLE* t) {
    const auto a3 = {pa, pb, pc};
    const bool meme = std::all_of(a3.begin(), a3.end(), [&](PT_MAILLE* q) {
      return std::find(t->p.begin(), t->p.end(), q) != t->p.end();
    });
    if (!meme) return true;
    existant = t;
    return false;
  });
  if (existant) return existant;
  return ajouteTriangle(pa, pb, pc);
}

TRI_MAILLE* MAILLAGE::triangleEn(double x, double y) {
  if (triangles_.empty()) return nullptr;
  return premier(x, y, &CELLULE_MAILLAGE::triangles,
                 [&](const TRI_MAILLE* t) { return t->contient(x, y); });
}

bool MAILLAGE::zEn(double x, double y, double& z) {
  const TRI_MAILLE* t = triangleEn(x, y);
  return t && t->zPlan(x, y, z);
}

void MAILLAGE::numerote() {
  const size_t n = points_.size();
  index_.assign(n, nullptr);
  for (size_t k = 0; k < n; ++k) {
    PT_MAILLE* p = points_[n - 1 - k];  // list order: newest first
    p->numero = static_cast<int32_t>(k);
    if (p->jumeau) p->jumeau->numero = p->numero;
    index_[k] = p->effectif();
  }
}

size_t MAILLAGE::nombreDoubleZ() const {
  return static_cast<size_t>(
      std::count_if(points_.begin(), points_.end(), [](const PT_MAILLE* p) { return p->jumeau; }));
}

BOITE MAILLAGE::boite() const {
  BOITE b;
  for (const PT_MAILLE* p : points_) {
    if (b.vide) {
      b.min = b.max = VECTEUR(p->x, p->y, p->z);
      b.vide = false;
      continue;
    }
    b.min.x = std::min(b.min.x, p->x);
    b.min.y = std::min(b.min.y, p->y);
    b.min.z = std::min(b.min.z, p->z);
    b.max.x = std::max(b.max.x, p->x);
    b.max.y = std::max(b.max.y, p->y);
    b.max.z = std::max(b.max.z, p->z);
  }
  return b;
}

void MAILLAGE::construitGrille(bool forcer) {
  if (grille_.prete() && !forcer) return;
  const BOITE b = boite();
  grille_.prepare(b.min, b.max, points_.size());
  grille_.inscrit(std::span<PT_MAILLE* const>(points_));
  for (SEG_MAILLE* s : segments_) grille_.inscrit(s);
  grille_.inscrit(std::span<TRI_MAILLE* const>(triangles_));
}

uint16_t MAILLAGE::marqueSuivante() {
  ++profondeurRequete_;
  return profondeurRequete_ <= 4 ? static_cast<uint16_t>(1u << (profondeurRequete_ - 1))
                                 : kMarqueProfonde;
}

void MAILLAGE::prendContenu(MAILLAGE& autre) {
  stockPoints_.swap(autre.stockPoints_);
  stockSegments_.swap(autre.stockSegments_);
  stockTriangles_.swap(autre.stockTriangles_);
  points_.swap(autre.points_);
  segments_.swap(autre.segments_);
  triangles_.swap(autre.triangles_);
  index_.swap(autre.index_);
  std::swap(grille_, autre.grille_);
  autre.vide();
}

}  // namespace terrain
