// The progress bar the host draws on standard error: for a modeless dialog, and for the
// progress window of a program built on the host's lower layers.
#pragma once
#include <string>

namespace host {

// "<title>: <text> [#########---------]  50%" for a position of 0..255.
std::string progressLine(const std::string& title, const std::string& text, int position);

// Draw and erase the line in place, only when standard error is a terminal.
void drawProgressLine(const std::string& line);
void eraseProgressLine();

}  // namespace host
