// The interpreter of disk-command scripts ("talvex-install.inf"): commands of one or two
// quoted paths, each ending with ";", every path confined to the script's two roots. It stops
// at the first failing command or syntax error and shows why in a message box.
#pragma once
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "update/chemins_script.h"
#include "update/rapport_script.h"

namespace maj {

// Runs the script. `statut`, when given, is set to 1, then to 0 when the run stops on an
// error; `journal`, when given, receives one message per failed command. Returns the text of
// the last information command ("_FSM_INTERNE_INF", "_FSM_INTERNE_EXT"), if any ran. Commands
// already done stay done.
std::optional<std::string> executeScript(std::istream& script, const RACINES& racines,
                                         RAPPORT_SCRIPT& rapport, int* statut = nullptr,
                                         std::vector<std::string>* journal = nullptr);

}  // namespace maj
