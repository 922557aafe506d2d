// Any bytes as a LandXML document: the reader must never crash, give a message
// with every refusal, and hand out only faces whose corners are its points.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "landxml/lecture_landxml.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string erreur;
  const auto surfaces = landxml::lisSurfaces(reinterpret_cast<const char*>(data), size, erreur);
  if (!surfaces) {
    if (erreur.empty()) std::abort();
    return 0;
  }
  for (const landxml::SURFACE_LUE& s : *surfaces)
    for (const auto& f : s.faces)
      for (uint32_t k : f)
        if (k >= s.points.size()) std::abort();
  return 0;
}
