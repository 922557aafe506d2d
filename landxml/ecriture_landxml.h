// A LandXML 1.2 document of the terrain mesh (a TIN surface with its
// breaklines) and of the road project's alignments (plan geometry and
// vertical profiles), written through an XML library's printer.
#pragma once
#include <cstddef>
#include <ostream>
#include <string>

namespace terrain {
class MAILLAGE;
}
namespace road {
class PROJETTALVEX;
}

namespace landxml {

struct BILAN_EXPORT {
  size_t points = 0;
  size_t faces = 0;
  size_t lignesRupture = 0;
  size_t axes = 0;
};

struct CONTENU_EXPORT {
  terrain::MAILLAGE* maillage = nullptr;  // numbered for the faces
  const road::PROJETTALVEX* projet = nullptr;
  std::string nomSurface = "Terrain";
  std::string nomProjet = "Talvex";
};

// Writes the document; false when the stream failed.
bool ecritLandXML(std::ostream& sortie, const CONTENU_EXPORT& contenu, BILAN_EXPORT& bilan);

}  // namespace landxml
