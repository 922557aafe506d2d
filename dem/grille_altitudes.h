// The altitude grid of one pass: 1,000 x 1,000 nodes, row-major, south to
// north and west to east from the snapped window's origin.
#pragma once
#include <cstdint>
#include <vector>

namespace dem {

constexpr int kCoteGrille = 1000;
constexpr int32_t kSansDonnee = -100;

class GrilleAltitudes {
 public:
  GrilleAltitudes() : z_(static_cast<size_t>(kCoteGrille) * kCoteGrille, kSansDonnee) {}

  void vider() { z_.assign(z_.size(), kSansDonnee); }
  // A node outside the grid is without data.
  int32_t z(int64_t rangee, int64_t colonne) const {
    return dedans(rangee, colonne) ? z_[index(rangee, colonne)] : kSansDonnee;
  }
  bool vide(int64_t rangee, int64_t colonne) const { return z(rangee, colonne) == kSansDonnee; }
  // Writes nothing outside the grid.
  void poser(int64_t rangee, int64_t colonne, int32_t altitude) {
    if (dedans(rangee, colonne)) z_[index(rangee, colonne)] = altitude;
  }
  static bool dedans(int64_t rangee, int64_t colonne) {
    return rangee >= 0 && colonne >= 0 && rangee < kCoteGrille && colonne < kCoteGrille;
  }

 private:
  static size_t index(int64_t r, int64_t c) {
    return static_cast<size_t>(r) * kCoteGrille + static_cast<size_t>(c);
  }
  std::vector<int32_t> z_;
};

}  // namespace dem
