// The framework's standard modal dialogs: a message, a text to type, a text
// to choose from a list (or a layer of the drawing), files and directories.
// Each returns plain values; Cancel answers nothing and writes no message.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace framework {

// Dialog resources.
inline constexpr int kRessourceMessage = 146;
inline constexpr int kRessourceTexte = 136;
inline constexpr int kRessourceChoix = 144;
inline constexpr int kRessourceConfirmation = 159;

// The text, and the list under it when given; returns when closed.
void afficheMessage(const char* titre, const char* texte,
                    const std::vector<std::string>* liste = nullptr);

// On OK copies the answer into `tampon`, cut to `taille` - 1 characters and
// ended by a zero, and answers 1; otherwise 0 (the buffer is left alone).
int demandeTexte(const char* titre, const char* invite, char* tampon, size_t taille,
                 const char* initial);

// The chosen text (a module-wide buffer that the next call overwrites), or
// nullptr on Cancel or when nothing is selected. Absent texts (nullptr) show
// as "????"; the item equal to `preselection` starts selected, else the first.
// An empty list opens no dialog: "Vous ne possédez pas d'objets" under
// "Opération annulée", and nullptr.
const char* choisitTexte(const char* titre, const char* preselection,
                         const std::vector<const char*>& textes, const char* libelle1 = nullptr,
                         const char* libelle2 = nullptr);

// The drawing's layers in reverse table order, without those whose name
// begins with "_" or "*"; the title defaults to "Choix d'un calque".
const char* choisitCalque(const char* preselection, const char* titre = nullptr);

// "Confirmation": the text with "OK" and "Annule"; true on OK.
bool confirme(const char* texte);

// The host's file dialog, started in the directory of the last file chosen
// in any file dialog of the module (the process's current directory at
// first), which the chosen file's directory then becomes; the current
// directory is put back afterwards. The full chosen path (module-wide
// buffer) or nullptr.
const char* dialogueFichier(bool ouvrir, const char* filtre, const char* nomDefaut,
                            const char* dossierInitial = nullptr);
// A directory: the directory part of a file chosen from the proposed name
// "default" (the file need not exist); module-wide buffer or nullptr.
const char* choisitDossier(const char* dossierInitial = nullptr);

}  // namespace framework
