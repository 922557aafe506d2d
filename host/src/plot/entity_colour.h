// Which entities a plot shows, and in what colour.
#pragma once
#include "plot/aci_couleurs.h"

namespace db {
class Database;
struct Entity;
}  // namespace db

namespace plot {

// The colour of an entity on paper: its true colour (420), else its own index
// (62), else, BYLAYER (256 or none), its layer's. False for what is not
// plotted: erased entities and those on a layer frozen or off.
bool plotColour(const db::Database& db, const db::Entity& e, Rgb& out);

}  // namespace plot
