// The identity of a framework module: one constant record built into it.
#pragma once
#include <cstdint>

namespace framework {

struct IDENTITE_MODULE {
  const char* nomModule;  // load banner, function listing, product information
  const char* versionModule;
  const char* codeClient;   // shown as the publishing company
  const char* nomCommande;  // the module's own command, "C:..."; also its command group
  const char* description;
  const char* prefixeNom;  // put in front of every table name
  const char* versionApplication;
  const char* adresseSupport;
  int32_t disponibiliteDefaut;  // availability of the module's own entries
  bool documentsMdi;            // keeps per-document records, declares itself MDI-aware
  bool traceFin;                // writes the DBX: trace lines when the host quits
};

// Defined by each module.
const IDENTITE_MODULE& identiteModule();

// The command name without its "C:" (the command group name).
const char* nomCommandeSansPrefixe();

}  // namespace framework
