// The 3D axis points of an alignment: per abscissa a value and three points.
#pragma once
#include <array>
#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "framework/point_3d.h"
#include "road/objet_es.h"

namespace road {

struct POINT_AXE3D {
  double abscisse = 0;
  double valeur = 0;
  std::array<framework::Point3D, 3> points{};

  bool operator==(const POINT_AXE3D&) const = default;
};

class POINTS_AXE3D final : public OBJET_ES_COPIABLE<POINTS_AXE3D> {
 public:
  const char* identifiant() const override;
  bool ecrit(std::ostream& sortie) const override;
  // Reads entries while the next character starts a number; the tag that
  // follows stays in the stream.
  bool ES(std::istream& entree, OBJET_ES* parent, std::string& anticipe) override;
  bool relisible() const override;

  void ajoute(const POINT_AXE3D& point) { points_.push_back(point); }
  // Moves every abscissa by d.
  void decale(double d) override;
  int32_t nombre() const;
  const std::vector<POINT_AXE3D>& points() const { return points_; }
  std::vector<POINT_AXE3D>& points() { return points_; }

 private:
  std::vector<POINT_AXE3D> points_;
};

}  // namespace road
