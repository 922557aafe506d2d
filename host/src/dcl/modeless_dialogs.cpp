#include "dcl/modeless_dialogs.h"

#include <algorithm>

#include "base/context.h"
#include "base/progress_bar.h"

namespace dcl {
namespace {

struct Shown {
  std::vector<const ModelessSource*> dialogs;
  std::string drawn;  // the line on the terminal now, "" when none
};

Shown& shown() { return host::context().state<Shown>(); }

// The newest dialog with a progress bar is the one drawn.
void redraw() {
  Shown& s = shown();
  std::string line;
  for (auto it = s.dialogs.rbegin(); it != s.dialogs.rend() && line.empty(); ++it) {
    const ModelessSnapshot snap = (*it)->snapshot();
    if (snap.progress.empty()) continue;
    std::string text;
    for (const auto& [name, t] : snap.texts)
      if (!t.empty()) text += (text.empty() ? "" : " ") + t;
    line = host::progressLine(snap.title, text, snap.progress.front().second);
  }
  if (line == s.drawn) return;
  if (line.empty())
    host::eraseProgressLine();
  else
    host::drawProgressLine(line);
  s.drawn = line;
}

}  // namespace

int ModelessSnapshot::progressOf(std::string_view name) const {
  for (const auto& [n, p] : progress)
    if (n == name) return p;
  return -1;
}

std::string ModelessSnapshot::textOf(std::string_view name) const {
  for (const auto& [n, t] : texts)
    if (n == name) return t;
  return {};
}

std::vector<ModelessSnapshot> openModelessDialogs() {
  std::vector<ModelessSnapshot> out;
  for (const ModelessSource* d : shown().dialogs) out.push_back(d->snapshot());
  return out;
}

void modelessShown(const ModelessSource* dialog) {
  auto& list = shown().dialogs;
  if (std::find(list.begin(), list.end(), dialog) == list.end()) list.push_back(dialog);
  redraw();
}

void modelessChanged(const ModelessSource* dialog) {
  auto& list = shown().dialogs;
  if (std::find(list.begin(), list.end(), dialog) != list.end()) redraw();
}

void modelessHidden(const ModelessSource* dialog) {
  std::erase(shown().dialogs, dialog);
  redraw();
}

}  // namespace dcl
