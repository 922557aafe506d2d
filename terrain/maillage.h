// The terrain mesh: points, constraint segments and triangles, their spatial
// grid, the merging of coincident points with the reconciliation of their
// heights (or a double-Z pair), and the splitting of crossing segments.
// Lists hold the newest item first (numbers, streams and walks follow that
// order); the records belong to the mesh, the grid only refers to them.
#pragma once
#include <array>
#include <cstddef>
#include <iosfwd>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

#include "terrain/elements_maillage.h"
#include "terrain/grille_maillage.h"
#include "terrain/stock_blocs.h"

namespace terrain {

// What tells the survey-control module's mesher from the road module's: a
// parameter of the one mesher.
struct VARIANTE_MAILLEUR {
  double toleranceCoincidence = 0.005;  // |dx| and |dy| below it: the same point
  bool distanceSurAretes = false;       // the distance filter applies to edge lengths
  const char* libelleFusion = nullptr;  // conflict label of the merge ("FusionPoint")
};

inline constexpr VARIANTE_MAILLEUR kMailleurTalvex{};
inline constexpr VARIANTE_MAILLEUR kMailleurQuoril{0.001, true, "FusionPoint"};

// The items of one of the mesh's lists in list order (newest first).
template <typename Liste>
struct ORDRE_DE_LISTE {
  const Liste& liste;
  auto begin() const { return liste.rbegin(); }
  auto end() const { return liste.rend(); }
};
template <typename Liste>
ORDRE_DE_LISTE<Liste> ordreDeListe(const Liste& liste) {
  return {liste};
}

struct BOITE {
  VECTEUR min, max;
  bool vide = true;
};

class MAILLAGE {
 public:
  explicit MAILLAGE(const VARIANTE_MAILLEUR& variante = kMailleurTalvex);
  virtual ~MAILLAGE();
  MAILLAGE(const MAILLAGE&) = delete;
  MAILLAGE& operator=(const MAILLAGE&) = delete;

  // ---- Settings.
  const VARIANTE_MAILLEUR& variante() const { return variante_; }
  double toleranceZ = 0.002;  // height conflicts: differences from it up
  double zNul = -9999.0;      // a height within 0.001 of it is no height
  bool doubleZ = false;       // keep two heights at one place as a pair
  bool sansHauteur(double z) const;

  // ---- Content, newest first as the lists run (iterate in reverse).
  const std::vector<PT_MAILLE*>& points() const { return points_; }
  const std::vector<SEG_MAILLE*>& segments() const { return segments_; }
  const std::vector<TRI_MAILLE*>& triangles() const { return triangles_; }
  size_t nombreTriangles() const { return triangles_.size(); }
  // Drops everything, grid included.
  void vide();
  // Drops the triangles only.
  void videTriangles();
  // The problems of the last build (conflict lines).
  std::string& problemes() { return *problemes_; }

  // ---- The add operations: put the item in its list and in the grid.
  virtual PT_MAILLE* ajoutePoint(const VECTEUR& p);
  virtual SEG_MAILLE* ajouteSegment(PT_MAILLE* a, PT_MAILLE* b);
  virtual TRI_MAILLE* ajouteTriangle(PT_MAILLE* a, PT_MAILLE* b, PT_MAILLE* c);
  // Many triangles at once (a build's), the grid's lists grown once; not
  // through ajouteTriangle.
  void ajouteTriangles(std::span<const std::array<PT_MAILLE*, 3>> coins);
  // Takes a segment out of the mesh and the grid (it stays allocated).
  void retireSegment(SEG_MAILLE* s);
  // The twin of `p` with height z, made when `p` has none.
  PT_MAILLE* donneJumeau(PT_MAILLE* p, double z);

  // ---- Finding.
  // The point at p.x, p.y (within the variant's tolerance), its heights
  // reconciled with p.z unless `sansFusion`; made when absent and `creer`.
  PT_MAILLE* trouvePoint(const VECTEUR& p, bool creer, const char* libelle = nullptr,
                         bool sansFusion = false);
  // A segment between the points found (or made) at a and b; an existing one
  // with the same ends is given back. Null when an end is missing or both are
  // the same point.
  SEG_MAILLE* trouveSegment(const VECTEUR& a, const VECTEUR& b, bool creer,
                            const char* libelle = nullptr);
  // The segment between two points of this mesh, made unless one with the
  // same ends exists; null when both are the same point.
  SEG_MAILLE* segmentEntre(PT_MAILLE* a, PT_MAILLE* b);
  TRI_MAILLE* trouveTriangle(const VECTEUR& a, const VECTEUR& b, const VECTEUR& c, bool creer);
  // The first triangle that holds (x, y), through the grid.
  TRI_MAILLE* triangleEn(double x, double y);
  // Height of the terrain at (x, y); false outside the triangles.
  bool zEn(double x, double y, double& z);

  // ---- Whole-mesh operations.
  // Numbers 0, 1 ... in list order, on each point and its twin, and the index.
  void numerote();
  const std::vector<PT_MAILLE*>& index() const { return index_; }
  size_t nombreDoubleZ() const;
  BOITE boite() const;
  // Builds the grid over the points (unless built and not forced).
  void construitGrille(bool forcer = false);
  GRILLE_MAILLAGE& grille() { return grille_; }
  // Merges coincident points; then splits crossing segments.
  void fusionnePoints();
  void decoupeSegments();

  // Grid queries over a box enlarged by `marge`: each item once, marked with
  // the mark of the query's nesting level; items carrying one of the
  // `exclusion` bits are skipped. f(item) answers false to stop.
  template <typename F>
  void pourPoints(double x0, double y0, double x1, double y1, double marge, F&& f,
                  uint16_t exclusion = 0) {
    parcourt(x0, y0, x1, y1, marge, &CELLULE_MAILLAGE::points, f, exclusion);
  }
  template <typename F>
  void pourSegments(double x0, double y0, double x1, double y1, double marge, F&& f,
                    uint16_t exclusion = 0) {
    parcourt(x0, y0, x1, y1, marge, &CELLULE_MAILLAGE::segments, f, exclusion);
  }
  template <typename F>
  void pourTriangles(double x0, double y0, double x1, double y1, double marge, F&& f,
                     uint16_t exclusion = 0) {
    parcourt(x0, y0, x1, y1, marge, &CELLULE_MAILLAGE::triangles, f, exclusion);
  }

 protected:
  // Takes over the other mesh's content (records, lists, grid, problem buffer
  // link stays this one's).
  void prendContenu(MAILLAGE& autre);

 private:
  // A mesh to be filled from this one: the same settings, problem buffer and
  // grid extent.
  void prepareCopie(MAILLAGE& nouveau) const;
  PT_MAILLE* concilie(PT_MAILLE* trouve, double z, const char* libelle);
  uint16_t marqueSuivante();
  template <typename Liste, typename F>
  void parcourt(double x0, double y0, double x1, double y1, double marge, Liste liste, F& f,
                uint16_t exclusion);
  // The first item, in the order the queries above walk the cells, for which
  // `accepte` is true; null when none. No marks: an item met again in another
  // cell costs one more test, while clearing marks touches every item of the
  // cells, a cache miss each on a large mesh.
  template <typename Liste, typename P>
  auto premier(double x, double y, Liste liste, P&& accepte);

  VARIANTE_MAILLEUR variante_;
  STOCK_BLOCS<PT_MAILLE> stockPoints_;
  STOCK_BLOCS<SEG_MAILLE> stockSegments_;
  STOCK_BLOCS<TRI_MAILLE> stockTriangles_;
  std::vector<PT_MAILLE*> points_;
  std::vector<SEG_MAILLE*> segments_;
  std::vector<TRI_MAILLE*> triangles_;
  std::vector<PT_MAILLE*> index_;
  GRILLE_MAILLAGE grille_;
  int profondeurRequete_ = 0;
  // No two points within the coincidence tolerance: true from a merge until
  // a point is added, so that the split can take the points without a search.
  bool pointsDistincts_ = false;
  std::string problemesPropres_;
  std::string* problemes_ = &problemesPropres_;
};

// Each item once per query, whatever the number of cells it sits in: the mark
// of the query's level is cleared on the cells' items first, then set on each
// item handed out.
template <typename Liste, typename F>
void MAILLAGE::parcourt(double x0, double y0, double x1, double y1, double marge, Liste liste, F& f,
                        uint16_t exclusion) {
  if (!grille_.prete()) construitGrille();
  const PLAGE_CELLULES r = grille_.plage(x0, y0, x1, y1, marge);
  const BOITE_RELATIVE boite = grille_.relative(x0, y0, x1, y1, marge);
  const uint16_t marque = marqueSuivante();
  struct Niveau {
    int& profondeur;
    ~Niveau() { --profondeur; }
  } niveau{profondeurRequete_};
  for (int j = r.j0; j <= r.j1; ++j)
    for (int i = r.i0; i <= r.i1; ++i)
      for (const auto& entree : grille_.cellule(i, j).*liste)
        if (peutRencontrer(entree, boite)) element(entree)->drapeaux &= ~marque;
  // By index: f may add to the mesh, and so to these cells.
  for (int j = r.j0; j <= r.j1; ++j)
    for (int i = r.i0; i <= r.i1; ++i)
      for (size_t k = 0; k < (grille_.cellule(i, j).*liste).size(); ++k) {
        const auto entree = (grille_.cellule(i, j).*liste)[k];
        if (!peutRencontrer(entree, boite)) continue;
        auto* item = element(entree);
        if (item->drapeaux & (marque | exclusion)) continue;
        item->drapeaux |= marque;
        if (!f(item)) return;
      }
}

template <typename Liste, typename P>
auto MAILLAGE::premier(double x, double y, Liste liste, P&& accepte) {
  if (!grille_.prete()) construitGrille();
  const PLAGE_CELLULES r = grille_.plage(x, y, x, y, 0.0);
  const BOITE_RELATIVE boite = grille_.relative(x, y, x, y, 0.0);
  using Element = decltype(element((grille_.cellule(0, 0).*liste)[0]));
  for (int j = r.j0; j <= r.j1; ++j)
    for (int i = r.i0; i <= r.i1; ++i)
      for (const auto& entree : grille_.cellule(i, j).*liste)
        if (peutRencontrer(entree, boite) && accepte(element(entree))) return element(entree);
  return static_cast<Element>(nullptr);
}

}  // namespace terrain
