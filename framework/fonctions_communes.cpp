#include "framework/fonctions_communes.h"

#include "framework/commandes_dessin.h"
#include "framework/identite_module.h"
#include "framework/information_produit.h"
#include "framework/multi_client.h"
#include "framework/programmes_externes.h"

namespace framework {

// Members are made in declaration order: the function codes follow it.
FONCTIONS_COMMUNES::FONCTIONS_COMMUNES()
    : aide(identiteModule().nomCommande, commandeAide, "Aide sur le module", kToujoursDisponible,
           kSansAccrochage),
      aproposde("c:aproposde", commandeAide, "Aide sur le module", kToujoursDisponible,
                kSansAccrochage),
      exetopo("c:exetopo", commandeExetopo, " [prg] : programme a executer", kToujoursDisponible,
              kSansAccrochage),
      multiclient("c:multiclient", commandeMultiClient, "Gestion multi-clients",
                  kToujoursDisponible, kSansAccrochage),
      sauvedwg("c:sauvedwg", commandeSauveDwg, "Sauvegarde d'un fichier DWG", kToujoursDisponible,
               kSansAccrochage) {}

}  // namespace framework
