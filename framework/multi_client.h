// One installation serving several clients, each with its directory: the
// client tree of the parameter file, the current client (its directory made
// the working directory, its "registre.ini" loaded), files found through the
// inheritance chain (the client, its parents, the startup directory, the
// module directory), and each client's user values in "infouser.ini".
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "framework/parametre.h"
#include "framework/texte_parametre.h"

struct resbuf;

namespace framework {

// Loads the tree and selects the current client; without `forcer`, only the
// first time.
void chargeClients(bool forcer = false);

// Kinds of resolveFichier and trouveFichier.
inline constexpr int kDossierCourant = 0;
inline constexpr int kDossierModule = 1;
inline constexpr int kDossierDemarrage = 2;
inline constexpr int kDossierSysteme = 3;  // the current client's "system" directory
inline constexpr int kDossierClient = 4;   // the current client's directory

std::string resoudFichier(const std::string& nom, int type);
// The resolved path when that file exists; otherwise the first existing one
// along the chain (announced "Ouverture de <...>"); otherwise false with the
// resolved path in `chemin`.
bool trouveFichier(const std::string& nom, int type, std::string& chemin);

// "infouser.ini" in the client directory's "system": the value of a child of
// its root node; writing sets or adds it and writes the whole file back.
std::optional<std::string> lisValeurUtilisateur(const std::string& dossierClient,
                                                const std::string& cle);
bool ecritValeurUtilisateur(const std::string& dossierClient, const std::string& cle,
                            const std::string& valeur);

// Writes every registered setting to "registre.ini" in the current client's
// own "system" directory (never a parent's).
bool sauveParametres();

// The registered settings /Fichier/FichierClient, /Fichier/ClientCourant and
// /Fichier/MenuOnLoad (written to "registre.ini", never loaded from it).
TEXTE_PARAMETRE& fichierClient();
TEXTE_PARAMETRE& clientCourant();
int& menuParClient();

// The state the command "c:multiclient" works on.
LISTE_PARAMETRES& arbreClients();
const std::string& cheminClientCourant();  // "/Client/Sous-client"
std::string dossierClientCourant();
std::string dossierModule();
// A client's directory as a path: a relative one is taken from the startup
// directory.
std::string dossierClient(const PARAMETRE& client);
// A client by its path, each name compared ignoring case; null when none.
PARAMETRE* clientParChemin(LISTE_PARAMETRES& arbre, const std::string& chemin);
// Makes the client at `chemin` of the tree current and loads its settings;
// false (with a message) when its directory cannot be made.
bool selectionneClient(const std::string& chemin);

// A desktop shortcut starting the host for a client (its path), or for none
// (empty path) with `libelle` "Universel".
bool creeRaccourci(const std::string& cheminClient, const std::string& libelle);

// The command "c:multiclient".
resbuf* commandeMultiClient(int32_t);

}  // namespace framework
