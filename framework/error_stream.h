// The module's error stream: every report of the framework and of the module
// goes here, one line each, and reaches the host command line.
#pragma once
#include <ostream>

namespace framework {

// The module's own stream (each module has its copy of the framework).
std::ostream& fluxErreur();

}  // namespace framework
