// The tabulation table of an alignment ("PTS-DE-TABULATION"): the stations
// that the AutoLISP programs computed along it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "road/objet_es.h"

namespace road {

// Tabulation points are compared by abscissa within this distance.
constexpr double kToleranceTabulation = 1e-6;
// The kind of a station that has no cross-section.
constexpr int32_t kKindSansProfil = -5;

struct POINT_TABULATION {
  double x = 0;
  double y = 0;
  double z = 0;
  double abscisse = 0;
  int32_t kind = 0;
  double valeur1 = 0;
  double valeur2 = 0;
};

class TABLE_TABULATION final : public OBJET_ES_COPIABLE<TABLE_TABULATION> {
 public:
  const char* identifiant() const override;
  bool ecrit(std::ostream& sortie) const override;
  bool ES(std::istream& entree, OBJET_ES* parent, std::string& anticipe) override;
  bool relisible() const override;

  const std::vector<POINT_TABULATION>& points() const { return points_; }
  size_t nombre() const { return points_.size(); }
  // The first point within kToleranceTabulation.
  const POINT_TABULATION* trouve(double abscisse) const;
  void ajoute(const POINT_TABULATION& point) { points_.push_back(point); }
  void decale(double distance) override;

 private:
  std::vector<POINT_TABULATION> points_;
};

}  // namespace road
