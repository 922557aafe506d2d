#include "dem/commande_dremet.h"

#include <algorithm>
#include <string>
#include <vector>

#include "acedads.h"
#include "adsdlg.h"
#include "dem/dialogue_dremet.h"
#include "dem/etat_dremet.h"
#include "dem/lecture_dalles.h"
#include "dem/polyligne.h"
#include "dem/sortie_hote.h"

namespace dem {
namespace {

void dire(const std::string& texte) { acutPrintf("%s", texte.c_str()); }

// The points handed to the running "_3DPOLY", one call for a pass.
void envoyer(const std::vector<Noeud>& points) {
  if (points.empty()) return;
  std::vector<resbuf> rb(points.size());
  for (size_t i = 0; i < points.size(); ++i) {
    rb[i].restype = RT3DPOINT;
    rb[i].resval.rpoint[0] = points[i].x;
    rb[i].resval.rpoint[1] = points[i].y;
    rb[i].resval.rpoint[2] = points[i].z;
    rb[i].rbnext = i + 1 < points.size() ? &rb[i + 1] : nullptr;
  }
  acedCmdS(rb.data());
}

void envoyerTexte(const char* texte) {
  resbuf rb{};
  rb.restype = RTSTR;
  rb.resval.rstring = const_cast<char*>(texte);
  acedCmdS(&rb);
}

class Import {
 public:
  explicit Import(int mode) : mode_(mode), e_(etatDremet()) {}

  void lancer() {
    prefixe_ = e_.repertoire + "/";
    std::vector<Noeud> points;
    if (mode_ == kPolyligne) {
      ads_name entite;
      ads_point pick;
      if (acedEntSel("\n Sélectionner une polyligne ", entite, pick) != RTNORM) return;
      auto sommets = sommetsPolyligne(entite);
      if (!sommets) {
        acedPrompt("\n Ce n'est pas une polyligne.");
        return;
      }
      points = std::move(*sommets);
      envoyerTexte("_3DPOLY");
    } else {
      points = {{e_.fenetre.x1, e_.fenetre.y1, 0}, {e_.fenetre.x2, e_.fenetre.y2, 0}};
    }
    dire(std::to_string(points.size()) + " sommets à mettre en 3D...\n");
    if (mode_ == kPolyligne) {
      // The first pass puts the first vertex alone.
      for (size_t k = 0; !points.empty() && k < points.size(); ++k)
        if (!passe(points[k == 0 ? 0 : k - 1], points[k])) break;
      envoyerTexte("");
    } else {
      // The window once: its lower-left corner alone would draw its first
      // cells a second time.
      passe(points[0], points[1]);
    }
  }

 private:
  bool passe(const Noeud& p, const Noeud& q) {
    e_.fenetre = Coins{p.x, p.y, q.x, q.y}.ordonnes();
    const TailleFenetre t = taille(e_.fenetre);
    if (t.rangees > kMaxMailles || t.colonnes > kMaxMailles) {
      dire("\n Segment trop long > 50 Km");
      return false;
    }
    const BilanPasse b = remplirGrille(prefixe_, e_.extension, e_.fenetre, e_.grille, dire);
    if (b.noeuds == 0)
      dire("\n ATTENTION !!! \n - FICHIERS DE DONNEES INEXISTANTS OU \n - FENETRE HORS ZONE.");
    else
      dire("\n ZMAX = " + std::to_string(b.zmax) + "\n ZMIN = " + std::to_string(b.zmin));
    if (b.calage.rangees > kCoteGrille || b.calage.colonnes > kCoteGrille)
      dire("\n Fenêtre réduite aux 1000 x 1000 premiers noeuds de la grille.");
    switch (mode_) {
      case kFaces: dessiner(Trace::Faces, b); break;
      case kLignes: dessiner(Trace::Lignes, b); break;
      case kPoints: dessiner(Trace::Points, b); break;
      case kVecteurs: {
        SortieEcran ecran;
        tracerGrille(Trace::Lignes, e_.grille, b.calage, e_.bandes, ecran);
        break;
      }
      case kPolyligne: draper(p, q, b.calage); break;
      default: break;
    }
    return true;
  }

  void dessiner(Trace t, const BilanPasse& b) {
    SortieBase base;
    tracerGrille(t, e_.grille, b.calage, e_.bandes, base);
    if (base.refus() > 0)
      dire("\n " + std::to_string(base.refus()) + " entités refusées par le dessin.");
  }

  void draper(const Noeud& p, const Noeud& q, const Calage& k) {
    std::vector<Noeud> s = echantillons(e_.grille, k, p.x, p.y, q.x, q.y);
    if (q.x - p.x <= 0) std::reverse(s.begin(), s.end());
    // The end takes the height of the sample nearest it; without one, the
    // data's at the point, else the vertex before it keeps its height.
    Noeud fin = q;
    if (!s.empty())
      fin.z = s.back().z;
    else
      fin.z = altitudeAu(e_.grille, k, q.x, q.y).value_or(dernierZ_);
    s.push_back(fin);
    dernierZ_ = fin.z;
    envoyer(s);
  }

  int mode_;
  EtatDremet& e_;
  std::string prefixe_;
  double dernierZ_ = 0;
};

}  // namespace

void commandeDremet() {
  EtatDremet& e = etatDremet();
  if (e.bandes[0].couleur == 0) e.bandes = bandesParDefaut();
  int id = 0;
  int statut = kArret;
  if (ads_load_dialog("dremet.dcl", &id) == RTNORM) {
    statut = dialogueDremet(id);
    ads_unload_dialog(id);
  }
  if (statut == kPolyligne) e.fenetreDefinie = true;
  if (statut < kFaces || statut > kPolyligne || !e.fenetreDefinie) {
    dire("\n *** ARRET ***");
    return;
  }
  Import(statut).lancer();
}

}  // namespace dem
