// A point in drawing units, as the entity reader and the output hand them
// around; .data() gives what the host's ads_point parameters take.
#pragma once
#include <array>

namespace framework {

using Point3D = std::array<double, 3>;

}  // namespace framework
