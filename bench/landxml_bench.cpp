// LandXML exchange of a meshed terrain against the plainest way to move the
// same numbers, in the same run. Export: the document against writing each
// point's and each face's numbers, formatted the same way, one line each,
// with no XML (goal at most 2 x). Import: reading the document's surfaces
// against reading the same file word by word (goal at most 3 x).
//
//   bench_landxml [--points N] [--file PATH]
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "chrono_banc.h"
#include "framework/error_stream.h"
#include "landxml/ecriture_landxml.h"
#include "landxml/lecture_landxml.h"
#include "terrain/maillage.h"
#include "terrain_ondule.h"

namespace {

using Clock = std::chrono::steady_clock;

// The peer: the numbers, shortest round-trip text, one line per item.
void ecritNombres(const terrain::MAILLAGE& m, std::ostream& sortie) {
  char ligne[128];
  auto nombre = [&](char* p, auto v) {
    p = std::to_chars(p, ligne + sizeof ligne - 2, v).ptr;
    *p++ = ' ';
    return p;
  };
  for (const terrain::PT_MAILLE* p : m.index()) {
    char* fin = nombre(nombre(nombre(nombre(ligne, p->numero + 1), p->y), p->x), p->z);
    fin[-1] = '\n';
    sortie.write(ligne, fin - ligne);
  }
  for (const terrain::TRI_MAILLE* t : m.triangles()) {
    char* fin = nombre(nombre(nombre(ligne, t->p[0]->numero + 1), t->p[1]->numero + 1),
                       t->p[2]->numero + 1);
    fin[-1] = '\n';
    sortie.write(ligne, fin - ligne);
  }
}

}  // namespace

int main(int argc, char** argv) {
  size_t points = 1000000;
  std::string fichier = "bench_landxml.xml";
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--points")) points = std::strtoul(argv[i + 1], nullptr, 10);
    if (!std::strcmp(argv[i], "--file")) fichier = argv[i + 1];
  }
  std::ostringstream messages;
  framework::fluxErreur().rdbuf(messages.rdbuf());

  terrain::MAILLAGE m;
  if (!construitTerrainOndule(m, points, 5)) {
    std::printf("the build failed\n");
    return 1;
  }
  m.numerote();

  const std::string peer = fichier + ".txt";
  auto debut = Clock::now();
  {
    std::ofstream sortie(peer, std::ios::binary);
    ecritNombres(m, sortie);
  }
  const double tNombres = seconds(debut);
  landxml::CONTENU_EXPORT contenu;
  contenu.maillage = &m;
  landxml::BILAN_EXPORT bilan;
  debut = Clock::now();
  {
    std::ofstream sortie(fichier, std::ios::binary);
    if (!landxml::ecritLandXML(sortie, contenu, bilan)) {
      std::printf("the export failed\n");
      return 1;
    }
  }
  const double tExport = seconds(debut);

  debut = Clock::now();
  size_t mots = 0;
  {
    std::ifstream entree(fichier, std::ios::binary);
    std::string mot;
    while (entree >> mot) ++mots;
  }
  const double tMots = seconds(debut);
  debut = Clock::now();
  size_t faces = 0;
  {
    std::string erreur;
    const auto surfaces = landxml::lisFichierSurfaces(fichier, erreur);
    if (!surfaces) {
      std::printf("the import failed: %s\n", erreur.c_str());
      return 1;
    }
    faces = surfaces->front().faces.size();
  }
  const double tImport = seconds(debut);
  std::remove(peer.c_str());
  std::remove(fichier.c_str());

  const double rExport = tExport / tNombres, rImport = tImport / tMots;
  std::printf("%zu points, %zu faces: numbers %.3f s, LandXML export %.3f s\n", bilan.points,
              bilan.faces, tNombres, tExport);
  std::printf("ratio export/numbers %.2f (goal <= 2) %s\n", rExport,
              rExport <= 2.0 ? "ok" : "MISSED");
  std::printf("%zu words read %.3f s, LandXML import %.3f s (%zu faces)\n", mots, tMots, tImport,
              faces);
  std::printf("ratio import/words %.2f (goal <= 3) %s\n", rImport,
              rImport <= 3.0 ? "ok" : "MISSED");
  return 0;
}
