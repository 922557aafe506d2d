// The two parts of the exported document, each written by its own file.
#pragma once
#include <tinyxml2.h>

#include "landxml/ecriture_landxml.h"

namespace landxml {

// <Surfaces>: the mesh as one TIN surface, its constraint segments chained
// into breaklines.
void ecritSurface(tinyxml2::XMLPrinter& xml, const CONTENU_EXPORT& contenu, BILAN_EXPORT& bilan);
// <Alignments>: each alignment's plan geometry and vertical profiles.
void ecritAxes(tinyxml2::XMLPrinter& xml, const road::PROJETTALVEX& projet, BILAN_EXPORT& bilan);

}  // namespace landxml
