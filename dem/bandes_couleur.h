// The colour band table: 30 upper altitude bounds, each with the colour index
// of the altitudes below it, and the edits the colour band dialog makes.
#pragma once
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace dem {

constexpr int kNombreBandes = 30;

struct Bande {
  int32_t borne = 0;
  int32_t couleur = 0;
  bool operator==(const Bande&) const = default;
};

using TableBandes = std::array<Bande, kNombreBandes>;

const TableBandes& bandesParDefaut();

// The colour of the first band whose bound is above the truncated mean of
// the altitudes given (one, two or three: an altitude of 0 counts); 0 when
// none is.
int couleurBande(const TableBandes& t, std::initializer_list<double> altitudes);

// Colours that follow band 0's through shades 0, 2 and 4 of each hue, hue
// after hue, written into bands 1 to 29. False (and nothing changed) when
// band 0's colour cannot start such a sequence.
bool degrade(TableBandes& t);
extern const char* const kMessageDegrade;

// The bands strictly between bands a and b take the colours interpolated
// between theirs; nothing when they are not two apart.
void degradeEntre(TableBandes& t, int a, int b);

// Regular altitude steps: band i's bound is bas + i * pas, or haut for the
// last band and from the first that reaches haut on.
struct PasAltitude {
  int32_t bas = 0, pas = -1, haut = 0;
};
void appliquerPas(TableBandes& t, const PasAltitude& p);
// The stepping from the table, before it is first set.
PasAltitude pasInitial(const TableBandes& t);

}  // namespace dem
