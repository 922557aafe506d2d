#include "road/api_ecriture_cadre.h"

#include <ostream>

#include "acedads.h"
#include "road/api_ecriture_listes.h"
#include "road/noms_api.h"

namespace road::api {

void signale(const char* operation, const char* texte) {
  framework::fluxErreur() << operation << ": " << texte << std::endl;
}

void enregistre(PROJETTALVEX& projet, const char* operation) {
  // A project not read whole is refused by the save itself, which names the
  // file and its first problem.
  if (projet.lectureComplete() && !projet.relisible()) return parametresIncorrects(operation);
  projet.sauve();
}

std::optional<std::vector<std::string>> nomsArguments(const ArgumentsAppel& args, size_t count,
                                                      const char* operation) {
  std::vector<std::string> noms;
  if (args.nombre() == count) {
    for (size_t i = 0; i < count; ++i) {
      auto nom = args.texte(i);
      if (!nom || !nomAcceptable(*nom)) break;
      noms.push_back(std::move(*nom));
    }
  }
  if (noms.size() != count) {
    parametresIncorrects(operation);
    return std::nullopt;
  }
  return noms;
}

AXE_EN_PLAN* axeArgument(PROJETTALVEX& projet, const ArgumentsAppel& args, size_t count,
                         const char* operation, bool auMoins) {
  const bool nombreBon = auMoins ? args.nombre() >= count : args.nombre() == count;
  const auto nom = args.texte(0);
  if (!nombreBon || !nom || !nomAcceptable(*nom)) {
    parametresIncorrects(operation);
    return nullptr;
  }
  AXE_EN_PLAN* axe = projet.trouveAxe(*nom);
  if (!axe) signale(operation, "axe inconnu");
  return axe;
}

}  // namespace road::api
