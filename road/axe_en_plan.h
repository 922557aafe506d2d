// One alignment of the project: its header fields and its child records, at
// most one of each kind, kept in file order.
#pragma once
#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "framework/point_3d.h"
#include "road/classes.h"
#include "road/objet_es.h"

namespace road {

class AXE_EN_PLAN final : public OBJET_ES_COPIABLE<AXE_EN_PLAN> {
 public:
  AXE_EN_PLAN() = default;
  // Deep copies: every child is duplicated.
  AXE_EN_PLAN(const AXE_EN_PLAN& autre);
  AXE_EN_PLAN& operator=(const AXE_EN_PLAN& autre);
  ~AXE_EN_PLAN() override;

  const char* identifiant() const override;
  // The tag line, the header line with its optional trailer, then the children.
  bool ecrit(std::ostream& sortie) const override;
  // The header and the children; hands "ID-AXE-EN-PLAN" back through
  // `anticipe` to the project. False when the header itself is incomplete.
  bool ES(std::istream& entree, OBJET_ES* parent, std::string& anticipe) override;
  bool relisible() const override;

  // Children. The typed accessors make an empty child at the end of the list
  // when `cree` is set and there is none of that kind.
  OBJET_ES* trouveEnfant(std::string_view tag) const;
  OBJET_ES* ajouteEnfant(std::unique_ptr<OBJET_ES> enfant);
  // Takes the child out of the list; the caller keeps or drops it.
  std::unique_ptr<OBJET_ES> retireEnfant(const OBJET_ES* enfant);
  const std::vector<std::unique_ptr<OBJET_ES>>& enfants() const { return enfants_; }

  ELM_ELMAXEPLAN* elements(bool cree = false);
  AXE_EN_LONG* axesEnLong(bool cree = false);
  POINTS_AXE3D* pointsAxe3d(bool cree = false);
  PROFILS_EN_TRAVERS* profils(bool cree = false);
  EPAIS_STRUCTURE* epaisseurs(bool cree = false);
  CONSTRUCTION_PROFIL* construction(bool cree = false);
  TABLE_TABULATION* tabulation(bool cree = false);
  TABLE_CUBATURES* cubatures(bool cree = false);
  const ELM_ELMAXEPLAN* elements() const;
  const AXE_EN_LONG* axesEnLong() const;
  const POINTS_AXE3D* pointsAxe3d() const;
  const PROFILS_EN_TRAVERS* profils() const;
  const EPAIS_STRUCTURE* epaisseurs() const;
  const CONSTRUCTION_PROFIL* construction() const;
  const TABLE_TABULATION* tabulation() const;
  const TABLE_CUBATURES* cubatures() const;

  // Counts taken from the children (0 when the child is missing).
  int32_t nombreElements() const;
  int32_t nombrePointsTabulation() const;
  int32_t nombreProfils() const;
  int32_t nombreAxesEnLong() const;
  int32_t nombrePointsAxe3d() const;

  // Moves the alignment's abscissas and those of its 3D points,
  // cross-sections, construction and tabulation entries by d.
  void decale(double d) override;

  // Header fields. Texts are written as bare words: they must be set and
  // hold no blank (the road API sees to it).
  std::string nom;                  // NMAXE-P
  double abscisseDebut = 0;         // ABSCD
  double abscisseFin = 0;           // ABSCF
  int32_t premierProfil = 0;        // PREMPROF
  std::string planConstruction;     // PLAN-CONS
  int32_t nombreElementsDonne = 0;  // NB-EAXP, as supplied at creation
  framework::Point3D basGauche{};   // PBG-ZE
  framework::Point3D hautDroit{};   // PHD-ZE
  std::string vitesseReference;     // VIT-REF
  std::optional<std::string> profilLongActif;

  // Counts found in the header when read; never used, the children count.
  int32_t nombrePointsTabulationLu = 0;
  int32_t nombreProfilsLu = 0;
  int32_t nombreAxesEnLongLu = 0;
  int32_t nombrePointsAxe3dLu = 0;

 private:
  template <class T>
  T* enfantType(const char* tag, bool cree);
  template <class T>
  const T* enfantType(const char* tag) const;
  void copieChamps(const AXE_EN_PLAN& autre);

  std::vector<std::unique_ptr<OBJET_ES>> enfants_;
};

}  // namespace road
