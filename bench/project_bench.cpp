// The road project file measured against reading the same file word by word
// with operator>> into a std::string, in the same run:
//   load/words and save/words time ratios (goal: each at most 2),
//   and save, load, save giving the same bytes.
//
//   bench_project [--profils N] [--runs R]
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "chrono_banc.h"
#include "framework/error_stream.h"
#include "framework/identite_module.h"
#include "road/projet_talvex.h"
#include "road/registre_objets.h"

namespace framework {

const IDENTITE_MODULE& identiteModule() {
  static constexpr IDENTITE_MODULE kIdentite{
      "Banc", "1.00", "MV12", "C:Banc", "Banc projet", "", "1.0", "https://exemple.test",
      -1,     false,  false};
  return kIdentite;
}

}  // namespace framework

namespace {

// One alignment with `profils` cross-sections of nine layers of 50 points
// each, plus elements, profiles, thicknesses and the three tables.
std::string projet(int profils) {
  static const char* kinds[9][2] = {
      {"TERRAIN", "FINTN"},  {"DECAPAGE", "FINTD"}, {"PROJET", "FINPJ"},
      {"VEGETALE", "FINTV"}, {"FORME", "FINFR"},    {"FONDATION", "FINFD"},
      {"BASE", "FINBA"},     {"ASSISE", "FINAS"},   {"ROULEMENT", "FINRL"}};
  std::string s;
  s.reserve(static_cast<size_t>(profils) * 9 * 50 * 70);
  char t[160];
  s += "3D-DONNEES-TERRAIN\n\"T\" = \"\"\n+\n\t\"VMin\" = \"0\"\n-\n";
  s += "ID-AXE-EN-PLAN\nAXE1 0 1000 1 CONS 2 0 0 0 1000 1000 0 90\n";
  s += "ELT-AXE-EN-PLAN\nD1 10 1 20 A2 30 2 40\n";
  s += "ID-AXES-EN-LONG\nPL1 0 1 S1 1 2 3 4 S2 5 6 7 8 FINLONG\n";
  s += "EPAISSEUR-DE-STRUCTURE\n0.05 0.06\nnil nil\n0.3 nil\n0.5 0.5\n";
  s += "PROF-EN-TRAVERS\n";
  for (int p = 0; p < profils; ++p) {
    std::snprintf(t, sizeof t, "%d.500000 0.200000 0.300000 H%d\n", p, p);
    s += t;
    for (int k = 0; k < 9; ++k) {
      s += kinds[k][0];
      for (int i = 0; i < 50; ++i) {
        if (k < 3) {
          std::snprintf(t, sizeof t, " P%d", i);
          s += t;
        }
        std::snprintf(t, sizeof t, " %20.5f %20.5f %20.5f ", p * 10.0 + i * 0.25, 5000.0 + i,
                      100.0 + k * 0.01);
        s += t;
      }
      s += ' ';
      s += kinds[k][1];
      s += '\n';
    }
  }
  s += "CONTRUCTION-DES-PROFILS\n";
  for (int p = 0; p < profils; ++p) {
    std::snprintf(t, sizeof t, "%d.500000 1 2 3 4 5 6 \"P%d\"\n", p, p);
    s += t;
  }
  s += "PTS-DE-TABULATION\n";
  for (int p = 0; p < profils; ++p) {
    std::snprintf(t, sizeof t, "1.000000 2.000000 3.000000 %d.500000 1 0.500000 0.600000\n", p);
    s += t;
  }
  s += "CUBATURES\n";
  for (int p = 0; p < profils; ++p) {
    std::snprintf(t, sizeof t, "%d.500000 1.000000 nil 2.000000 nil 3.000000 4.000000\n", p);
    s += t;
  }
  return s;
}

std::string lit(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

}  // namespace

int main(int argc, char** argv) {
  int profils = 2000, runs = 3;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--profils")) profils = std::atoi(argv[i + 1]);
    if (!std::strcmp(argv[i], "--runs")) runs = std::atoi(argv[i + 1]);
  }
  std::ostringstream messages;
  framework::fluxErreur().rdbuf(messages.rdbuf());
  road::REGISTRE_OBJETS::enregistreTout();
  messages.str("");  // the registration lines

  const auto dossier =
      std::filesystem::temp_directory_path() / ("bench_project_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dossier);
  const std::string source = (dossier / "source.axs").string();
  const std::string un = (dossier / "un.axs").string(), deux = (dossier / "deux.axs").string();
  std::ofstream(source, std::ios::binary) << projet(profils);

  // The canonical file: what the writer makes of the generated one.
  {
    road::PROJETTALVEX p(1);
    p.charge(source);
    p.sauve(un);
  }
  const double taille = static_cast<double>(std::filesystem::file_size(un));

  size_t mots = 0;
  const double tMots = best(runs, [&] {
    std::ifstream f(un, std::ios::binary);
    std::string mot;
    mots = 0;
    while (f >> mot) ++mots;
  });
  size_t axes = 0;
  const double tCharge = best(runs, [&] {
    road::PROJETTALVEX p(1);
    p.charge(un);
    axes = p.nombreAxes();
  });
  road::PROJETTALVEX charge(1);
  charge.charge(un);
  const double tSauve = best(runs, [&] { charge.sauve(deux); });
  // The same writing into memory: what the formatting costs without the disk.
  const double tEcrit = best(runs, [&] {
    std::ostringstream s;
    charge.ecrit(s);
  });
  const bool identique = lit(un) == lit(deux);

  std::printf("project: %d cross-sections, %.1f MB, %zu words, %zu alignment(s)\n", profils,
              taille / 1e6, mots, axes);
  std::printf("words (operator>>): %.3f s\n", tMots);
  std::printf("load: %.3f s  ratio %.2f (goal <= 2)  %s\n", tCharge, tCharge / tMots,
              tCharge <= 2 * tMots ? "OK" : "SLOW");
  std::printf("save: %.3f s  ratio %.2f (goal <= 2)  %s\n", tSauve, tSauve / tMots,
              tSauve <= 2 * tMots ? "OK" : "SLOW");
  std::printf("  of which writing into memory: %.3f s\n", tEcrit);
  std::printf("save, load, save identical: %s\n", identique ? "yes" : "NO");
  if (!messages.str().empty()) std::printf("messages:\n%s", messages.str().c_str());
  std::filesystem::remove_all(dossier);
  return identique ? 0 : 1;
}
