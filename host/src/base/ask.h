// Asking the scripted user, with the prompt and the answer shown on the
// command line as a person would have seen them.
#pragma once
#include <string>

#include "base/answers.h"

namespace host {

// Takes the next answer for `prompt` and writes "prompt answer" as one line
// (an interactive host shows the prompt itself and echoes what was typed).
Answer askUser(const std::string& prompt);

// The command-line form of an answer: "12.5", "1,2,0", a text, "" for Enter.
std::string describeAnswer(const Answer& a);

// A number the way the command line writes it: shortest form that reads back the same.
std::string formatNumber(double v);
std::string formatPoint(const double* p);

}  // namespace host
