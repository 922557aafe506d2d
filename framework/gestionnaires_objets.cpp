#include "framework/gestionnaires_objets.h"

#include <strings.h>

#include <string>

#include "acedads.h"
#include "framework/extrusion_objets.h"
#include "framework/groupes_dxf.h"

namespace framework {
namespace {

// Calls `lit` with each sub-entity that follows `liste`'s entity (the vertices
// of a POLYLINE, the attributes of an INSERT) as long as it has the type
// `type`; stops at the SEQEND or anything else. Stops too when `lit` answers
// 0 or less, and answers that (1 otherwise).
template <typename Lecture>
int parcourtSousObjets(const resbuf* liste, const char* type, Lecture lit) {
  const resbuf* nom = groupeDxf(liste, -1);
  if (!nom) return 1;
  ads_name courant = {nom->resval.rlname[0], nom->resval.rlname[1]};
  ads_name suivant;
  while (acdbEntNext(courant, suivant) == RTNORM) {
    ListeResbuf sous(acdbEntGet(suivant));
    if (!sous || strcasecmp(texteDxf(sous.get(), 0).c_str(), type) != 0) break;
    const int resultat = lit(sous.get());
    if (resultat <= 0) return resultat;
    courant[0] = suivant[0];
    courant[1] = suivant[1];
  }
  return 1;
}

int face3D(LECTEUR_ENTITES& l, const resbuf* liste) {
  const Point3D troisieme = pointDxf(liste, 12);
  const Point3D coins[4] = {pointDxf(liste, 10), pointDxf(liste, 11), troisieme,
                            pointDxf(liste, 13, troisieme)};
  return l.face3D(coins, entierDxf(liste, 70));
}

int arc(LECTEUR_ENTITES& l, const resbuf* liste) {
  return l.arc(pointDxf(liste, 10), reelDxf(liste, 40), reelDxf(liste, 50), reelDxf(liste, 51));
}

int cercle(LECTEUR_ENTITES& l, const resbuf* liste) {
  return l.cercle(pointDxf(liste, 10), reelDxf(liste, 40));
}

int attributDe(LECTEUR_ENTITES& l, const resbuf* liste, bool definition) {
  return l.attribut(pointDxf(liste, 10), texteDxf(liste, 1), texteDxf(liste, 2), texteDxf(liste, 3),
                    definition);
}

int attribut(LECTEUR_ENTITES& l, const resbuf* liste) { return attributDe(l, liste, false); }
int definitionAttribut(LECTEUR_ENTITES& l, const resbuf* liste) {
  return attributDe(l, liste, true);
}

int insertion(LECTEUR_ENTITES& l, const resbuf* liste) {
  const Point3D echelles = {reelDxf(liste, 41, 1), reelDxf(liste, 42, 1), reelDxf(liste, 43, 1)};
  const int resultat =
      l.insertion(pointDxf(liste, 10), texteDxf(liste, 2), echelles, reelDxf(liste, 50));
  if (resultat <= 0 || entierDxf(liste, 66) == 0) return resultat;
  const int attributs = parcourtSousObjets(
      liste, "ATTRIB", [&l](const resbuf* sous) { return attributDe(l, sous, false); });
  return attributs <= 0 ? attributs : resultat;
}

int ligne(LECTEUR_ENTITES& l, const resbuf* liste) {
  return l.ligne(pointDxf(liste, 10), pointDxf(liste, 11));
}

int point(LECTEUR_ENTITES& l, const resbuf* liste) { return l.point(pointDxf(liste, 10)); }

int texte(LECTEUR_ENTITES& l, const resbuf* liste) {
  return l.texte(pointDxf(liste, 10), texteDxf(liste, 1));
}

int polyligne(LECTEUR_ENTITES& l, const resbuf* liste) {
  std::vector<SOMMET_LU> sommets;
  parcourtSousObjets(liste, "VERTEX", [&sommets](const resbuf* sous) {
    SOMMET_LU s;
    s.point = pointDxf(sous, 10);
    s.renflement = reelDxf(sous, 42);
    s.largeurDebut = reelDxf(sous, 40);
    s.largeurFin = reelDxf(sous, 41);
    s.drapeaux = entierDxf(sous, 70);
    sommets.push_back(s);
    return 1;
  });
  convertitExtrusion(liste, sommets);
  return l.polyligne(entierDxf(liste, 70), entierDxf(liste, 71), entierDxf(liste, 72), sommets);
}

// Each vertex is a 10 group (x, y) followed by its own 40, 41 and 42; the
// polyline's elevation (38) is the z of all of them.
int polyligneLegere(LECTEUR_ENTITES& l, const resbuf* liste) {
  const double elevation = reelDxf(liste, 38);
  std::vector<SOMMET_LU> sommets;
  for (const resbuf* g = liste; g; g = g->rbnext) {
    if (g->restype == 10) {
      SOMMET_LU s;
      s.point = {g->resval.rpoint[0], g->resval.rpoint[1], elevation};
      sommets.push_back(s);
    } else if (!sommets.empty()) {
      if (g->restype == 40)
        sommets.back().largeurDebut = g->resval.rreal;
      else if (g->restype == 41)
        sommets.back().largeurFin = g->resval.rreal;
      else if (g->restype == 42)
        sommets.back().renflement = g->resval.rreal;
    }
  }
  convertitExtrusion(liste, sommets);
  return l.polyligneLegere(entierDxf(liste, 70), sommets);
}

int fenetreVue(LECTEUR_ENTITES& l, const resbuf* liste) {
  return l.fenetreVue(pointDxf(liste, 10));
}

constexpr GESTIONNAIRE_OBJET kGestionnaires[] = {
    {"3DFACE", kObjetFace3D, face3D},
    {"ARC", kObjetArc, arc},
    {"ATTRIB", kObjetAttribut, attribut},
    {"ATTDEF", kObjetDefinitionAttribut, definitionAttribut},
    {"CIRCLE", kObjetCercle, cercle},
    {"INSERT", kObjetInsertion, insertion},
    {"LINE", kObjetLigne, ligne},
    {"POINT", kObjetPoint, point},
    {"POLYLINE", kObjetPolyligne, polyligne},
    {"LWPOLYLINE", kObjetPolyligneLegere, polyligneLegere},
    {"TEXT", kObjetTexte, texte},
    {"VIEWPORT", kObjetFenetreVue, fenetreVue},
};

}  // namespace

std::span<const GESTIONNAIRE_OBJET> gestionnairesObjets() { return kGestionnaires; }

const GESTIONNAIRE_OBJET* trouveGestionnaire(std::string_view nom) {
  const std::string texte(nom);
  for (const GESTIONNAIRE_OBJET& g : kGestionnaires)
    if (strcasecmp(g.nom, texte.c_str()) == 0) return &g;
  return nullptr;
}

}  // namespace framework
