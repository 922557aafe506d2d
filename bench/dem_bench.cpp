// The elevation-model import measured against a peer in the same run:
//   a full 1,000 x 1,000-node window read from four tiles and drawn as
//   coloured 3D faces in the drawing database (the command's own path:
//   tile reader, grid, band lookup, entmake of each face), against reading
//   the same tile files word by word with operator>> and making the same
//   number of 3DFACE entities directly in the database (goal: at most 1.5);
//   and the 3D points mode of the same window, in seconds.
//
//   bench_dem [--noeuds N] [--runs R]
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chrono_banc.h"
#include "core/session.h"
#include "db/database.h"
#include "db/entity_ops.h"
#include "dem/lecture_dalles.h"
#include "dem/sortie_hote.h"

namespace {

constexpr int kPas = 50;

// Four tiles of n/2 x n/2 nodes of rolling ground, with a few no-data runs.
void ecrireDalles(const std::string& dossier, int n) {
  const int m = n / 2;
  int numero = 1;
  for (int ty = 0; ty < 2; ++ty)
    for (int tx = 0; tx < 2; ++tx) {
      std::ofstream f(dossier + "/alti" + std::to_string(numero++) + ".z");
      f << tx * m * kPas << ' ' << ty * m * kPas << ' ' << m << ' ' << m << ' ' << kPas << '\n';
      for (int i = 0; i < m; ++i) {
        for (int j = 0; j < m;) {
          if ((i * 7 + j) % 997 == 0 && j + 5 < m) {
            f << "-5 ";
            j += 5;
            continue;
          }
          const double x = (tx * m + j) * 0.01, y = (ty * m + i) * 0.013;
          f << static_cast<int>(600 + 400 * std::sin(x) * std::cos(y)) << ' ';
          ++j;
        }
        f << '\n';
      }
    }
}

void nouveauDessin() {
  host::session().current().replaceDatabase(std::make_unique<db::Database>());
}

size_t entites() { return host::session().current().db().entities.size(); }

// The peer: every word of every tile with operator>>, then as many 3DFACE
// entities made straight in the database.
void pair(const std::string& dossier, size_t faces) {
  long somme = 0;
  for (int n = 1; n <= 4; ++n) {
    std::ifstream f(dossier + "/alti" + std::to_string(n) + ".z");
    int v;
    while (f >> v) somme += v;
  }
  db::Database& d = host::session().current().db();
  const double z = static_cast<double>(somme % 7);
  for (size_t i = 0; i < faces; ++i) {
    const double x = static_cast<double>(i % 1000) * kPas, y = static_cast<double>(i / 1000) * kPas;
    const db::InGroup g[6] = {{0, "3DFACE", {}},
                              {62, {}, {53, 0, 0}},
                              {10, {}, {x, y, z}},
                              {11, {}, {x + kPas, y, z}},
                              {12, {}, {x + kPas, y + kPas, z}},
                              {13, {}, {x, y + kPas, z}}};
    db::makeEntities(d, g);
  }
}

}  // namespace

int main(int argc, char** argv) {
  int n = 1000, runs = 3;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string a = argv[i];
    if (a == "--noeuds")
      n = std::clamp(std::atoi(argv[i + 1]), 4, 1000) / 2 * 2;
    else if (a == "--runs")
      runs = std::max(1, std::atoi(argv[i + 1]));
  }
  const std::string dossier =
      (std::filesystem::temp_directory_path() / ("bench_dem_" + std::to_string(getpid()))).string();
  std::filesystem::create_directories(dossier);
  ecrireDalles(dossier, n);

  dem::GrilleAltitudes grille;
  const dem::Coins fenetre{0, 0, (n - 1) * 50.0, (n - 1) * 50.0};
  const dem::TableBandes& bandes = dem::bandesParDefaut();
  const dem::Journal muet = [](const std::string&) {};
  auto importer = [&](dem::Trace mode) {
    nouveauDessin();
    const dem::BilanPasse b = dem::remplirGrille(dossier + "/", "z", fenetre, grille, muet);
    dem::SortieBase base;
    dem::tracerGrille(mode, grille, b.calage, bandes, base);
  };

  size_t faces = 0;
  const double tFaces = best(runs, [&] {
    importer(dem::Trace::Faces);
    faces = entites();
  });
  const double tPair = best(runs, [&] {
    nouveauDessin();
    pair(dossier, faces);
  });
  size_t points = 0;
  const double tPoints = best(runs, [&] {
    importer(dem::Trace::Points);
    points = entites();
  });
  nouveauDessin();
  std::filesystem::remove_all(dossier);

  const double ratio = tFaces / tPair;
  std::printf("fenêtre %d x %d noeuds, 4 dalles\n", n, n);
  std::printf("faces 3D : %zu en %.3f s ; pair (operator>> + 3DFACE directs) : %.3f s\n", faces,
              tFaces, tPair);
  std::printf("rapport faces / pair : %.2f (objectif <= 1.5) %s\n", ratio,
              ratio <= 1.5 ? "ATTEINT" : "MANQUÉ");
  std::printf("points 3D : %zu en %.3f s\n", points, tPoints);
  return 0;
}
