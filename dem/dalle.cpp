#include "dem/dalle.h"

#include <charconv>

namespace dem {
namespace {

bool blanc(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// Whitespace-separated integers, read as "%d" reads them (a sign, then digits).
class Mots {
 public:
  explicit Mots(std::string_view t) : p_(t.data()), fin_(t.data() + t.size()) {}

  enum Etat { Nombre, Fin, PasUnNombre };

  Etat suivant(int64_t& v) {
    while (p_ < fin_ && blanc(*p_)) ++p_;
    if (p_ == fin_) return Fin;
    const char* debut = p_;
    if (*debut == '+') ++debut;
    int32_t n = 0;
    auto r = std::from_chars(debut, fin_, n);
    if (r.ec != std::errc() || (r.ptr < fin_ && !blanc(*r.ptr))) return PasUnNombre;
    p_ = r.ptr;
    v = n;
    return Nombre;
  }

 private:
  const char* p_;
  const char* fin_;
};

bool chevauche(int64_t a0, int64_t a1, int64_t b0, int64_t b1) { return a0 <= b1 && b0 <= a1; }

ResultatDalle refus(std::string motif) { return {IssueDalle::Refusee, std::move(motif)}; }

}  // namespace

ResultatDalle lireDalle(std::string_view texte, const Coins& coins, GrilleAltitudes& grille,
                        BilanPasse& bilan, std::vector<int32_t>& tampon) {
  Mots mots(texte);
  int64_t h[5];
  for (int64_t& v : h)
    if (mots.suivant(v) != Mots::Nombre) return refus("en-tête illisible");
  const EnTeteDalle e{h[0], h[1], h[2], h[3], h[4]};
  if (e.pas <= 0) return refus("pas de grille nul ou négatif (" + std::to_string(e.pas) + ")");
  if (e.rangees <= 0 || e.colonnes <= 0)
    return refus("nombre de rangées ou de colonnes nul ou négatif");
  if (e.rangees > kCoteGrille || e.colonnes > kCoteGrille)
    return refus(std::to_string(e.rangees) + " x " + std::to_string(e.colonnes) +
                 " noeuds, plus que la grille de 1000 x 1000");
  bilan.pas = e.pas;
  const Calage k = caler(coins, e.pas);
  bilan.calage = k;
  if (!chevauche(k.x0, k.x1, e.x0, e.x0 + (e.colonnes - 1) * e.pas) ||
      !chevauche(k.y0, k.y1, e.y0, e.y0 + (e.rangees - 1) * e.pas))
    return {IssueDalle::HorsFenetre, {}};

  // The whole tile first, so that a faulty one stores nothing.
  tampon.assign(static_cast<size_t>(e.rangees * e.colonnes), kSansDonnee);
  for (int64_t i = 0; i < e.rangees; ++i) {
    int32_t* rangee = tampon.data() + i * e.colonnes;
    for (int64_t j = 0; j < e.colonnes;) {
      int64_t v = 0;
      switch (mots.suivant(v)) {
        case Mots::Fin:
          return refus(std::to_string(i) + " rangées complètes sur " + std::to_string(e.rangees) +
                       " annoncées");
        case Mots::PasUnNombre:
          return refus("mot non numérique à la rangée " + std::to_string(i + 1));
        case Mots::Nombre: break;
      }
      if (v >= 0)
        rangee[j++] = static_cast<int32_t>(v);
      else
        j += -v;  // cut at the row's end by the loop
    }
  }
  int64_t reste = 0;
  if (mots.suivant(reste) != Mots::Fin) return refus("valeurs en trop après la dernière rangée");

  const int64_t r0 = (e.y0 - k.y0) / e.pas, c0 = (e.x0 - k.x0) / e.pas;
  for (int64_t i = 0; i < e.rangees; ++i) {
    const int64_t r = r0 + i;
    if (r < 0 || r >= k.rangees || r >= kCoteGrille) continue;
    const int32_t* rangee = tampon.data() + i * e.colonnes;
    for (int64_t j = 0; j < e.colonnes; ++j) {
      const int64_t c = c0 + j;
      const int32_t z = rangee[j];
      if (z == kSansDonnee || c < 0 || c >= k.colonnes || c >= kCoteGrille) continue;
      grille.poser(r, c, z);
      if (bilan.noeuds == 0 || z > bilan.zmax) bilan.zmax = z;
      if (bilan.noeuds == 0 || z < bilan.zmin) bilan.zmin = z;
      ++bilan.noeuds;
    }
  }
  return {IssueDalle::Lue, {}};
}

}  // namespace dem
