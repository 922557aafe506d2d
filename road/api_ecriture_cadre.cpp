#include "road/api_ecriture_cadre.h"

#include <ostream>

#include "acedads.h"
#include "road/api_ecriture_listes.h"
#include "road/noms_api.h"

namespace road::api {

ArgumentsAppel::ArgumentsAppel() : liste_(acedGetArgs()) {
  int profondeur = 0;
  for (const resbuf* rb = liste_.get(); rb; rb = rb->rbnext) {
    if (profondeur == 0 && rb->restype != RTLE && rb->restype != RTDOTE) items_.push_back(rb);
    if (rb->restype == RTLB) ++profondeur;
    else if (rb->restype == RTLE && profondeur > 0) --profondeur;
  }
}

std::optional<std::string> ArgumentsAppel::texte(size_t i) const {
  if (i >= items_.size() || items_[i]->restype != RTSTR || !items_[i]->resval.rstring)
    return std::nullopt;
  return std::string(items_[i]->resval.rstring);
}

std::optional<int32_t> ArgumentsAppel::entier(size_t i) const {
  if (i >= items_.size()) return std::nullopt;
  const resbuf* rb = items_[i];
  if (rb->restype == RTSHORT) return rb->resval.rint;
  if (rb->restype == RTLONG) return static_cast<int32_t>(rb->resval.rlong);
  return std::nullopt;
}

std::optional<double> ArgumentsAppel::reel(size_t i) const {
  if (i >= items_.size()) return std::nullopt;
  const resbuf* rb = items_[i];
  if (rb->restype == RTREAL) return rb->resval.rreal;
  if (const auto e = entier(i)) return static_cast<double>(*e);
  return std::nullopt;
}

void signale(const char* operation, const char* texte) {
  framework::fluxErreur() << operation << ": " << texte << std::endl;
}

std::unique_ptr<PROJETTALVEX> ouvreProjet() { return PROJETTALVEX::ouvre(std::nullopt, 0); }

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
