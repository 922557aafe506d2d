#include "road/couche.h"

#include <cmath>
#include <cstdio>
#include <locale.h>

#include "framework/error_stream.h"
#include "framework/nombres_c.h"
#include "road/couche_kind.h"
#include "road/jetons_projet.h"
#include "road/registre_objets.h"

namespace road {
namespace {

locale_t localeC() {
  // Made once for the module's life: uselocale needs it as long as it is set.
  static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return c;
}

// The C library's printf under the C locale for this thread only, whatever
// locale the host set globally.
class LocaleCLocale {
 public:
  LocaleCLocale() : ancienne_(localeC() ? uselocale(localeC()) : static_cast<locale_t>(0)) {}
  ~LocaleCLocale() {
    if (ancienne_) uselocale(ancienne_);
  }
  LocaleCLocale(const LocaleCLocale&) = delete;
  LocaleCLocale& operator=(const LocaleCLocale&) = delete;

 private:
  locale_t ancienne_;
};

}  // namespace

std::string formatPointCouche(double x, double y, double z) {
  static constexpr char kFormat[] = " %20.5f %20.5f %20.5f ";
  LocaleCLocale c;
  char court[96];
  const int n = std::snprintf(court, sizeof court, kFormat, x, y, z);
  if (n < 0) return std::string();
  if (static_cast<size_t>(n) < sizeof court) return std::string(court, static_cast<size_t>(n));
  // Huge values print hundreds of digits.
  std::string long_(static_cast<size_t>(n) + 1, '\0');
  std::snprintf(long_.data(), long_.size(), kFormat, x, y, z);
  long_.resize(static_cast<size_t>(n));
  return long_;
}

const char* COUCHE::nomKind() const {
  const auto* k = coucheKind(kind_);
  return k ? k->nom : "";
}

const char* COUCHE::motFin() const {
  const auto* k = coucheKind(kind_);
  return k ? k->motFin : "";
}

bool COUCHE::pointsNommes() const {
  const auto* k = coucheKind(kind_);
  return k && k->pointsNommes;
}

bool COUCHE::lisCorps(std::istream& entree) {
  const bool nommes = pointsNommes();
  std::string mot;
  while (lisMot(entree, mot)) {
    if (memeMot(mot, motFin())) return true;
    POINT_COUCHE point;
    bool lu;
    if (nommes) {
      point.nom = mot;
      lu = lisReel(entree, point.x);
    } else {
      point.x = framework::lireReelC(mot);
      // Refused as the stream refuses an overflowing real, and with the same
      // effect: the reading of the sections stops here.
      lu = std::isfinite(point.x);
      if (!lu) entree.setstate(std::ios::failbit);
    }
    lu = lu && lisReel(entree, point.y) && lisReel(entree, point.z);
    if (!lu) {
      framework::fluxErreur() << "Erreur de lecture des Coord ds COUCHE::ES" << std::endl;
      return false;
    }
    points_.push_back(std::move(point));
  }
  framework::fluxErreur() << "Fin de fichier inattendu sur COUCHE::ES" << std::endl;
  return false;
}

bool COUCHE::ecrit(std::ostream& sortie) const {
  if (points_.empty()) return sortie.good();
  const bool nommes = pointsNommes();
  sortie << nomKind();
  for (const auto& p : points_) {
    sortie << ' ';
    // A name is one word: an empty one would shift every field on reading.
    if (nommes) sortie << (p.nom.empty() ? "nil" : p.nom.c_str()) << ' ';
    sortie << formatPointCouche(p.x, p.y, p.z);
  }
  sortie << ' ' << motFin() << '\n';
  return sortie.good();
}

}  // namespace road
