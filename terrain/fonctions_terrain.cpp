#include "terrain/fonctions_terrain.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "acedads.h"
#include "framework/error_stream.h"
#include "framework/filtre_objets.h"
#include "framework/lecteur_entites.h"
#include "framework/liste_resbuf.h"
#include "framework/types_objets.h"
#include "framework/valeurs_lisp.h"
#include "road/appel_api.h"
#include "road/dialogues_terrain.h"
#include "road/variable_lisp.h"
#include "terrain/construction_maillage.h"
#include "terrain/donnees_dessin.h"
#include "terrain/maillage.h"
#include "terrain/pointgrp.h"
#include "terrain/selection_calques.h"

namespace terrain {

namespace {

constexpr double kToleranceZParDefaut = 0.002;

// The layer names of a parameter list, comma-separated as a filter takes them.
std::string nomsCalques(const framework::LISTE_PARAMETRES& calques) {
  std::string noms;
  for (const framework::PARAMETRE& p : calques) {
    if (!p.identifiant || p.identifiant->empty()) continue;
    if (!noms.empty()) noms += ',';
    noms += *p.identifiant;
  }
  return noms;
}

// The string elements of the list a LISP symbol holds.
std::vector<std::string> textesListe(const char* symbole) {
  std::vector<std::string> textes;
  road::VARIABLE_LISP variable(symbole);
  const framework::ListeResbuf liste = variable.liste();
  for (const resbuf* rb = liste.get(); rb; rb = rb->rbnext)
    if (rb->restype == RTSTR && rb->resval.rstring) textes.emplace_back(rb->resval.rstring);
  return textes;
}

std::string joint(const std::vector<std::string>& noms) {
  std::string texte;
  for (const std::string& n : noms) {
    if (n.empty()) continue;
    if (!texte.empty()) texte += ',';
    texte += n;
  }
  return texte;
}

// The layer named by CALQ_CBN; empty when the symbol holds no text.
std::string calqueCbn() {
  std::string calque;
  framework::SilenceVariables silence;
  if (!framework::lisVariable("CALQ_CBN", calque, nullptr, framework::kSymboleLisp)) return {};
  return calque;
}

framework::Point3D versScu(const framework::Point3D& p, bool versUtilisateur) {
  resbuf de{}, vers{};
  de.restype = vers.restype = RTSHORT;
  de.resval.rint = versUtilisateur ? 0 : 1;
  vers.resval.rint = versUtilisateur ? 1 : 0;
  framework::Point3D r = p;
  if (acedTrans(p.data(), &de, &vers, 0, r.data()) != RTNORM) return p;
  return r;
}

resbuf* liste3D(const framework::Point3D& p) { return acutBuildList(RT3DPOINT, p.data(), 0); }

// Every vertex or corner of what a selection holds.
class COLLECTEUR_SOMMETS : public framework::LECTEUR_ENTITES {
 public:
  explicit COLLECTEUR_SOMMETS(std::vector<framework::Point3D>& sommets) : sommets_(sommets) {}
  int face3D(const framework::Point3D coins[4], int) override {
    sommets_.insert(sommets_.end(), coins, coins + 4);
    return 1;
  }
  int ligne(const framework::Point3D& a, const framework::Point3D& b) override {
    sommets_.push_back(a);
    sommets_.push_back(b);
    return 1;
  }
  int point(const framework::Point3D& p) override {
    sommets_.push_back(p);
    return 1;
  }
  int polyligne(int, int, int, const std::vector<framework::SOMMET_LU>& s) override {
    for (const auto& v : s) sommets_.push_back(v.point);
    return 1;
  }
  int polyligneLegere(int, const std::vector<framework::SOMMET_LU>& s) override {
    for (const auto& v : s) sommets_.push_back(v.point);
    return 1;
  }

 private:
  std::vector<framework::Point3D>& sommets_;
};

// The polylines (and lines) of a selection, each with its layer.
struct POLYLIGNE_LUE {
  std::vector<framework::Point3D> sommets;
  bool fermee = false;
  std::string calque;
};
class LECTEUR_POLYLIGNES : public framework::LECTEUR_ENTITES {
 public:
  explicit LECTEUR_POLYLIGNES(std::vector<POLYLIGNE_LUE>& lues) : lues_(lues) {}
  int ligne(const framework::Point3D& a, const framework::Point3D& b) override {
    lues_.push_back({{a, b}, false, calque()});
    return 1;
  }
  int polyligne(int drapeaux, int, int, const std::vector<framework::SOMMET_LU>& s) override {
    return ajoute(drapeaux, s);
  }
  int polyligneLegere(int drapeaux, const std::vector<framework::SOMMET_LU>& s) override {
    return ajoute(drapeaux, s);
  }

 private:
  int ajoute(int drapeaux, const std::vector<framework::SOMMET_LU>& s) {
    POLYLIGNE_LUE p;
    p.fermee = (drapeaux & 1) != 0;
    p.calque = calque();
    for (const auto& v : s) p.sommets.push_back(v.point);
    lues_.push_back(std::move(p));
    return 1;
  }
  std::vector<POLYLIGNE_LUE>& lues_;
};

bool memeNom(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) ==
           std::toupper(static_cast<unsigned char>(y));
  });
}

}  // namespace

MAILLAGE& maillageModule() {
  static MAILLAGE maillage;
  return maillage;
}

resbuf* mailleterrain(int32_t) {
  const road::api::ArgumentsAppel args;
  bool calquesLisp = false;
  double tolerance = kToleranceZParDefaut;
  std::vector<VECTEUR> limite;
  for (size_t i = 0; i < args.nombre(); ++i) {
    if (const auto texte = args.texte(i)) {
      calquesLisp = !texte->empty() && std::toupper(static_cast<unsigned char>((*texte)[0])) == 'U';
    } else if (const auto reel = args.reelSeul(i)) {
      tolerance = *reel;
    } else if (const auto points = args.listePoints(i)) {
      limite.clear();
      for (const auto& p : *points) limite.emplace_back(p[0], p[1], p[2]);
    }
  }
  auto projet = road::api::ouvreProjet();
  MAILLAGE& maillage = maillageModule();
  maillage.vide();
  maillage.toleranceZ = tolerance;
  maillage.zNul = projet->vNul();

  const std::string calques =
      calquesLisp ? joint(textesListe("LSTCALQ3D")) : nomsCalques(projet->calques3d());
  const auto selection = selectionne(
      calques, framework::kObjetLigne | framework::kObjetPolyligne | framework::kObjetPoint, "X");
  if (!selection || (!selection->vide && !litDonnees3D(maillage, selection->nom))) {
    framework::fluxErreur() << "Mauvaise selection des données 3D" << std::endl;
    return nullptr;
  }
  PARAMETRES_CONSTRUCTION parametres;
  parametres.distanceMax = road::VARIABLE_LISP("OR1").reel();
  parametres.doubleZ = true;
  parametres.limite = std::move(limite);
  if (!construitMaillage(maillage, parametres)) maillage.videTriangles();
  projet->sauve();
  return nullptr;
}

resbuf* affichemaille(int32_t) {
  const road::api::ArgumentsAppel args;
  int quoi = kDessinTriangles;
  if (args.nombre() == 1)
    if (const auto entier = args.entier(0)) quoi = *entier;
  dessineMaillage(maillageModule(), quoi);
  return nullptr;
}

resbuf* infomaille(int32_t) {
  const size_t n = maillageModule().nombreTriangles();
  return acutBuildList(RTLONG, static_cast<int>(std::min<size_t>(n, INT32_MAX)), 0);
}

resbuf* zpoint(int32_t) {
  const road::api::ArgumentsAppel args;
  const auto point = args.nombre() == 1 ? args.point(0) : std::nullopt;
  if (!point) {
    framework::fluxErreur() << "Point Z : Attend le point à rechercher" << std::endl;
    return nullptr;
  }
  MAILLAGE& maillage = maillageModule();
  framework::Point3D p = versScu(*point, false);
  double z = 0.0;
  if (!maillage.zEn(p[0], p[1], z)) z = maillage.zNul;
  p[2] = z;
  return liste3D(versScu(p, true));
}

resbuf* decoupeseg(int32_t) {
  const road::api::ArgumentsAppel args;
  const auto u1 = args.nombre() == 2 ? args.point(0) : std::nullopt;
  const auto u2 = args.nombre() == 2 ? args.point(1) : std::nullopt;
  if (!u1 || !u2) {
    framework::fluxErreur() << "Intersection Segment : Attend deux points" << std::endl;
    return nullptr;
  }
  const framework::Point3D w1 = versScu(*u1, false), w2 = versScu(*u2, false);
  const std::vector<std::string> marques = textesListe("LCALQ_CHEX");
  auto projet = road::api::ouvreProjet();
  const double zNul = projet->vNul();
  auto sansHauteur = [&](double z) { return std::fabs(z - zNul) < 0.001; };

  std::vector<POLYLIGNE_LUE> polylignes;
  const auto premiere =
      selectionne(nomsCalques(projet->calques3d()),
                  framework::kObjetLigne | framework::kObjetPolyligne, "C", u1->data(), u2->data());
  if (!premiere) return nullptr;
  if (!premiere->vide) {
    LECTEUR_POLYLIGNES lecteur(polylignes);
    lecteur.parcourt(premiere->nom, false);
  }
  const auto seconde = selectionne(
      calqueCbn(),
      framework::kObjetLigne | framework::kObjetPolyligne | framework::kObjetPolyligneLegere, "C",
      u1->data(), u2->data());
  if (!seconde) return nullptr;
  if (!seconde->vide) {
    LECTEUR_POLYLIGNES lecteur(polylignes);
    lecteur.parcourt(seconde->nom, false);
  }

  const VECTEUR p1(w1[0], w1[1], w1[2]), p2(w2[0], w2[1], w2[2]);
  struct Croisement {
    VECTEUR point;
    bool marque;
    double distance;
  };
  std::vector<Croisement> croisements;
  for (const POLYLIGNE_LUE& pl : polylignes) {
    const bool marque = std::any_of(marques.begin(), marques.end(),
                                    [&](const std::string& m) { return memeNom(m, pl.calque); });
    const size_t n = pl.sommets.size();
    const size_t aretes = pl.fermee && n > 2 ? n : (n > 0 ? n - 1 : 0);
    const size_t premierDeCette = croisements.size();
    for (size_t k = 0; k < aretes; ++k) {
      const framework::Point3D& a = pl.sommets[k];
      const framework::Point3D& b = pl.sommets[(k + 1) % n];
      if (sansHauteur(a[2]) || sansHauteur(b[2])) continue;
      const VECTEUR va(a[0], a[1], a[2]), vb(b[0], b[1], b[2]);
      const INTERSECTION_SEGMENTS x = POINTGRP::Intersection(va, vb, p1, p2);
      if (x.type != INTERSECTION_SEGMENTS::POINT) continue;
      VECTEUR q = x.point;
      if (x.surSecond) {
        const PROJECTION pr = POINTGRP::projette(va, vb, q, 1);
        q.z = va.z + (pr.valide ? pr.abscisse : 0.0) * (vb.z - va.z);
      }
      // A vertex on the segment ends two edges: one crossing.
      const bool deja =
          std::any_of(croisements.begin() + static_cast<long>(premierDeCette), croisements.end(),
                      [&](const Croisement& c) { return c.point.egal2D(q); });
      if (!deja) croisements.push_back({q, marque, p1.distanceXY(q)});
    }
  }
  std::stable_sort(
      croisements.begin(), croisements.end(),
      [](const Croisement& a, const Croisement& b) { return a.distance < b.distance; });
  framework::ListeResbuf resultat;
  for (const Croisement& c : croisements) {
    const framework::Point3D u = versScu({c.point.x, c.point.y, c.point.z}, true);
    resultat.ajoute(acutBuildList(RTLB, RT3DPOINT, u.data(), c.marque ? RTT : RTNIL, RTLE, 0));
  }
  if (!resultat) return nullptr;
  framework::ListeResbuf tout(acutBuildList(RTLB, 0));
  tout.ajoute(std::move(resultat));
  tout.ajoute(acutBuildList(RTLE, 0));
  return tout.cede();
}

resbuf* calzlimite(int32_t) {
  auto projet = road::api::ouvreProjet();
  const int32_t types = framework::kObjetFace3D | framework::kObjetLigne | framework::kObjetPoint |
                        framework::kObjetPolyligne;
  std::vector<framework::Point3D> sommets;
  const auto premiere = selectionne(nomsCalques(projet->calquesSelection()), types, "X");
  const auto seconde = premiere
                           ? selectionne(calqueCbn(), types | framework::kObjetPolyligneLegere, "X")
                           : std::nullopt;
  int compte = 0;
  if (premiere && seconde) {
    COLLECTEUR_SOMMETS collecteur(sommets);
    if (!premiere->vide) collecteur.parcourt(premiere->nom, false);
    if (!seconde->vide) collecteur.parcourt(seconde->nom, false);
    const double zNul = projet->vNul();
    double zMin = 0.0, zMax = 0.0;
    for (const auto& p : sommets) {
      if (std::fabs(p[2] - zNul) < 0.001) continue;
      zMin = compte ? std::min(zMin, p[2]) : p[2];
      zMax = compte ? std::max(zMax, p[2]) : p[2];
      ++compte;
    }
    if (compte > 0) {
      projet->fixeVMin(zMin);
      projet->fixeVMax(zMax);
    }
  }
  road::dialogueAltitudes(*projet, compte);
  projet->sauve();
  return nullptr;
}

resbuf* ini3dterrain(int32_t) {
  auto projet = road::api::ouvreProjet();
  if (projet->etatChargement() != road::kProjetSansTerrain) return nullptr;
  framework::LISTE_PARAMETRES calques = projet->calques3d();
  if (road::dialogueCalques3d(calques)) {
    projet->remplaceCalques3d(calques);
    projet->sauve();
  }
  return calzlimite(0);
}

}  // namespace terrain
