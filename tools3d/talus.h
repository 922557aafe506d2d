// Slope hatching between a crest line and its toe lines: the stations along
// the crest, the toe point each one reaches, and the four-line hatch pattern.
#pragma once
#include <cstddef>
#include <utility>
#include <vector>

#include "framework/point_3d.h"

namespace tools3d {

using framework::Point3D;

// A station on the crest and the segment (from vertex `segment`) it lies on.
struct STATION_CRETE {
  Point3D point{};
  size_t segment = 0;
  // Unit plan vector along the crest at the station.
  double dx = 1, dy = 0;
};

// One hatch line: crest point, toe point and their plan distance.
struct STATION_TALUS {
  Point3D crete{};
  Point3D pied{};
  double longueurPlan = 0;
};

// A toe polyline, as its vertices.
using PIED_TALUS = std::vector<Point3D>;
using LIGNE_3D = std::pair<Point3D, Point3D>;

// Station spacing in drawing units for a scale denominator (500 for 1:500).
double pasStations(int echelle);

// Stations every `pas` along the crest, measured in plan, from its first
// vertex; none beyond its last vertex. A station on a vertex takes the
// direction of the segment that starts there (the last one at the end).
std::vector<STATION_CRETE> stationsCrete(const std::vector<Point3D>& crete, double pas);

// The nearest toe point across the crest from the station (probe 10,000
// units on each side), z interpolated along the toe segment; none when no
// toe segment is met. Equally near points: the first toe, the first segment.
bool piedLePlusProche(const STATION_CRETE& station, const std::vector<PIED_TALUS>& pieds,
                      STATION_TALUS& resultat);

// The hatch lines of the stations, with the length unit `unite` (> 0).
std::vector<LIGNE_3D> lignesHachures(const std::vector<STATION_TALUS>& stations, double unite);

}  // namespace tools3d
