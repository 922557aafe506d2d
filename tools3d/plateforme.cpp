#include "tools3d/plateforme.h"

#include <algorithm>
#include <cmath>

#include "tools3d/plan.h"

namespace tools3d {

namespace {

constexpr double kMemeAbscisse = 0.001;
constexpr double kEcartMinimal = 0.1;

bool meme(double a, double b) { return std::fabs(a - b) < kMemeAbscisse; }

// Linear interpolation at x between the records of abscissas xa and xb;
// the second value when they coincide.
double interpole(double xa, double va, double xb, double vb, double x) {
  const double l = xb - xa;
  if (!(std::fabs(l) >= kMemeAbscisse)) return vb;
  return va + (vb - va) * (x - xa) / l;
}

// The index of the record at x, or of the first one beyond it; size() when
// every record lies before x.
template <class T, class Abscisse>
size_t cherche(const std::vector<T>& v, double x, Abscisse abscisse) {
  for (size_t j = 0; j < v.size(); ++j)
    if (meme(abscisse(v[j]), x) || abscisse(v[j]) > x) return j;
  return v.size();
}

// The value at x of a sequence of records in increasing abscissa: the
// record's own at its abscissa, interpolated between two, the end's outside.
template <class T, class Abscisse, class Valeur>
double valeurA(const std::vector<T>& v, double x, Abscisse abscisse, Valeur valeur) {
  const size_t j = cherche(v, x, abscisse);
  if (j == v.size()) return valeur(v.back());
  if (j == 0 || meme(abscisse(v[j]), x)) return valeur(v[j]);
  return interpole(abscisse(v[j - 1]), valeur(v[j - 1]), abscisse(v[j]), valeur(v[j]), x);
}

}  // namespace

std::vector<PROFIL_PLATEFORME> fusionneProfil(const std::vector<PROFIL_PLATEFORME>& profil,
                                              const std::vector<STATION_TABULATION>& tabulation) {
  std::vector<PROFIL_PLATEFORME> f;
  if (profil.empty()) return f;
  const size_t m = profil.size();
  size_t k = 0;
  for (const STATION_TABULATION& station : tabulation) {
    const double t = station.abscisse;
    bool dernier = false;
    while (profil[k].abscisse < t) {
      const PROFIL_PLATEFORME& p = profil[k];
      const bool dejaLa = !f.empty() && meme(p.abscisse, f.back().abscisse);
      const bool justeAvant = f.empty() ? meme(p.abscisse, t) : t - p.abscisse < kMemeAbscisse;
      if (!dejaLa && !justeAvant) f.push_back(p);
      // The last record stays the current one; the stations beyond it end the walk.
      if (k + 1 == m) {
        dernier = true;
        break;
      }
      ++k;
    }
    if (profil[0].abscisse - kMemeAbscisse <= t && t <= profil[m - 1].abscisse + kMemeAbscisse &&
        station.kind != -5) {
      if (k > 0 && profil[k].abscisse - t >= kMemeAbscisse) {
        const PROFIL_PLATEFORME& a = profil[k - 1];
        const PROFIL_PLATEFORME& b = profil[k];
        f.push_back({t, interpole(a.abscisse, a.decalage, b.abscisse, b.decalage, t),
                     interpole(a.abscisse, a.hauteur, b.abscisse, b.hauteur, t)});
      } else {
        f.push_back(profil[k]);
      }
    }
    if (dernier) break;
  }
  return f;
}

std::vector<Point3D> pointsBord(const std::vector<POINT_AXE_PLATEFORME>& axe,
                                const std::vector<PROFIL_PLATEFORME>& f, bool gradue) {
  std::vector<Point3D> bord;
  if (f.empty() || axe.empty()) return bord;
  const double a0 = f.front().abscisse;
  const auto abscisseProfil = [](const PROFIL_PLATEFORME& p) { return p.abscisse; };
  const auto abscisseAxe = [a0](const POINT_AXE_PLATEFORME& p) { return a0 + p.abscisse; };

  // Graded edge: its height at each profile point, from the alignment's z there.
  std::vector<PROFIL_PLATEFORME> hauteursBord;
  if (gradue)
    for (const PROFIL_PLATEFORME& p : f) {
      const double z = valeurA(axe, p.abscisse, abscisseAxe,
                               [](const POINT_AXE_PLATEFORME& a) { return a.point[2]; });
      hauteursBord.push_back({p.abscisse, 0, z + p.hauteur});
    }

  for (const POINT_AXE_PLATEFORME& a : axe) {
    const double x = a0 + a.abscisse;
    const double decalage =
        valeurA(f, x, abscisseProfil, [](const PROFIL_PLATEFORME& p) { return p.decalage; });
    Point3D p = polaire(a.point, a.direction, decalage);
    p[2] = gradue ? valeurA(hauteursBord, x, abscisseProfil,
                            [](const PROFIL_PLATEFORME& h) { return h.hauteur; })
                  : a.point[2] + valeurA(f, x, abscisseProfil,
                                         [](const PROFIL_PLATEFORME& h) { return h.hauteur; });
    bord.push_back(p);
  }
  return bord;
}

std::vector<Point3D> pointsEnvoyes(const std::vector<Point3D>& bord) {
  std::vector<Point3D> envoyes;
  for (size_t i = 0; i < bord.size(); ++i)
    if (i == 0 || i + 1 == bord.size() || distance3D(bord[i], bord[i + 1]) > kEcartMinimal)
      envoyes.push_back(bord[i]);
  return envoyes;
}

}  // namespace tools3d
