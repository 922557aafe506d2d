// Object snaps: the point of a drawing's geometry that a pick near `pt` snaps
// to (end, middle, centre, node, nearest, intersection).
#pragma once
#include <vector>

#include "base/coords.h"

namespace db {
class Database;
}

namespace host::geo {

enum class Snap { End, Mid, Center, Node, Nearest, Intersection };

// Mode words separated by commas: global ones after "_" ("_end", "_mid",
// "_cen", "_nod", "_ins", "_nea", "_int", "_non"), French ones without ("fin",
// "mil", "pro", "auc" ...); the first three letters count. False for an
// unknown word. `none` is set by "_non".
bool parseSnapModes(const char* text, std::vector<Snap>& modes, bool& none);

// The candidate nearest to world point `w` (in plan) among the snap points of
// the visible entities that pass within `aperture` of it; intersections must
// themselves lie within the aperture. False when there is none.
bool findSnap(const db::Database& db, const std::vector<Snap>& modes, const Vec3& w,
              double aperture, Vec3& out);

}  // namespace host::geo
