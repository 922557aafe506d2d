// Selection filters by entity kind, for acedSSGet.
#pragma once
#include <cstdint>

#include "framework/liste_resbuf.h"

namespace framework {

// (-4 . "<OR") (0 . type) ... (-4 . "OR>"), one type per bit of `masque`,
// lowest bit first. With an extra filter list (taken over), the whole is
// (-4 . "<AND") extra... <OR block> (-4 . "AND>").
ListeResbuf filtreObjets(int32_t masque, ListeResbuf extra = ListeResbuf());

}  // namespace framework
