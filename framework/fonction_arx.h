// The function table: every LISP function and command of a module, plus its
// internal event handlers, declared once as static entries.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

struct resbuf;

namespace framework {

using RAPPEL_FONCTION = resbuf* (*)(int32_t);

// Availability of an entry: always, or only when it shares a bit with the
// module's feature mask (kMasqueFonctionnalites).
constexpr int32_t kToujoursDisponible = -1;

// Environment flags of an entry. With the lowest bit set the run leaves the
// drawing's settings alone (no undo group, echo and object snaps untouched);
// with it clear the whole value is the "osmode" imposed during the run.
constexpr uint32_t kGardeEnvironnement = 1;
constexpr uint32_t kSansAccrochage = 0;  // object snaps off during the run

// Internal events run by host messages, never visible to LISP.
enum EvenementInterne { kDessinCharge = 1, kDessinSauve = 2, kFinHote = 3 };

class FONCTION_ARX {
 public:
  // A LISP function or command; the name is built with the module's prefix.
  FONCTION_ARX(const char* nom, RAPPEL_FONCTION rappel, const char* description,
               int32_t disponibilite, uint32_t drapeauxEnvironnement);
  // An internal event handler (number below 10).
  FONCTION_ARX(int numeroInterne, RAPPEL_FONCTION rappel, const char* description);
  FONCTION_ARX(const FONCTION_ARX&) = delete;
  FONCTION_ARX& operator=(const FONCTION_ARX&) = delete;

  bool estEvenement() const { return numero_ > 0; }
  int numeroInterne() const { return numero_; }
  const std::string& nom() const { return nom_; }
  const char* description() const { return description_; }
  RAPPEL_FONCTION rappel() const { return rappel_; }
  int32_t code() const { return code_; }
  uint32_t drapeauxEnvironnement() const { return drapeaux_; }
  int32_t disponibilite() const { return disponibilite_; }
  FONCTION_ARX* suivant() const { return suivant_; }
  // Has a text name and is available: declared with the host, listed.
  bool estDeclarable() const;

 private:
  void lie();

  std::string nom_;
  int numero_ = 0;
  const char* description_;
  RAPPEL_FONCTION rappel_;
  int32_t code_ = 0;
  uint32_t drapeaux_ = 0;
  int32_t disponibilite_ = kToujoursDisponible;
  FONCTION_ARX* suivant_ = nullptr;
};

// The full name of a declared name with the module's prefix.
std::string construitNom(std::string_view nom, std::string_view prefixe,
                         std::string_view nomCommande);

// The table, newest entry first.
FONCTION_ARX* teteTable();
FONCTION_ARX* trouveParCode(int32_t code);
FONCTION_ARX* trouveParNom(std::string_view nom);
// The entry being run (correct under nesting), or nullptr.
FONCTION_ARX* fonctionCourante();
void changeFonctionCourante(FONCTION_ARX* f);

// Registers every declarable entry with the host (acedDefun); prints the load
// banner the first time. Returns false when the host refused a name.
bool declareTout();
void retireTout();
// Writes the function listing to "lstfonction.txt" in the current directory.
bool listeTout();
// Runs every entry carrying that internal event number, newest first.
void executeEvenement(int numero);

// The module's feature mask: only entries always available are ever declared.
constexpr int32_t kMasqueFonctionnalites = 0;

}  // namespace framework
