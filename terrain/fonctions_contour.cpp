#include "terrain/fonctions_contour.h"

#include <ostream>
#include <string>

#include "acedads.h"
#include "acuidialog.h"
#include "framework/dialogues_standard.h"
#include "framework/error_stream.h"
#include "framework/lecteur_entites.h"
#include "framework/liste_resbuf.h"
#include "framework/nombres_c.h"
#include "framework/sortie_entites.h"
#include "framework/sortie_polyligne.h"
#include "framework/types_objets.h"
#include "framework/valeurs_lisp.h"
#include "platform.h"
#include "terrain/construction_maillage.h"
#include "terrain/contours_points.h"
#include "terrain/donnees_dessin.h"
#include "terrain/maillage.h"
#include "terrain/selection_calques.h"

namespace terrain {

namespace {

// The dialog over the settings; false on Annuler.
bool dialogue(const REGLAGES_CONTOUR& r) {
  AcUiDialog d(0, "Contour de points");
  d.addLabel("libelle_calques", "Utiliser les points des calques :");
  d.addEdit("calques", r.plansSrc.c_str());
  d.addButton("choix_calques", "...", [](AcUiDialog& dlg) {
    const char* calque = framework::choisitCalque(nullptr, "Calque à ajouter");
    if (!calque) return;
    std::string champ = dlg.text("calques");
    if (!champ.empty()) champ += ',';
    dlg.setText("calques", (champ + calque).c_str());
  });
  d.addLabel("libelle_resultat", "Ecrire le(s) contour(s) dans le calque :");
  d.addEdit("resultat", r.plansRes.c_str());
  d.addButton("choix_resultat", "...", [](AcUiDialog& dlg) {
    if (const char* calque =
            framework::choisitCalque(dlg.text("resultat").c_str(), "Calque de résultat"))
      dlg.setText("resultat", calque);
  });
  d.addLabel("libelle_distance", "Distance maximale entre points :");
  d.addEdit("distance", framework::texteReelG(r.dMax).c_str());
  d.addButton("choix_distance", "...", [](AcUiDialog& dlg) {
    double distance = 0.0;
    if (framework::demandeDistance("Distance à utiliser", distance, 0.0) == 1 && distance > 0.0)
      dlg.setText("distance", framework::texteReelG(distance).c_str());
  });
  d.addButton("ok", "OK", {}, AcUiDialog::ButtonRole::Default);
  d.addButton("annuler", "Annuler", {}, AcUiDialog::ButtonRole::Cancel);
  if (d.doModal() != IDOK) return false;
  r.dMax = framework::lireReelC(d.text("distance"));
  r.plansSrc = d.text("calques");
  r.plansRes = d.text("resultat");
  return true;
}

class LECTEUR_POINTS : public framework::LECTEUR_ENTITES {
 public:
  explicit LECTEUR_POINTS(MAILLAGE& maillage)
      : LECTEUR_ENTITES(framework::kObjetPoint), maillage_(maillage) {}
  int point(const framework::Point3D& p) override {
    maillage_.ajoutePoint(VECTEUR(p[0], p[1], p[2]));
    return 1;
  }

 private:
  MAILLAGE& maillage_;
};

size_t nombreArguments() {
  const framework::ListeResbuf args(acedGetArgs());
  size_t n = 0;
  int profondeur = 0;
  for (const resbuf* rb = args.get(); rb; rb = rb->rbnext) {
    if (profondeur == 0 && rb->restype != RTLE) ++n;
    if (rb->restype == RTLB) ++profondeur;
    if (rb->restype == RTLE && profondeur > 0) --profondeur;
  }
  return n;
}

void dessineContour(const CONTOUR& c) {
  framework::commencePolyligne(c.ferme, true);
  for (const PT_MAILLE* p : c.points) framework::sortPoint({p->x, p->y, p->z});
  framework::terminePolyligne();
}

}  // namespace

resbuf* contourpt(const REGLAGES_CONTOUR& reglages) {
  const bool faces = nombreArguments() == 3;
  if (!dialogue(reglages)) return nullptr;

  MAILLAGE maillage(kMailleurQuoril);
  const auto selection = selectionne(reglages.plansSrc.texte(), framework::kObjetPoint, "X");
  if (!selection) return nullptr;
  if (!selection->vide) {
    LECTEUR_POINTS lecteur(maillage);
    lecteur.parcourt(selection->nom, false);
  }
  std::ostream& erreurs = framework::fluxErreur();
  const size_t n = maillage.points().size();
  erreurs << "Travail avec " << n << " points" << std::endl;
  if (n <= 2) {
    erreurs << "Trop peu de points : " << n << std::endl;
    return nullptr;
  }
  PARAMETRES_CONSTRUCTION parametres;
  parametres.mode = faces ? 0 : -1;
  parametres.distanceMax = reglages.dMax;
  if (!construitMaillage(maillage, parametres)) return nullptr;
  if (faces) {
    dessineMaillage(maillage, kDessinTriangles);
    return nullptr;
  }

  const std::vector<CONTOUR> contours = traceContours(maillage);
  size_t trouves = 0, problemes = 0;
  {
    const framework::CalqueSortieTemporaire calque(reglages.plansRes.texte());
    for (const CONTOUR& c : contours) {
      dessineContour(c);
      ++(c.ferme ? trouves : problemes);
    }
  }
  std::string rapport = std::to_string(trouves) + " contour(s) trouvé(s)";
  if (problemes > 0) rapport += " - !!! " + std::to_string(problemes) + " problemes rencontrés";
  erreurs << rapport << std::endl;
  if (trouves != 1 || problemes != 0)
    platform::messageBox(nullptr, rapport.c_str(), "Recherche de contours", MB_OK);
  return nullptr;
}

}  // namespace terrain
