#include "road/calques_gel.h"

#include <strings.h>

#include <string>
#include <vector>

#include "acedads.h"
#include "dbtables.h"
#include "framework/liste_resbuf.h"
#include "framework/valeurs_lisp.h"
#include "road/api_lecture_commun.h"

namespace road {

namespace {

// Group 2 of every entry of the drawing's layer table, in table order.
std::vector<std::string> nomsCalques() {
  std::vector<std::string> noms;
  for (framework::ListeResbuf entree(acdbTblNext("LAYER", 1)); entree;
       entree.remplace(acdbTblNext("LAYER", 0))) {
    const resbuf* nom = entree.groupe(2);
    if (nom && nom->resval.rstring) noms.emplace_back(nom->resval.rstring);
  }
  return noms;
}

std::string calqueCourant() {
  std::string nom;
  int drapeau = 1;
  framework::lisVariable("CLAYER", nom, &drapeau, framework::kVariableHote);
  return nom;
}

bool memeNom(const std::string& a, const char* b) { return strcasecmp(a.c_str(), b) == 0; }

// Names the table does not hold are passed over.
void fixeGel(const std::string& nom, bool gele) {
  AcDbHostApplicationServices* services = acdbHostApplicationServices();
  AcDbDatabase* base = services ? services->workingDatabase() : nullptr;
  AcDbLayerTable* table = nullptr;
  if (!base || base->getLayerTable(table, AcDb::kForRead) != Acad::eOk || !table) return;
  AcDbLayerTableRecord* calque = nullptr;
  if (table->getAt(nom.c_str(), calque, AcDb::kForWrite) == Acad::eOk && calque) {
    calque->setIsFrozen(gele);
    calque->close();
  }
  table->close();
}

bool finitPar(const std::string& nom, const char* suffixe) {
  const size_t n = std::char_traits<char>::length(suffixe);
  return nom.size() >= n && strcasecmp(nom.c_str() + nom.size() - n, suffixe) == 0;
}

bool commencePar(const std::string& nom, const std::string& prefixe) {
  return nom.size() >= prefixe.size() &&
         strncasecmp(nom.c_str(), prefixe.c_str(), prefixe.size()) == 0;
}

}  // namespace

resbuf* geleTout(int32_t) {
  const std::vector<std::string> calques = nomsCalques();
  const std::string courant = calqueCourant();
  for (const std::string& nom : calques) {
    if (memeNom(nom, "0") || memeNom(nom, "talvex") || memeNom(nom, "c3d_symb") ||
        memeNom(nom, courant.c_str()))
      continue;
    fixeGel(nom, true);
  }
  return nullptr;
}

resbuf* libereTout(int32_t) {
  const std::vector<std::string> calques = nomsCalques();
  const std::string courant = calqueCourant();
  const std::string axe = lecture::lisTexte("NMAXE-P");
  for (const std::string& nom : calques) {
    if (memeNom(nom, courant.c_str()) || commencePar(nom, axe)) continue;
    if (finitPar(nom, "_ap") || finitPar(nom, "_ta") || finitPar(nom, "_za") ||
        finitPar(nom, "_al"))
      continue;
    fixeGel(nom, false);
  }
  acedCommandS(RTSTR, "_regenall", RTNONE);
  return nullptr;
}

}  // namespace road
