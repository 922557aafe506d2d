// The walk over a selection set that hands each selected entity, by kind, to
// one operation of an entity reader, reporting progress on the way.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "adsdef.h"
#include "framework/liste_resbuf.h"
#include "framework/point_3d.h"
#include "framework/types_objets.h"

namespace framework {

// One vertex of a polyline as read from the drawing.
struct SOMMET_LU {
  Point3D point{};
  double renflement = 0;                    // group 42
  double largeurDebut = 0, largeurFin = 0;  // groups 40 and 41
  int drapeaux = 0;                         // group 70 of a VERTEX
};

// A base with one operation per entity kind. An operation answers the walk:
// above 0 it goes on, 0 or less it stops there. Each one here goes on and
// does nothing; a reader overrides the kinds it wants.
class LECTEUR_ENTITES {
 public:
  explicit LECTEUR_ENTITES(int32_t masque = kTousObjets, bool strict = false);
  virtual ~LECTEUR_ENTITES();
  LECTEUR_ENTITES(const LECTEUR_ENTITES&) = delete;
  LECTEUR_ENTITES& operator=(const LECTEUR_ENTITES&) = delete;

  // Reads every entity of the selection set, then frees the set. Answers the
  // last operation's result (1 for an empty set). `afficheNombre` writes the
  // count first.
  int parcourt(const ads_name selection, bool afficheNombre);
  // Reads one entity: its kind must be known; one outside the mask is skipped
  // (answer 1), or refused in strict mode (answer 0).
  int litObjet(const ads_name objet);

  // Kinds read (bits of types_objets.h) and whether others are an error.
  void changeMasque(int32_t masque, bool strict);
  // The progress window to report to; empty: the walk opens its own ("OBJ").
  void changeIdentifiantProgression(std::string identifiant);
  const std::string& identifiantProgression() const { return identifiantProgression_; }

  // The entity being read: its data list, layer (8), handle (5), linetype (6), colour (62).
  const resbuf* liste() const { return liste_.get(); }
  const std::string& calque() const { return calque_; }
  const std::string& reference() const { return reference_; }
  const std::string& typeLigne() const { return typeLigne_; }
  int couleur() const { return couleur_; }

  // ---- Operations, one per kind.
  // The number of entities about to be read.
  virtual void nombreObjets(int32_t nombre);
  // Edge flags: group 70, 0 when absent.
  virtual int face3D(const Point3D coins[4], int aretes);
  virtual int arc(const Point3D& centre, double rayon, double angleDebut, double angleFin);
  virtual int cercle(const Point3D& centre, double rayon);
  virtual int insertion(const Point3D& point, const std::string& bloc, const Point3D& echelles,
                        double rotation);
  virtual int ligne(const Point3D& debut, const Point3D& fin);
  virtual int point(const Point3D& point);
  virtual int texte(const Point3D& point, const std::string& texte);
  // ATTRIB (and ATTDEF when `definition`): texts of groups 1, 2 and 3. The
  // attributes of a block insertion come here after its insertion().
  virtual int attribut(const Point3D& point, const std::string& valeur,
                       const std::string& etiquette, const std::string& invite, bool definition);
  // Points in world coordinates. Groups 70, 71 and 72 of the header.
  virtual int polyligne(int drapeaux, int nombreM, int nombreN,
                        const std::vector<SOMMET_LU>& sommets);
  virtual int polyligneLegere(int drapeaux, const std::vector<SOMMET_LU>& sommets);
  virtual int fenetreVue(const Point3D& centre);

 private:
  int32_t masque_;
  bool strict_;
  std::string identifiantProgression_;
  ListeResbuf liste_;
  std::string calque_ = "0", reference_, typeLigne_ = "continuous";
  int couleur_ = 256;
};

}  // namespace framework
