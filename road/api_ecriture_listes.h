// The list shapes that the road API reads from AutoLISP symbols: a list of
// sub-lists taken item by item up to the first item that is not of the
// expected shape, values inside an item taken by position.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "framework/point_3d.h"
#include "road/articles_lisp.h"
#include "road/axes_en_long.h"
#include "road/construction_profil.h"
#include "road/couche.h"
#include "road/elements_plan.h"
#include "road/points_axe3d.h"

struct resbuf;

namespace road {

// The 3D points of a list value, up to the first item that is not one.
std::vector<framework::Point3D> points3dListe(const resbuf* liste);

// LAXE-P: (text real integer real).
std::vector<ELEMENT_PLAN> elementsPlanDe(const resbuf* liste);
// LAXE-L: (text real real integer real).
std::vector<SOMMET_LONG> sommetsLongDe(const resbuf* liste);
// LAXE3D: (abscissa value x1 y1 z1 x2 y2 z2 x3 y3 z3).
std::vector<POINT_AXE3D> pointsAxe3dDe(const resbuf* liste);
// The layer of kind `code` from its symbol's list: named points
// (name-or-nil x y z), "nil" for a nil name, or plain 3D points.
COUCHE coucheDe(int code, const resbuf* liste);

}  // namespace road
