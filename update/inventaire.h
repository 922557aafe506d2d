// The inventory of the update directory, "clients.inf": one line per check of a workstation,
// appended under the lock of "semaphore.inf" so that workstations checking at the same moment
// each get their whole line in.
#pragma once
#include <ctime>
#include <string>

namespace maj {

inline constexpr const char* kFichierInventaire = "clients.inf";
inline constexpr const char* kFichierVerrou = "semaphore.inf";

// What a workstation tells about itself.
struct POSTE_TRAVAIL {
  std::string adresse;                              // IPv4, "%u.%u.%u.%u"
  std::string nom;                                  // the host name
  std::string nomOrdinateur, domaine, utilisateur;  // COMPUTERNAME, USERDOMAIN, USERNAME
};

POSTE_TRAVAIL posteTravail();

// "dd/mm/yyyy:hh:mm.ss|version|address|name|computer|domain|user", local time.
std::string ligneInventaire(std::time_t quand, const std::string& version,
                            const POSTE_TRAVAIL& poste);

enum class ResultatInventaire { kEcrit, kSansVerrou, kEchecEcriture };

// Appends the line and an end of line to the inventory of `dossierMaj` while holding the lock;
// the lock is tried 10 times, a little longer apart each time. Without it nothing is written.
ResultatInventaire ajouteInventaire(const std::string& dossierMaj, const std::string& ligne);

}  // namespace maj
