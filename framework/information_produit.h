// The product information screen, the product file and the help commands.
#pragma once
#include <cstdint>
#include <string>

struct resbuf;

namespace framework {

// Shows the product information dialog; with an attached file the button
// "Informations supplémentaires..." opens it.
void afficheInformationProduit(const std::string& fichierAttache);

// Writes "infoproduit.txt" in the current directory.
bool ecritFichierProduit();

// Callbacks of the framework's own table entries.
resbuf* commandeAide(int32_t);     // the module's command and "c:aproposde"
resbuf* commandeExetopo(int32_t);  // "c:exetopo"

}  // namespace framework
