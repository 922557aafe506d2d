// Reading numbers and points typed as text ("12.5", "1,2", "@3,4,0"), in the
// C locale whatever the user's.
#pragma once
#include <string_view>

namespace host {

bool parseNumberText(std::string_view text, double& out);
bool parseIntegerText(std::string_view text, long long& out);

// "x,y[,z]" (z = 0 when absent); "@dx,dy[,dz]" relative to `base` when one is
// given ("@" alone is the base itself).
bool parsePointText(std::string_view text, const double* base, double out[3]);

}  // namespace host
