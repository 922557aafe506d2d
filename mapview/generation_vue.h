// Building a view of a territory in the current drawing through the mapping
// service: drive aliases, the source drawings to attach and activate, a
// location query over a boundary polygon, and the detach afterwards.
#pragma once
#include <string>
#include <vector>

#include "framework/point_3d.h"

namespace mapview {

// Trace lines ("\n<label> <value>") when on; module-wide, off at start.
bool& modeDebug();

// Alias list "NAME&path;NAME2&path2"; drawing list "ALIAS:\dir\a.dxf;...".
void prepare(const std::string& alias, const std::string& dessins);
void genere(const std::string& alias, const std::string& dessins,
            const std::vector<framework::Point3D>& limite);

// The parts, as the two above use them.
void metAJourAlias(const std::string& alias);
inline constexpr int kAttache = 1;
inline constexpr int kActive = 2;
inline constexpr int kDetache = 4;
void controleDessins(const std::string& dessins, int options);

}  // namespace mapview
