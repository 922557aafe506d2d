// The words of a disk-command script: command words, quoted arguments and the ";" that ends
// each command, with blanks, tabs and line ends between them.
#pragma once
#include <istream>
#include <optional>
#include <string>

namespace maj {

// Longest argument text: one more fails, since the count is tested before the closing quote.
inline constexpr size_t kLongueurMaxArgument = 357;

class LECTEUR_SCRIPT {
 public:
  explicit LECTEUR_SCRIPT(std::istream& flux) : flux_(flux) {}

  // The next command word, any run of non-blank characters; empty at the end of the script.
  std::string mot();
  // One argument: a text between double quotes, where a backslash takes the next character
  // literally, or the letter X for an absent text (`texte` left empty). False when neither can
  // be read (another character, the end of the script, a text too long).
  bool argument(std::optional<std::string>& texte);
  // The next non-blank character, taken; EOF at the end.
  int caractereSuivant();

 private:
  int suivantNonBlanc();

  std::istream& flux_;
};

}  // namespace maj
