#include "update/inventaire.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

#include "platform.h"
#include "update/fichiers_maj.h"

namespace maj {
namespace {

constexpr int kEssaisVerrou = 10;

// The lock held for the life of the object, when it could be taken.
class VERROU {
 public:
  explicit VERROU(const std::string& chemin) {
    for (int essai = 0; essai < kEssaisVerrou; ++essai) {
      if (essai > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(10 << std::min(essai, 5)));
      poignee_ = platform::tryLockFile(chemin);
      if (poignee_ >= 0) return;
    }
  }
  ~VERROU() { platform::unlockFile(poignee_); }
  VERROU(const VERROU&) = delete;
  VERROU& operator=(const VERROU&) = delete;
  bool tenu() const { return poignee_ >= 0; }

 private:
  int poignee_ = -1;
};

std::string variable(const char* nom) { return platform::environmentVariable(nom).value_or(""); }

}  // namespace

POSTE_TRAVAIL posteTravail() {
  POSTE_TRAVAIL poste;
  poste.nom = platform::hostName();
  poste.adresse = platform::ipv4Address();
  poste.nomOrdinateur = variable("COMPUTERNAME");
  poste.domaine = variable("USERDOMAIN");
  poste.utilisateur = variable("USERNAME");
  return poste;
}

std::string ligneInventaire(std::time_t quand, const std::string& version,
                            const POSTE_TRAVAIL& poste) {
  std::tm local{};
  localtime_r(&quand, &local);
  char date[64];
  std::snprintf(date, sizeof date, "%02d/%02d/%04d:%02d:%02d.%02d", local.tm_mday, local.tm_mon + 1,
                local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec);
  return std::string(date) + "|" + version + "|" + poste.adresse + "|" + poste.nom + "|" +
         poste.nomOrdinateur + "|" + poste.domaine + "|" + poste.utilisateur;
}

ResultatInventaire ajouteInventaire(const std::string& dossierMaj, const std::string& ligne) {
  const VERROU verrou(joint(dossierMaj, kFichierVerrou));
  if (!verrou.tenu()) return ResultatInventaire::kSansVerrou;
  return platform::appendToFile(joint(dossierMaj, kFichierInventaire), ligne + "\n")
             ? ResultatInventaire::kEcrit
             : ResultatInventaire::kEchecEcriture;
}

}  // namespace maj
