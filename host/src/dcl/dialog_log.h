// The lines the host writes while the scripted user runs a dialog, so that a
// script's output shows what appeared and what was not done:
//   [dialogue] <title>
//   [dialogue] <title>: "<key>" <why>, action ignorée
//   [dialogue] <title>: plus d'action, fermé comme par Echap
//   [dialogue] <title>: réponse inattendue, fermé comme par Echap
//   [dialogue] <title>: <what the program shows on its error line>
#pragma once
#include <string>

namespace dcl::log {

void opened(const std::string& title);
void skipped(const std::string& title, const std::string& key, const std::string& why);
void closedWithoutActions(const std::string& title);
void unexpectedAnswer(const std::string& title);
// What the program shows on the dialog's error line, which a person would read.
void errorShown(const std::string& title, const std::string& text);
void callbackFailed(const std::string& title, const std::string& key);

}  // namespace dcl::log
