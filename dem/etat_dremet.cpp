#include "dem/etat_dremet.h"

namespace dem {

EtatDremet& etatDremet() {
  static EtatDremet etat;
  return etat;
}

}  // namespace dem
