// Documents, folders and programs opened through the system's shell.
#pragma once
#include <string>

namespace framework {

enum VerbeShell { kOuvrir = 0, kImprimer = 1, kExplorer = 2 };

// Opens a document or folder with the shell; false after writing
// "Erreur lors de l'ouverture de <file>".
bool ouvreAvecShell(const std::string& fichier, int verbe);

// Starts a program without arguments, waiting for its end when asked.
bool lanceProgramme(const std::string& programme, bool attendre);

// The program associated with a document; empty after writing
// "Erreur : aucune application pour <document>".
std::string applicationAssociee(const std::string& document);

}  // namespace framework
