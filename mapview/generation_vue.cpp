#include "mapview/generation_vue.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "acedads.h"
#include "mapview/service_ade.h"

namespace mapview {

namespace {

std::string minuscules(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

bool memeTexte(const std::string& a, const std::string& b) {
  return minuscules(a) == minuscules(b);
}

void trace(const char* libelle, const std::string& valeur = {}) {
  if (modeDebug()) acutPrintf("\n%s %s", libelle, valeur.c_str());
}

// The non-empty entries of a ";"-separated list.
std::vector<std::string> entrees(const std::string& liste) {
  std::vector<std::string> r;
  size_t debut = 0;
  while (debut <= liste.size()) {
    size_t fin = liste.find(';', debut);
    if (fin == std::string::npos) fin = liste.size();
    if (fin > debut) r.push_back(liste.substr(debut, fin - debut));
    debut = fin + 1;
  }
  return r;
}

struct DESSIN_ATTACHE {
  double id;
  std::string nom;  // alias path
};

// Each attached drawing with its name: its actual path as an alias path.
std::vector<DESSIN_ATTACHE> dessinsAttaches() {
  std::vector<DESSIN_ATTACHE> dessins;
  const auto liste = appelleAde(kAdeDsList, ListeResbuf());
  if (!liste) return dessins;
  for (const resbuf* rb = liste->get(); rb; rb = rb->rbnext) {
    if (rb->restype != RTREAL) continue;
    const double id = rb->resval.rreal;
    const auto reel = texteDe(appelleAde(kAdeDwgActualPath, reelArg(id)));
    const auto alias = reel ? texteDe(appelleAde(kAdeDwgAliasPath, texteArg(*reel))) : std::nullopt;
    if (!alias) {
      acutPrintf("\nProbleme recherche DWG\n");
      continue;
    }
    dessins.push_back({id, *alias});
  }
  return dessins;
}

bool estActif(double id) { return nonNil(appelleAde(kAdeDwgIsActive, reelArg(id))); }

}  // namespace

bool& modeDebug() {
  static bool debug = false;
  return debug;
}

void metAJourAlias(const std::string& alias) {
  const auto definis = appelleAde(kAdeAliasGetList, ListeResbuf());
  trace("Analyse alias", alias);
  for (const std::string& entree : entrees(alias)) {
    const size_t et = entree.find('&');
    if (et == std::string::npos) {
      acutPrintf("\nAlias mal formé%s\n", entree.c_str());
      return;
    }
    const std::string nom = entree.substr(0, et), valeur = entree.substr(et + 1);
    trace("Nom alias", nom);
    trace("Val alias", valeur);
    // The defined aliases come as (name path) pairs.
    std::optional<std::string> valeurDefinie;
    for (const resbuf* rb = definis ? definis->get() : nullptr; rb; rb = rb->rbnext) {
      if (rb->restype != RTLB || !rb->rbnext || rb->rbnext->restype != RTSTR) continue;
      const resbuf* n = rb->rbnext;
      const resbuf* v = n->rbnext;
      if (n->resval.rstring && memeTexte(n->resval.rstring, nom)) {
        valeurDefinie = v && v->restype == RTSTR && v->resval.rstring ? v->resval.rstring : "";
        break;
      }
    }
    ListeResbuf arguments(acutBuildList(RTSTR, nom.c_str(), RTSTR, valeur.c_str(), 0));
    if (!valeurDefinie) {
      trace("Ajout alias", nom);
      if (!nonNil(appelleAde(kAdeAliasAdd, arguments)))
        acutPrintf("\nProbleme d'ajout alias %s\n", nom.c_str());
    } else if (!memeTexte(*valeurDefinie, valeur)) {
      trace("Maj alias", nom);
      if (!nonNil(appelleAde(kAdeAliasUpdate, arguments)))
        acutPrintf("\nProbleme maj alias %s\n", nom.c_str());
    }
  }
}

void controleDessins(const std::string& dessins, int options) {
  const std::string liste = ";" + minuscules(dessins) + ";";
  auto dansListe = [&](const std::string& nom) {
    return liste.find(";" + minuscules(nom) + ";") != std::string::npos;
  };
  if (options & kAttache) {
    trace("LST à charger", dessins);
    std::string attaches = ";";
    for (const DESSIN_ATTACHE& d : dessinsAttaches()) attaches += minuscules(d.nom) + ";";
    for (const std::string& entree : entrees(dessins)) {
      // Whole names: "a.dxf" is not attached because "aa.dxf" is.
      if (attaches.find(";" + minuscules(entree) + ";") != std::string::npos) continue;
      const auto id = reelDe(appelleAde(kAdeDsAttach, texteArg(entree)));
      if (id && *id != 0.0)
        appelleAde(kAdeDwgActivate, reelArg(*id));
      else
        acutPrintf("\nProbleme d'attache de %s\n", entree.c_str());
      trace("Attache DWG", entree);
    }
  }
  if (options & kActive) {
    trace("LST Dwg actifs", dessins);
    for (const DESSIN_ATTACHE& d : dessinsAttaches()) {
      const bool actif = estActif(d.id);
      if (dansListe(d.nom) && !actif) {
        appelleAde(kAdeDwgActivate, reelArg(d.id));
        trace("Active", d.nom);
      } else if (!dansListe(d.nom) && actif) {
        appelleAde(kAdeDwgDeactivate, reelArg(d.id));
        trace("Désactive", d.nom);
      }
    }
  }
  if (options & kDetache) {
    trace("LST Dwg à détacher", dessins);
    for (const DESSIN_ATTACHE& d : dessinsAttaches()) {
      if (!dansListe(d.nom)) continue;
      if (!nonNil(appelleAde(kAdeDsDetach, reelArg(d.id)))) {
        acutPrintf("\nProbleme pour détacher DWG %s\n", d.nom.c_str());
        trace("Active", d.nom);
      }
    }
  }
}

void prepare(const std::string& alias, const std::string& dessins) {
  if (!alias.empty()) {
    trace("Part en Gestion alias", alias);
    metAJourAlias(alias);
  }
  if (!dessins.empty()) {
    trace("Part en controle DWG", dessins);
    controleDessins(dessins, kAttache);
  }
}

void genere(const std::string& alias, const std::string& dessins,
            const std::vector<framework::Point3D>& limite) {
  trace("Entre vue dwg");
  if (!alias.empty()) {
    trace("Part en Gestion alias", alias);
    metAJourAlias(alias);
  }
  if (!dessins.empty()) {
    trace("Analyse LSFICH");
    controleDessins(dessins, kAttache | kActive);
  }
  trace("Débute description");
  // ("and" "" "" "Location" ("polygon" "crossing" p1 p2 ...) ""), the points in plan.
  ListeResbuf condition(acutBuildList(RTLB, RTSTR, "and", RTSTR, "", RTSTR, "", RTSTR, "Location",
                                      RTLB, RTSTR, "polygon", RTSTR, "crossing", 0));
  for (const framework::Point3D& p : limite) {
    const ads_point plan = {p[0], p[1], 0.0};
    condition.ajoute(acutBuildList(RTPOINT, plan, 0));
  }
  condition.ajoute(acutBuildList(RTLE, RTSTR, "", RTLE, 0));

  appelleAde(kAdeQryClear, ListeResbuf());
  const auto id = reelDe(appelleAde(kAdeQryDefine, condition));
  if (id && *id != 0.0) {
    appelleAde(kAdeQrySetType,
               ListeResbuf(acutBuildList(RTSTR, "draw", RTNIL, RTSTR, "", RTSTR, "", 0)));
    trace("Execute requete");
    acutPrintf("\nTraitement de la requête en cours...\n");
    appelleAde(kAdeQryExecute, ListeResbuf());
    acutPrintf("\nFin de traitement des requete\n");
  } else {
    acutPrintf("\nErreur de creation de requete\n");
  }
  if (!dessins.empty()) {
    trace("Decharge LSFICH");
    controleDessins(dessins, kDetache);
  }
}

}  // namespace mapview
