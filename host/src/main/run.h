// The cadhost program: everything but the process's entry point, which the
// executable keeps (host/src/cadhost_main.cpp) so that the host stays one
// library that modules and the program share.
#pragma once

namespace host {

// Runs cadhost with its command line; returns the exit status.
__attribute__((visibility("default"))) int runCadhost(int argc, char** argv);

}  // namespace host
