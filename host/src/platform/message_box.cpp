// Message boxes answered by the scripted user.
#include <strings.h>

#include <array>
#include <string>
#include <vector>

#include "base/answers.h"
#include "base/context.h"
#include "platform.h"

namespace platform {
namespace {

struct Button {
  int id;
  const char* label;    // as the host shows it
  const char* english;  // also accepted as an answer
};

constexpr Button kOk{IDOK, "OK", "OK"};
constexpr Button kCancel{IDCANCEL, "Annuler", "Cancel"};
constexpr Button kYes{IDYES, "Oui", "Yes"};
constexpr Button kNo{IDNO, "Non", "No"};
constexpr Button kAbort{IDABORT, "Abandonner", "Abort"};
constexpr Button kRetry{IDRETRY, "Recommencer", "Retry"};
constexpr Button kIgnore{IDIGNORE, "Ignorer", "Ignore"};

std::vector<Button> buttonsOf(unsigned type) {
  switch (type & 0xFu) {
    case MB_OKCANCEL: return {kOk, kCancel};
    case MB_ABORTRETRYIGNORE: return {kAbort, kRetry, kIgnore};
    case MB_YESNOCANCEL: return {kYes, kNo, kCancel};
    case MB_YESNO: return {kYes, kNo};
    case MB_RETRYCANCEL: return {kRetry, kCancel};
    default: return {kOk};
  }
}

// What Escape gives: Cancel when there is one, else the box's way out.
int escapeAnswer(const std::vector<Button>& buttons) {
  for (const Button& b : buttons)
    if (b.id == IDCANCEL) return IDCANCEL;
  switch (buttons.front().id) {
    case IDYES: return IDNO;
    case IDABORT: return IDABORT;
    default: return IDOK;
  }
}

std::string trimmed(const std::string& s) {
  const size_t b = s.find_first_not_of(" \t\r\n");
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

}  // namespace

int messageBox(void* /*owner*/, const char* text, const char* caption, unsigned type) {
  try {
    const std::vector<Button> buttons = buttonsOf(type);
    const std::string title = caption ? caption : "Erreur";
    std::string names;
    for (const Button& b : buttons) names += (names.empty() ? "" : "/") + std::string(b.label);
    host::context().print("[message] " + title + ": " + (text ? text : "") + " [" + names + "]\n");

    const host::Answer a = host::context().user().take(title);
    if (a.kind == host::Answer::Enter) {
      const size_t def = std::min<size_t>((type >> 8) & 0xFu, buttons.size() - 1);
      return buttons[def].id;
    }
    if (a.kind == host::Answer::Text) {
      const std::string answer = trimmed(a.text);
      for (const Button& b : buttons)
        if (strcasecmp(answer.c_str(), b.label) == 0 || strcasecmp(answer.c_str(), b.english) == 0)
          return b.id;
      host::context().print("[message] " + title + ": pas de bouton \"" + answer + "\", Echap\n");
    } else if (a.kind != host::Answer::Cancel) {
      host::context().print("[message] " + title + ": réponse inattendue, Echap\n");
    }
    return escapeAnswer(buttons);
  } catch (...) {
    return IDCANCEL;
  }
}

}  // namespace platform
