#include "framework/commandes_application.h"

#include "aced.h"
#include "framework/commandes_dessin.h"
#include "framework/identite_module.h"

namespace framework {
void ajouteCommandesApplication() {
  const char* groupe = nomCommandeSansPrefixe();
  acedRegCmds->addCommand(groupe, "nouvtopo", "nouvtopo", kCommandeContexteApplication,
                          &nouveauDessinTopo);
  acedRegCmds->addCommand(groupe, "ouvredwg", "ouvredwg", kCommandeContexteApplication,
                          &ouvreDessin);
}

void retireCommandesApplication() { acedRegCmds->removeGroup(nomCommandeSansPrefixe()); }

}  // namespace framework
