// The LISP side of DCL dialogs: which dialog a program drives, the action
// expressions and client data it gave to tiles, and the one callback through
// which the host's dialog engine runs them.
//
// The engine keeps the tiles; LISP keeps only what the engine cannot hold, the
// expressions, because its callbacks are plain functions.
#pragma once
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "adsdlg.h"
#include "lisp/error.h"

namespace lisp {

class Environment;

struct DialogFrame {
  ads_hdlg dialog = nullptr;
  Environment* env = nullptr;
  std::string defaultAction;                                // new_dialog's action expression
  std::map<std::string, std::string, std::less<>> actions;  // action_tile, by key
  std::map<std::string, std::string, std::less<>> data;     // client_data_tile, by key
  bool started = false;
  std::optional<LispError> error;  // an action failed: start_dialog raises it
};

// Dialogs made by new_dialog and not yet over, innermost last.
DialogFrame& pushDialog(Environment& env, ads_hdlg dialog, std::string defaultAction);
// The innermost dialog of that interpreter, nullptr when none.
DialogFrame* currentDialog(const Environment& env);
void popDialog(const DialogFrame& frame);

// The callback given to the engine for every tile of a LISP dialog: evaluates
// the tile's action_tile expression, else its DCL action attribute, else the
// dialog's default action, with $key $value $reason $data $x $y bound ($reason
// is the engine's: 1, since the scripted user only selects tiles).
void runTileAction(ads_callback_packet* packet);

// Text given by a host call that copies into a caller's buffer (the ads_get_*
// calls): the buffer grows until the whole text fits. nullopt when the call fails.
std::optional<std::string> hostText(const std::function<int(ACHAR*, int)>& read);

}  // namespace lisp
