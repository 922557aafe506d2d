// The import window: its corners, its size in the dialog's 50-unit cells and
// its snapping to the step of the data files.
#pragma once
#include <cstdint>

namespace dem {

struct Coins {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  // Swapped so that x1 <= x2 and y1 <= y2.
  Coins ordonnes() const;
};

// Rows and columns of 50 units that the dialog shows.
struct TailleFenetre {
  int64_t rangees = 0, colonnes = 0;
};
constexpr double kMaille = 50.0;
constexpr int64_t kMaxMailles = 1000;

TailleFenetre taille(const Coins& c);
// A picked window: more than 1,000 rows or columns bring the upper or right
// corner back to 999 cells from the lower-left one.
TailleFenetre limiter(Coins& c);

// The window snapped to the file step: origin (x0, y0), upper-right node
// (x1, y1), and the grid's rows and columns (one beyond the upper-right node).
struct Calage {
  int64_t pas = 0;
  int64_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  int64_t rangees = 0, colonnes = 0;
  bool valide() const { return pas > 0; }
  double x(int64_t colonne) const { return static_cast<double>(x0 + colonne * pas); }
  double y(int64_t rangee) const { return static_cast<double>(y0 + rangee * pas); }
};

// pas > 0; the corners ordered.
Calage caler(const Coins& c, int64_t pas);

}  // namespace dem
