// "talvexexppt" and "testes": the functions that write files from a project
// without saving it.
#include "framework/error_stream.h"
#include "road/api_lecture.h"
#include "road/api_lecture_commun.h"
#include "road/axe_en_plan.h"
#include "road/export_profils.h"
#include "road/noms_api.h"
#include "road/profils_en_travers.h"
#include "road/projet_talvex.h"

namespace road {

using namespace lecture;

resbuf* exportPt19(int32_t) {
  auto projet = ouvreProjet();
  const ArgumentsAppel args;
  const auto nom = args.texte(0);
  auto& flux = framework::fluxErreur();
  if (args.nombre() != 1 || !nom || !nomAcceptable(*nom)) {
    flux << "ExportPt19: parametres incorrects" << std::endl;
    return nullptr;
  }
  const AXE_EN_PLAN* axe = projet->trouveAxe(*nom);
  if (!axe) {
    flux << "ExportPt19: Axe non trouve" << std::endl;
    return nullptr;
  }
  if (!axe->profils() || axe->profils()->nombre() == 0) {
    flux << "ExportPt19: Pas de profil en travers" << std::endl;
    return nullptr;
  }
  if (!axe->construction()) {
    flux << "ExportPt19: Pas de const-profil" << std::endl;
    return nullptr;
  }
  exporteProfils(*axe->profils(), axe->construction());
  return nullptr;
}

// Reader, writer and copy checked by hand: the file as read, then its
// duplicate, written beside it for comparison.
resbuf* testeES(int32_t) {
  const ArgumentsAppel args;
  if (args.nombre() == 0) return nullptr;
  const std::string fichier = args.texte(0).value_or("");
  if (fichier.empty()) {
    framework::fluxErreur() << "TestES: parametres incorrects" << std::endl;
    return nullptr;
  }
  // Published as every road function publishes after a load: the ".bis"
  // file shows the 3D layers in the order publication leaves them.
  PROJETTALVEX projet(0);
  if (!projet.charge(fichier)) return nullptr;
  projet.sauve(fichier + ".bis");
  projet.duplique()->sauve(fichier + ".cln");
  return nullptr;
}

}  // namespace road
