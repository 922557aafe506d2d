#include "framework/commandes_application.h"

#include <ostream>

#include "aced.h"
#include "framework/error_stream.h"
#include "framework/identite_module.h"

namespace framework {
namespace {

// Opening and creating drawings for the current client come with the client
// configuration; until then the commands say so.
void nouvtopo() {
  fluxErreur()
      << "nouvtopo : nouveau dessin depuis le gabarit du client non disponible dans cette version"
      << std::endl;
}

void ouvredwg() {
  fluxErreur() << "ouvredwg : ouverture de dessin du client non disponible dans cette version"
               << std::endl;
}

}  // namespace

void ajouteCommandesApplication() {
  const char* groupe = nomCommandeSansPrefixe();
  acedRegCmds->addCommand(groupe, "nouvtopo", "nouvtopo", kCommandeContexteApplication, &nouvtopo);
  acedRegCmds->addCommand(groupe, "ouvredwg", "ouvredwg", kCommandeContexteApplication, &ouvredwg);
}

void retireCommandesApplication() { acedRegCmds->removeGroup(nomCommandeSansPrefixe()); }

}  // namespace framework
