#include "framework/sortie_polyligne.h"

#include <ostream>

#include "acedads.h"
#include "framework/discretisation_arc.h"
#include "framework/error_stream.h"
#include "framework/etat_sortie.h"
#include "framework/sortie_entites.h"

namespace framework {
namespace {

constexpr int kPolyligneFermee = 1;
constexpr int kPolyligne3D = 8;
constexpr int kGenerationTypeLigne = 128;
constexpr int kSommet3D = 32;

bool generationTypeLigne() {
  resbuf valeur{};
  if (acedGetVar("plinegen", &valeur) != RTNORM) return false;
  return valeur.restype == RTSHORT && valeur.resval.rint != 0;
}

// Made at once, or kept for the end when the polyline is held back.
void envoie(ListeResbuf liste) {
  ETAT_SORTIE& etat = etatSortie();
  if (etat.retenue) {
    etat.retenues.push_back(std::move(liste));
    return;
  }
  if (!fabriqueEntite(liste, nullptr)) etat.refusee = true;
}

void ecritEntete(const Point3D& premier) {
  const ETAT_SORTIE& etat = etatSortie();
  const bool en3D = etat.polyligne == PolyligneOuverte::En3D;
  int drapeaux = etat.fermee ? kPolyligneFermee : 0;
  if (en3D) drapeaux += kPolyligne3D;
  if (generationTypeLigne()) drapeaux += kGenerationTypeLigne;
  ListeResbuf entete(acutBuildList(RTDXF0, "POLYLINE", 66, 1, 70, drapeaux, 0));
  ajouteCalque(entete, true);
  if (!en3D) entete.ajoute(acutBuildList(10, premier.data(), 0));
  envoie(std::move(entete));
}

void ecritSommet3D(const Point3D& p) {
  ListeResbuf sommet(acutBuildList(RTDXF0, "VERTEX", 70, kSommet3D, 10, p.data(), 0));
  ajouteCalque(sommet, true);
  envoie(std::move(sommet));
  ++etatSortie().sommets;
}

void ecritSommet2D(const Point3D& p) {
  const ETAT_SORTIE& etat = etatSortie();
  ListeResbuf sommet(acutBuildList(RTDXF0, "VERTEX", 42, etat.renflement, 70, 0, 10, p.data(), 40,
                                   etat.largeur, 41, etat.largeur, 0));
  ajouteCalque(sommet, true);
  envoie(std::move(sommet));
  ++etatSortie().sommets;
}

// Header, vertices and SEQEND in one list: the host makes them as one entity.
bool fabriqueRetenues() {
  ETAT_SORTIE& etat = etatSortie();
  etat.retenues.front().ajoute(acutBuildList(90, etat.sommets, 0));
  // Linked through a tail pointer: a long polyline must not be walked once per vertex.
  ListeResbuf tout;
  resbuf** queue = nullptr;
  for (ListeResbuf& liste : etat.retenues) {
    resbuf* morceau = liste.cede();
    if (!morceau) continue;
    if (queue)
      *queue = morceau;
    else
      tout.remplace(morceau);
    while (morceau->rbnext) morceau = morceau->rbnext;
    queue = &morceau->rbnext;
  }
  etat.retenues.clear();
  return fabriqueEntite(tout, nullptr);
}

}  // namespace

bool sortSommet(const Point3D& p) {
  ETAT_SORTIE& etat = etatSortie();
  const bool premier = etat.sommets == 0;
  if (premier) ecritEntete(p);
  if (etat.polyligne == PolyligneOuverte::En3D) {
    const double renflement = etat.renflement;
    etat.renflement = 0;
    if (renflement != 0 && !premier) {
      // The previous point is already out: the arc adds what follows it.
      const std::vector<Point3D> arc = discretiseArc(etat.precedent, p, renflement, 0);
      for (size_t i = 1; i < arc.size(); ++i) ecritSommet3D(arc[i]);
    } else {
      ecritSommet3D(p);
    }
  } else {
    ecritSommet2D(p);
  }
  etat.precedent = p;
  return !etat.refusee;
}

bool commencePolyligne(bool fermee, bool en3D) {
  ETAT_SORTIE& etat = etatSortie();
  if (etat.polyligne != PolyligneOuverte::Aucune) {
    fluxErreur() << "Ligne deja en cours d'exportation" << std::endl;
    return false;
  }
  etat.polyligne = en3D ? PolyligneOuverte::En3D : PolyligneOuverte::En2D;
  etat.fermee = fermee;
  etat.retenue = etat.retenir;
  etat.refusee = false;
  etat.sommets = 0;
  etat.retenues.clear();
  return true;
}

bool terminePolyligne() {
  ETAT_SORTIE& etat = etatSortie();
  if (etat.polyligne == PolyligneOuverte::Aucune) {
    fluxErreur() << "Pas de polyligne en cours" << std::endl;
    return false;
  }
  etat.polyligne = PolyligneOuverte::Aucune;
  // Without a point nothing was written, and a lone SEQEND would be refused.
  if (etat.sommets == 0) {
    etat.retenues.clear();
    return !etat.refusee;
  }
  ListeResbuf fin(acutBuildList(RTDXF0, "SEQEND", 0));
  if (etat.retenue) {
    etat.retenues.push_back(std::move(fin));
    if (!fabriqueRetenues()) etat.refusee = true;
  } else if (!fabriqueEntite(fin, nullptr)) {
    etat.refusee = true;
  }
  return !etat.refusee;
}

bool polyligneOuverte() { return etatSortie().polyligne != PolyligneOuverte::Aucune; }

void changeRenflement(double renflement) { etatSortie().renflement = renflement; }

void changeLargeur(double largeur) { etatSortie().largeur = largeur; }

void retiensEntites(bool actif) { etatSortie().retenir = actif; }

}  // namespace framework
