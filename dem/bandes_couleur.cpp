#include "dem/bandes_couleur.h"

#include <algorithm>
#include <cmath>

#include "dem/couleurs_index.h"

namespace dem {

const char* const kMessageDegrade =
    "La première couleur doit être de 10 à 15, ou 20 à 25, ..., 240 à 245";

const TableBandes& bandesParDefaut() {
  static const TableBandes t = {{{80, 51},    {160, 53},   {240, 55},   {320, 50},   {400, 52},
                                 {480, 54},   {560, 74},   {640, 82},   {720, 92},   {800, 94},
                                 {880, 96},   {960, 116},  {1040, 114}, {1120, 112}, {1200, 93},
                                 {1280, 95},  {1360, 57},  {1440, 84},  {1520, 86},  {1600, 88},
                                 {1680, 34},  {1760, 36},  {1840, 38},  {1920, 39},  {2000, 250},
                                 {2100, 251}, {2200, 252}, {2300, 253}, {2400, 252}, {8000, 255}}};
  return t;
}

int couleurBande(const TableBandes& t, std::initializer_list<double> altitudes) {
  if (altitudes.size() == 0) return 0;
  double somme = 0;
  for (double z : altitudes) somme += z;
  const double moyenne = std::trunc(somme / static_cast<double>(altitudes.size()));
  for (const Bande& b : t)
    if (b.borne > moyenne) return b.couleur;
  return 0;
}

bool degrade(TableBandes& t) {
  static constexpr int kDepartBase[6] = {10, 50, 80, 130, 170, 210};
  int c = t[0].couleur;
  if (c >= 1 && c <= 6) c = kDepartBase[c - 1];
  if (c / 10 < 1 || c / 10 > 24 || c % 10 > 5) return false;
  int teinte = (c / 10) * 10, nuance = (c % 10) / 2;
  const int parite = c % 2;
  for (int n = 1; n < kNombreBandes; ++n) {
    if (++nuance == 3) {
      nuance = 0;
      teinte += 10;
      if (teinte == 240) teinte = 10;
    }
    t[n].couleur = teinte + 2 * nuance + parite;
  }
  return true;
}

void degradeEntre(TableBandes& t, int a, int b) {
  if (a < 0 || b >= kNombreBandes || b - a < 2) return;
  const int n = b - a + 1;
  for (int j = 1; j <= n - 2; ++j)
    t[a + j].couleur = indexInterpole(t[a].couleur, t[b].couleur, j, n);
}

PasAltitude pasInitial(const TableBandes& t) {
  return {t[0].borne,
          static_cast<int32_t>(
              std::clamp<int64_t>(int64_t{t[1].borne} - t[0].borne, INT32_MIN, INT32_MAX)),
          t[kNombreBandes - 1].borne};
}

void appliquerPas(TableBandes& t, const PasAltitude& p) {
  for (int i = 0; i < kNombreBandes; ++i) {
    const int64_t v = int64_t{p.bas} + int64_t{i} * p.pas;
    t[i].borne = (i == kNombreBandes - 1 || v >= p.haut)
                     ? p.haut
                     : static_cast<int32_t>(std::max<int64_t>(v, INT32_MIN));
  }
}

}  // namespace dem
