// Talvex's editor reactor: the component through which Talvex follows host
// commands and saves of the drawing.
#pragma once

namespace talvex {

bool demarreReacteurEditeur();
void arreteReacteurEditeur();

}  // namespace talvex
