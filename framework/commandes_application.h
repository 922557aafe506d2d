// The drawing commands a module adds to the host's command stack: they create
// or open documents, so they run in the application context.
#pragma once

namespace framework {

constexpr int kCommandeContexteApplication = 0x200000;

void ajouteCommandesApplication();
void retireCommandesApplication();

}  // namespace framework
