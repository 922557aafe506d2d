#include "framework/sortie_entites.h"

#include <ostream>

#include "acedads.h"
#include "framework/error_stream.h"
#include "framework/etat_sortie.h"
#include "framework/statut_hote.h"

namespace framework {
namespace {

bool estBlanc(const char* nom) {
  if (!nom) return true;
  for (; *nom; ++nom)
    if (static_cast<unsigned char>(*nom) > ' ') return false;
  return true;
}

// Bytes from 0x80 are parts of accented letters and stay.
bool admisDansCalque(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u >= 0x80 ||
         u == '$' || u == '-' || u == '_';
}

ListeResbuf debutEntite(const char* type) { return ListeResbuf(acutBuildList(RTDXF0, type, 0)); }

void ajoutePoint(ListeResbuf& liste, int code, const Point3D& p) {
  liste.ajoute(acutBuildList(code, p.data(), 0));
}

}  // namespace

ETAT_SORTIE& etatSortie() {
  static ETAT_SORTIE etat;
  return etat;
}

void ajouteCalque(ListeResbuf& liste, bool avecTypeLigne) {
  const ETAT_SORTIE& etat = etatSortie();
  if (!etat.calque.empty()) liste.ajoute(acutBuildList(8, etat.calque.c_str(), 0));
  if (avecTypeLigne && !etat.typeLigne.empty())
    liste.ajoute(acutBuildList(6, etat.typeLigne.c_str(), 0));
}

bool fabriqueEntite(const ListeResbuf& liste, const char* message) {
  if (verifieStatut(acdbEntMake(liste.get())) == 0) return true;
  if (message) fluxErreur() << message << std::endl;
  return false;
}

std::string changeCalqueSortie(const char* nom) {
  std::string precedent = std::move(etatSortie().calque);
  std::string calque;
  if (!estBlanc(nom))
    for (const char* c = nom; *c && admisDansCalque(*c); ++c) calque += *c;
  etatSortie().calque = std::move(calque);
  return precedent;
}

const std::string& calqueSortie() { return etatSortie().calque; }

bool prendCalqueCourant() {
  ListeResbuf valeur(acutNewRb(RTNONE));  // owns the text the host puts in it
  if (verifieStatut(acedGetVar("clayer", valeur.get())) != 0) return false;
  if (valeur.get()->restype != RTSTR) return false;
  changeCalqueSortie(valeur.get()->resval.rstring);
  return true;
}

std::string changeTypeLigneSortie(const char* nom) {
  std::string precedent = std::move(etatSortie().typeLigne);
  etatSortie().typeLigne = estBlanc(nom) ? std::string() : std::string(nom);
  return precedent;
}

void ajouteAuPointSuivant(ListeResbuf groupes) {
  etatSortie().auPointSuivant.ajoute(std::move(groupes));
}

bool sortPoint(const Point3D& p) {
  ETAT_SORTIE& etat = etatSortie();
  if (etat.polyligne != PolyligneOuverte::Aucune) return sortSommet(p);
  ListeResbuf liste = debutEntite("POINT");
  ajoutePoint(liste, 10, p);
  liste.ajoute(std::move(etat.auPointSuivant));
  ajouteCalque(liste, false);
  return fabriqueEntite(liste, "Erreur d'affichage d'un point");
}

bool sortFace3D(const Point3D& a, const Point3D& b, const Point3D& c, const Point3D& d) {
  ListeResbuf liste = debutEntite("3DFACE");
  ajoutePoint(liste, 10, a);
  ajoutePoint(liste, 11, b);
  ajoutePoint(liste, 12, c);
  ajoutePoint(liste, 13, d);
  ajouteCalque(liste, false);
  return fabriqueEntite(liste, "Erreur d'affichage d'une face");
}

bool sortLigne(const Point3D& debut, const Point3D& fin) {
  ListeResbuf liste = debutEntite("LINE");
  ajoutePoint(liste, 10, debut);
  ajoutePoint(liste, 11, fin);
  ajouteCalque(liste, true);
  return fabriqueEntite(liste, "Erreur d'affichage d'une ligne");
}

// A solid's third and fourth corners are crossed: its outline runs 10, 11, 13, 12.
bool sortSolide(const Point3D& a, const Point3D& b, const Point3D& c, const Point3D& d) {
  ListeResbuf liste = debutEntite("SOLID");
  ajoutePoint(liste, 10, a);
  ajoutePoint(liste, 11, b);
  ajoutePoint(liste, 12, d);
  ajoutePoint(liste, 13, c);
  ajouteCalque(liste, false);
  return fabriqueEntite(liste, "Erreur d'affichage d'un solide");
}

}  // namespace framework
