// The identity of the module this test program stands for.
#include "identite_essai.h"

IDENTITE_ESSAI("Sortie", "Essais de sortie")
