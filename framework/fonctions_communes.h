// The entries every framework module's table holds, in this order: its help
// command (the identity's command name) and "c:aproposde", "c:exetopo",
// "c:multiclient" and "c:sauvedwg". A module's table declares one object of
// this type where they belong among its own entries.
#pragma once
#include "framework/fonction_arx.h"

namespace framework {

struct FONCTIONS_COMMUNES {
  FONCTIONS_COMMUNES();
  FONCTION_ARX aide;
  FONCTION_ARX aproposde;
  FONCTION_ARX exetopo;
  FONCTION_ARX multiclient;
  FONCTION_ARX sauvedwg;
};

}  // namespace framework
