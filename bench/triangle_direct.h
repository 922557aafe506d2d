// The benchmarks' direct calls of Triangle, the floor the guarded call and the
// mesh build are measured against.
#pragma once
#include <triangle.h>

#include <initializer_list>

// What triangulate() hands back, freed as triangle.h says.
inline void libere(triangulateio& out) {
  for (void* p : {static_cast<void*>(out.pointlist), static_cast<void*>(out.pointattributelist),
                  static_cast<void*>(out.pointmarkerlist), static_cast<void*>(out.trianglelist),
                  static_cast<void*>(out.triangleattributelist),
                  static_cast<void*>(out.segmentlist), static_cast<void*>(out.segmentmarkerlist),
                  static_cast<void*>(out.edgelist), static_cast<void*>(out.edgemarkerlist)})
    if (p != nullptr) trifree(p);
}
