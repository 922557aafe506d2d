// The cadhost executable: the host library runs the program.
#include "main/run.h"

int main(int argc, char** argv) { return host::runCadhost(argc, argv); }
