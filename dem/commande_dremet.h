// The command "dremet": the dialogs, then a window drawn as coloured 3D
// faces, lines, screen vectors or points, or a polyline draped on the data.
#pragma once

namespace dem {

void commandeDremet();

}  // namespace dem
