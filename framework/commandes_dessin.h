// The drawing-file commands of every framework module: save the drawing, open
// one, make a new one from the client's template, each in the current
// client's directory.
#pragma once
#include <cstdint>

struct resbuf;

namespace framework {

// "c:sauvedwg": a save-file dialog, then the host's "_saveas".
resbuf* commandeSauveDwg(int32_t);
// The application-context commands "ouvredwg" and "nouvtopo".
void ouvreDessin();
void nouveauDessinTopo();

}  // namespace framework
