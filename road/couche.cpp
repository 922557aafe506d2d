#include "road/couche.h"

#include <locale.h>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "framework/error_stream.h"
#include "framework/nombres_c.h"
#include "road/couche_kind.h"
#include "road/jetons_projet.h"
#include "road/rapport_lecture.h"
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

namespace {

// One field of " %20.5f": std::to_chars with a precision writes what printf
// writes in the C locale, several times faster.
void ajouteChamp(std::string& s, double v) {
  char chiffres[400];
  const auto r =
      std::to_chars(chiffres, chiffres + sizeof chiffres, v, std::chars_format::fixed, 5);
  if (r.ec != std::errc()) {
    LocaleCLocale c;
    char court[400];
    const int n = std::snprintf(court, sizeof court, "%20.5f", v);
    s.append(court, n > 0 ? static_cast<size_t>(std::min<int>(n, sizeof court - 1)) : 0);
    return;
  }
  const size_t n = static_cast<size_t>(r.ptr - chiffres);
  if (n < 20) s.append(20 - n, ' ');
  s.append(chiffres, n);
}

}  // namespace

void ajoutePointCouche(std::string& s, double x, double y, double z) {
  s.push_back(' ');
  ajouteChamp(s, x);
  s.push_back(' ');
  ajouteChamp(s, y);
  s.push_back(' ');
  ajouteChamp(s, z);
  s.push_back(' ');
}

std::string formatPointCouche(double x, double y, double z) {
  std::string s;
  ajoutePointCouche(s, x, y, z);
  return s;
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
      erreurLecture("Erreur de lecture des Coord ds COUCHE::ES");
      return false;
    }
    points_.push_back(std::move(point));
  }
  erreurLecture("Fin de fichier inattendu sur COUCHE::ES");
  return false;
}

bool COUCHE::ecrit(std::ostream& sortie) const {
  if (points_.empty()) return sortie.good();
  const bool nommes = pointsNommes();
  // The line is built whole, then written once: a layer holds many points.
  thread_local std::string ligne;
  ligne.assign(nomKind());
  for (const auto& p : points_) {
    ligne.push_back(' ');
    // A name is one word: an empty one would shift every field on reading.
    if (nommes) {
      ligne.append(p.nom.empty() ? "nil" : p.nom);
      ligne.push_back(' ');
    }
    ajoutePointCouche(ligne, p.x, p.y, p.z);
  }
  ligne.push_back(' ');
  ligne.append(motFin());
  ligne.push_back('\n');
  sortie.write(ligne.data(), static_cast<std::streamsize>(ligne.size()));
  return sortie.good();
}

bool COUCHE::relisible() const {
  const bool nommes = pointsNommes();
  return std::all_of(points_.begin(), points_.end(), [&](const POINT_COUCHE& p) {
    // An empty name is written "nil".
    const bool nomLu =
        !nommes || p.nom.empty() || (motRelisible(p.nom) && !memeMot(p.nom, motFin()));
    return nomLu && reelRelisible(p.x) && reelRelisible(p.y) && reelRelisible(p.z);
  });
}

}  // namespace road
