// Host status codes turned into reports, in one place, with the host's ERRNO table.
#pragma once

namespace framework {

// 0 when `statut` means success; 1 after reporting the failure on the error stream.
int verifieStatut(int statut);

// The host's message for an ERRNO number, or "Erreur Inconnue".
const char* messageErrno(int numero);

}  // namespace framework
