// The functions that write an alignment's 3D axis points, pavement
// thicknesses and one cross-section with its layers.
#include <algorithm>

#include "framework/valeurs_lisp.h"
#include "road/api_ecriture.h"
#include "road/api_ecriture_cadre.h"
#include "road/api_ecriture_listes.h"
#include "road/axe_en_plan.h"
#include "road/couche_kind.h"
#include "road/epais_structure.h"
#include "road/noms_api.h"
#include "road/points_axe3d.h"
#include "road/profils_en_travers.h"
#include "road/variable_lisp.h"

namespace road {

using namespace api;

resbuf* CreationAxe3D(int32_t) {
  return protege("CreationAxe3D", [] {
    auto projet = ouvreProjet();
    ArgumentsAppel args;
    AXE_EN_PLAN* axe = axeArgument(*projet, args, 2, "CreationAxe3D");
    if (!axe) return;
    auto& points = axe->pointsAxe3d(true)->points();
    points.clear();
    VARIABLE_LISP v("NB-PA3D");
    v.entier();  // the count comes from the entries
    v.nomme("LAXE3D");
    for (const auto& p : pointsAxe3dDe(v.liste().get())) {
      auto apres = std::find_if(points.begin(), points.end(),
                                [&](const POINT_AXE3D& q) { return q.abscisse > p.abscisse; });
      points.insert(apres, p);
    }
    enregistre(*projet, "CreationAxe3D");
  });
}

resbuf* EcritureES(int32_t) {
  return protege("EcritureES", [] {
    auto projet = ouvreProjet();
    ArgumentsAppel args;
    AXE_EN_PLAN* axe = axeArgument(*projet, args, 1, "EcritureES");
    if (!axe) return;
    EPAIS_STRUCTURE* epaisseurs = axe->epaisseurs(true);
    VARIABLE_LISP v;
    for (int i = 0; i < EPAIS_STRUCTURE::kNombreValeurs; ++i) {
      const auto quelle = static_cast<EPAIS_STRUCTURE::Valeur>(i);
      v.nomme(EPAIS_STRUCTURE::symbole(quelle));
      const double valeur = v.reel();
      epaisseurs->fixe(quelle, valeur, !v.erreur());
    }
    enregistre(*projet, "EcritureES");
  });
}

resbuf* ModifPT(int32_t) {
  return protege("ModifPT", [] {
    auto projet = ouvreProjet();
    ArgumentsAppel args;
    AXE_EN_PLAN* axe = axeArgument(*projet, args, 2, "ModifPT");
    if (!axe) return;
    PROFILS_EN_TRAVERS* profils = axe->profils();
    if (!profils || profils->nombre() == 0) return signale("ModifPT", "Pas de profil en travers");
    VARIABLE_LISP v("ABSIPRO");
    UN_PROFIL* profil = profils->trouve(v.reel());
    if (!profil) return signale("ModifPT", "La tabulation est inconnue");

    v.nomme("HANDPRO");
    const std::string handle = v.texte();
    if (!nomAcceptable(handle)) return parametresIncorrects("ModifPT");
    v.nomme("EP-DECAP");
    const double epaisseur = v.reel();
    v.nomme("PM-DECAP");
    const double seconde = v.reel();

    std::vector<COUCHE> couches;
    {
      // Most kinds are absent from a given section: no report for them.
      framework::SilenceVariables silence;
      for (const auto& kind : coucheKinds()) {
        v.nomme(kind.symbole);
        const framework::ListeResbuf liste = v.liste();
        if (liste) couches.push_back(coucheDe(kind.code, liste.get()));
      }
    }
    for (const auto& c : couches)
      for (const auto& p : c.points())
        if (c.pointsNommes() && !nomAcceptable(p.nom)) return parametresIncorrects("ModifPT");

    profil->handle = handle;
    profil->epaisseurDecapage = epaisseur;
    profil->secondeDecapage = seconde;
    profil->videCouches();
    for (auto& c : couches) profil->ajouteCouche(std::move(c));
    enregistre(*projet, "ModifPT");
  });
}

}  // namespace road
