// Reading the groups of an entity's data list, with the value a missing group stands for.
#pragma once
#include <string>

#include "adsdef.h"
#include "framework/point_3d.h"

namespace framework {

inline const resbuf* groupeDxf(const resbuf* liste, int code) {
  for (; liste; liste = liste->rbnext)
    if (liste->restype == code) return liste;
  return nullptr;
}

inline Point3D pointDxf(const resbuf* liste, int code, const Point3D& defaut = {0, 0, 0}) {
  const resbuf* g = groupeDxf(liste, code);
  if (!g) return defaut;
  return {g->resval.rpoint[0], g->resval.rpoint[1], g->resval.rpoint[2]};
}

inline double reelDxf(const resbuf* liste, int code, double defaut = 0) {
  const resbuf* g = groupeDxf(liste, code);
  return g ? g->resval.rreal : defaut;
}

// Groups 60-79 carry short integers, 90-99 32-bit ones.
inline int entierDxf(const resbuf* liste, int code, int defaut = 0) {
  const resbuf* g = groupeDxf(liste, code);
  if (!g) return defaut;
  return code >= 90 && code <= 99 ? g->resval.rlong : g->resval.rint;
}

inline std::string texteDxf(const resbuf* liste, int code, const char* defaut = "") {
  const resbuf* g = groupeDxf(liste, code);
  return g && g->resval.rstring ? g->resval.rstring : defaut;
}

}  // namespace framework
