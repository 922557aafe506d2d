// Pieces of a module set up and torn down with it (a start/stop pair each).
#pragma once

namespace framework {

class COMPOSANT_MODULE;
void ajouteComposant(COMPOSANT_MODULE* composant);
bool demarreComposants();
void arreteComposants();

class COMPOSANT_MODULE {
 public:
  using Demarrage = bool (*)();
  using Arret = void (*)();
  COMPOSANT_MODULE(Demarrage demarre, Arret arrete);
  COMPOSANT_MODULE(const COMPOSANT_MODULE&) = delete;
  COMPOSANT_MODULE& operator=(const COMPOSANT_MODULE&) = delete;

  COMPOSANT_MODULE* suivant() const { return suivant_; }

 private:
  friend void ajouteComposant(COMPOSANT_MODULE*);
  friend bool demarreComposants();
  friend void arreteComposants();
  Demarrage demarre_;
  Arret arrete_;
  COMPOSANT_MODULE* suivant_ = nullptr;
};

// Links a component (newest first); one already in the list is not added twice.
void ajouteComposant(COMPOSANT_MODULE* composant);
// Starts every component, even after one fails; false when any failed.
bool demarreComposants();
void arreteComposants();

}  // namespace framework
