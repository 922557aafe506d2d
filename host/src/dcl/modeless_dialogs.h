// The modeless dialogs shown by modules (progress windows): what tests and the
// host can read of them, and the progress bar drawn on a terminal.
#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dcl {

struct ModelessSnapshot {
  std::string title;
  std::vector<std::pair<std::string, int>> progress;       // progress bars: name, 0..255
  std::vector<std::pair<std::string, std::string>> texts;  // labels and edit fields: name, text

  int progressOf(std::string_view name) const;      // -1 when there is no such bar
  std::string textOf(std::string_view name) const;  // "" when there is no such text
};

// A dialog that can be shown modeless.
class ModelessSource {
 public:
  virtual ModelessSnapshot snapshot() const = 0;

 protected:
  ~ModelessSource() = default;
};

// The dialogs shown now, oldest first.
std::vector<ModelessSnapshot> openModelessDialogs();

// Called by the dialogs: shown, changed, hidden.
void modelessShown(const ModelessSource* dialog);
void modelessChanged(const ModelessSource* dialog);
void modelessHidden(const ModelessSource* dialog);

}  // namespace dcl
