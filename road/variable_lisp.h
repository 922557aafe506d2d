// The accessor through which the road API reads and sets one named AutoLISP
// symbol. A read that finds no usable value answers a neutral value and sets
// the error flag, so that callers store what they got and carry on.
#pragma once
#include <cstdint>
#include <string>

#include "framework/liste_resbuf.h"
#include "framework/point_3d.h"

namespace road {

class VARIABLE_LISP {
 public:
  VARIABLE_LISP() = default;
  explicit VARIABLE_LISP(std::string nom) : nom_(std::move(nom)) {}

  // A new name clears the error flag.
  void nomme(std::string nom) {
    nom_ = std::move(nom);
    erreur_ = false;
  }
  const std::string& nom() const { return nom_; }
  // Always the LISP symbol, never a host variable.
  int mode() const;
  bool erreur() const { return erreur_; }

  int32_t entier();                // 0 when unset
  double reel();                   // 0.0 when unset
  std::string texte();             // "BUG_VARI_<nom>" when unset, a number as text
  framework::Point3D point();      // (0, 0, 0) when unset
  framework::ListeResbuf liste();  // empty when the symbol holds no list

  bool ecritEntier(int valeur);
  bool ecritReel(double valeur);
  bool ecritTexte(const std::string& valeur);
  bool ecritPoint(const framework::Point3D& valeur);
  // `liste` is copied by the host; nullptr sets the symbol to nil.
  bool ecritListe(const resbuf* liste);

 private:
  std::string nom_;
  bool erreur_ = false;
};

}  // namespace road
