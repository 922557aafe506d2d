// The alignment-level work of the road API on the tabulation: when the
// stations change, the cross-sections and the construction table follow them
// and the 3D axis points, which depend on them, are dropped.
#pragma once
#include <memory>

#include "adsdef.h"
#include "road/classes.h"

namespace road {

// Replaces the alignment's tabulation table by one filled from an LTABUL list
// ((x y z abscissa kind value1 value2) ...; the walk stops at the first item
// that is not a sub-list). Answers the previous table (null when none).
std::unique_ptr<TABLE_TABULATION> remplaceTabulation(AXE_EN_PLAN& axe, const resbuf* ltabul);

// Adds cross-sections and construction entries for the stations that appeared
// since `precedente` (null: all are new), removes those of the stations that
// went, and drops the 3D axis points. Kind -5 stations count for neither side.
void synchroniseTabulation(AXE_EN_PLAN& axe, const TABLE_TABULATION* precedente);

// Empties the construction table (made when missing) and fills it, in
// abscissa order, from an LPT-CONS list ((abscissa i1 .. i6 number) ...).
void rechargeConstruction(AXE_EN_PLAN& axe, const resbuf* lptCons);

// Numbers the construction entries from the alignment's first profile number
// with the step PAS-NPRO (1 when unset). False, after reporting, when the
// alignment has no construction table.
bool renumeroteConstruction(AXE_EN_PLAN& axe);

// What follows the synchronisation in a tabulation update.
enum class SUITE_TABULATION { Renumerotation, Rechargement };

// The whole update from the symbols NB-PTAB, NB-PT, LTABUL and then PAS-NPRO
// (renumbering) or LPT-CONS (reloading). The tabulation and the synchronised
// tables stay even when the renumbering fails; the answer tells the caller.
bool miseAJourTabulation(AXE_EN_PLAN& axe, SUITE_TABULATION suite);

}  // namespace road
