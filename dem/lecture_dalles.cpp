#include "dem/lecture_dalles.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#include "platform.h"

namespace dem {
namespace {

struct FermeFichier {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using Fichier = std::unique_ptr<std::FILE, FermeFichier>;

// A directory is no tile, though it opens as a file on this system.
Fichier ouvrir(std::string chemin) {
  if (!platform::fileExists(chemin)) return nullptr;
  for (char& c : chemin)
    if (c == '\\') c = '/';
  return Fichier(std::fopen(chemin.c_str(), "rb"));
}

// A whole tile of 1,000 x 1,000 values takes some 12 MB: far more is no tile.
constexpr size_t kTailleMax = size_t{256} << 20;

// An empty optional when the file reads whole, else why not.
std::optional<std::string> lireTout(std::FILE* f, std::string& texte) {
  texte.clear();
  char bloc[1 << 16];
  size_t n;
  while ((n = std::fread(bloc, 1, sizeof bloc, f)) > 0) {
    if (texte.size() + n > kTailleMax) return "plus de 256 Mo, trop pour une dalle";
    texte.append(bloc, n);
  }
  if (std::ferror(f)) return "lecture interrompue";
  return std::nullopt;
}

}  // namespace

std::string nomDalle(const std::string& prefixe, int n, const std::string& extension) {
  return prefixe + "alti" + std::to_string(n) + "." + extension;
}

bool lisible(const std::string& chemin) { return ouvrir(chemin) != nullptr; }

BilanPasse remplirGrille(const std::string& prefixe, const std::string& extension,
                         const Coins& coins, GrilleAltitudes& grille, const Journal& dire) {
  BilanPasse bilan;
  grille.vider();
  dire("\n LECTURE DES FICHIERS DE DONNEES ...");
  std::string texte;
  std::vector<int32_t> tampon;
  for (int n = 1; n <= kNombreDalles; ++n) {
    const std::string nom = nomDalle(prefixe, n, extension);
    dire("\n Fichier a ouvrir : " + nom);
    Fichier f = ouvrir(nom);
    if (!f) continue;
    if (const auto echec = lireTout(f.get(), texte)) {
      dire("\n Fichier " + nom + " ignoré : " + *echec + ".");
      continue;
    }
    const ResultatDalle r = lireDalle(texte, coins, grille, bilan, tampon);
    if (r.issue == IssueDalle::Refusee) dire("\n Fichier " + nom + " ignoré : " + r.motif + ".");
    dire("\n " + std::to_string(bilan.noeuds) + " POINTS LUS.");
  }
  return bilan;
}

}  // namespace dem
