#include "road/registre_objets.h"

#include <ostream>
#include <vector>

#include "framework/error_stream.h"
#include "road/createurs.h"
#include "road/tags.h"

namespace road {
namespace {

struct Enregistrement {
  const char* tag;
  CREATEUR_OBJET createur;
};

// Newest first, as registered.
std::vector<Enregistrement>& registre() {
  static std::vector<Enregistrement> r;
  return r;
}

char majuscule(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

bool memeMot(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (majuscule(a[i]) != majuscule(b[i])) return false;
  return true;
}

void REGISTRE_OBJETS::enregistre(const char* tag, CREATEUR_OBJET createur) {
  registre().insert(registre().begin(), Enregistrement{tag, createur});
  framework::fluxErreur() << "ID = <" << tag << ">" << std::endl;
}

const char* REGISTRE_OBJETS::trouve(std::string_view mot) {
  for (const Enregistrement& e : registre())
    if (memeMot(e.tag, mot)) return e.tag;
  return nullptr;
}

std::unique_ptr<OBJET_ES> REGISTRE_OBJETS::cree(std::string_view tag) {
  for (const Enregistrement& e : registre())
    if (memeMot(e.tag, tag)) return e.createur();
  return nullptr;
}

void REGISTRE_OBJETS::enregistreTout() {
  if (!registre().empty()) return;
  enregistre(kTagAxeEnPlan, creeAxeEnPlan);
  enregistre(kTagElementsPlan, creeElementsPlan);
  enregistre(kTagAxesEnLong, creeAxesEnLong);
  enregistre(kTagPointsAxe3d, creePointsAxe3d);
  enregistre(kTagProfilsEnTravers, creeProfilsEnTravers);
  enregistre(kTagEpaisseurStructure, creeEpaisseurStructure);
  enregistre(kTagConstructionProfils, creeConstructionProfils);
  enregistre(kTagPointsTabulation, creePointsTabulation);
  enregistre(kTagCubatures, creeCubatures);
}

}  // namespace road
