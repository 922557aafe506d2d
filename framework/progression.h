// Progress and information messages for a progress window, sent embedded in
// the error stream, which hands them to the window's listeners.
#pragma once
#include <string_view>

namespace framework {

// "@(PRGS id I low high)": a new range for the bar.
void emetInitProgression(std::string_view identifiant, double bas, double haut);
// "@(PRGS id P value)": a position within the last range.
void emetProgression(std::string_view identifiant, double valeur);
// "@(INFO id text)": the window's text.
void emetInformation(std::string_view identifiant, std::string_view texte);

}  // namespace framework
