// One layer of a cross-section: its kind and its points in the section's frame.
#pragma once
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace road {

struct POINT_COUCHE {
  double x = 0;
  double y = 0;
  double z = 0;
  // Only kinds with named points write and read it ("nil" for a nil name).
  std::string nom;
};

class COUCHE {
 public:
  explicit COUCHE(int kind = 0) : kind_(kind) {}

  int kind() const { return kind_; }
  const char* nomKind() const;
  const char* motFin() const;
  bool pointsNommes() const;

  std::vector<POINT_COUCHE>& points() { return points_; }
  const std::vector<POINT_COUCHE>& points() const { return points_; }
  void ajoute(POINT_COUCHE point) { points_.push_back(std::move(point)); }

  // Reads the points up to the kind's end word; false after reporting a bad
  // coordinate or a missing end word (the points read so far stay).
  bool lisCorps(std::istream& entree);
  // One line: kind name, points, end word. A layer without point writes nothing.
  bool ecrit(std::ostream& sortie) const;
  // Names no end word, coordinates finite.
  bool relisible() const;

 private:
  int kind_;
  std::vector<POINT_COUCHE> points_;
};

// The text of one point coordinate triple as layers write it.
std::string formatPointCouche(double x, double y, double z);
// The same, appended to `s`.
void ajoutePointCouche(std::string& s, double x, double y, double z);

}  // namespace road
