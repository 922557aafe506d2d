// The settings the framework itself registers, for the framework's own code
// (multi-client configuration, drawing output).
#pragma once
#include <string>

#include "framework/texte_parametre.h"

namespace framework {

int& reglageMenuOnLoad();             // /Fichier/MenuOnLoad, never loaded
TEXTE_PARAMETRE& reglageGabarit();    // /General/Gabarit
std::string& reglageFichierClient();  // /Fichier/FichierClient, never loaded
std::string& reglageClientCourant();  // /Fichier/ClientCourant, never loaded
double& reglageDiscArc();             // /Global/DiscArc

}  // namespace framework
