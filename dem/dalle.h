// One tile of the elevation model: a text file of decimal integers, a header
// (x and y of the first node, rows, values per row, step) then the rows from
// south to north, each from west to east. A negative value -n stands for n
// nodes without data; a run that passes the end of its row is cut there.
//
// A tile is outside input: one that does not read whole and cleanly (a bad
// header, a word that is not a number, fewer or more values than its header
// announces, more nodes than the grid) is refused with its reason and stores
// nothing; nothing is ever written outside the grid.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dem/fenetre.h"
#include "dem/grille_altitudes.h"

namespace dem {

struct EnTeteDalle {
  int64_t x0 = 0, y0 = 0, rangees = 0, colonnes = 0, pas = 0;
};

// What one pass has stored so far.
struct BilanPasse {
  int64_t noeuds = 0;
  int32_t zmax = 0, zmin = 0;  // meaningful once noeuds > 0
  int64_t pas = 0;             // the step of the last tile whose header was read
  Calage calage;               // the window snapped to that step
};

enum class IssueDalle { Lue, HorsFenetre, Refusee };

struct ResultatDalle {
  IssueDalle issue = IssueDalle::Refusee;
  std::string motif;  // why it was refused
};

// Reads the tile held in `texte` into the grid for the window `coins`
// (ordered), updating the pass's record. `tampon` is scratch space that the
// caller may keep between tiles.
ResultatDalle lireDalle(std::string_view texte, const Coins& coins, GrilleAltitudes& grille,
                        BilanPasse& bilan, std::vector<int32_t>& tampon);

}  // namespace dem
