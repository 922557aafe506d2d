// The functions that work on project files only, without opening a project.
#include <filesystem>
#include <system_error>

#include "framework/valeurs_lisp.h"
#include "road/api_ecriture.h"
#include "road/api_ecriture_cadre.h"
#include "road/copie_fichiers.h"

namespace road {

using namespace api;

resbuf* SupprFichAxs(int32_t) {
  return protege("SupprFichAxs", [] {
    std::string base;
    int drapeau = 1;
    {
      // An unset CHEMINOM has its own message.
      framework::SilenceVariables silence;
      framework::lisVariable("CHEMINOM", base, &drapeau, framework::kSymboleLisp);
    }
    if (drapeau == 0) return signale("SupprFichAxs", "Fichier inconnu");
    std::error_code ec;
    std::filesystem::remove(cheminSysteme(base + ".axs"), ec);
  });
}

namespace {

template <class Operation>
void deuxFichiers(const char* operation, Operation&& faire) {
  ArgumentsAppel args;
  const auto source = args.texte(0);
  const auto cible = args.texte(1);
  if (args.nombre() != 2 || !source || !cible) return parametresIncorrects(operation);
  faire(*source, *cible);
}

}  // namespace

resbuf* CopieAxs(int32_t) {
  return protege("CopieAxs", [] {
    deuxFichiers("CopieAxs",
                 [](const std::string& a, const std::string& b) { copieFichier(a, b); });
  });
}

resbuf* RenommeAxs(int32_t) {
  return protege("RenommeAxs", [] {
    deuxFichiers("RenommeAxs",
                 [](const std::string& a, const std::string& b) { renommeFichier(a, b); });
  });
}

}  // namespace road
