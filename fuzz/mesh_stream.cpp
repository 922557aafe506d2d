// Any bytes as a binary mesh stream: the reader must refuse what is not a
// whole, sound stream without touching the mesh it reads into, never allocate
// from a count it has not checked, and what it accepts must write back to the
// same bytes.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "terrain/flux_maillage.h"
#include "terrain/maillage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string octets(reinterpret_cast<const char*>(data), size);
  terrain::MAILLAGE maillage;
  maillage.ajoutePoint(terrain::VECTEUR(1, 2, 3));
  std::istringstream entree(octets);
  std::string erreur;
  if (!terrain::litMaillage(maillage, entree, erreur)) {
    if (erreur.empty() || maillage.points().size() != 1) std::abort();
    return 0;
  }
  // Read twice, a stream gives back its own bytes (the list order turns twice).
  std::ostringstream une;
  terrain::ecritMaillage(maillage, une);
  terrain::MAILLAGE relu;
  std::istringstream encore(une.str());
  if (!terrain::litMaillage(relu, encore, erreur)) std::abort();
  std::ostringstream deux;
  terrain::ecritMaillage(relu, deux);
  const std::string attendu = octets.substr(0, deux.str().size());
  if (deux.str() != attendu) std::abort();
  return 0;
}
