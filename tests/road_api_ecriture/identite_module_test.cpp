// The identity of the module this test program stands for.
#include "identite_essai.h"

IDENTITE_ESSAI("Talvex", "Essais de l'API route")
