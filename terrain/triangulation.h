// The planimetric triangulation of the terrain mesher, computed by the Triangle
// library in a child process: Triangle ends its whole process when memory runs
// out or on an internal error, and the host must outlive both.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace terrain {

struct EntreeTriangulation {
  std::vector<double> xy;     // the points: x0, y0, x1, y1, ...
  std::vector<double> z;      // one attribute a point, interpolated at the points Triangle inserts
  std::vector<int> segments;  // constraints: pairs of point numbers, from 0
  // Triangle's switches (see triangle.h): p constraints, c convex hull,
  // A regional attributes, e edges, q quality (inserts points) ... "z" (numbers
  // from 0) and "Q" (quiet) are always added. Refused, as they break the result
  // below: r, v, N, E, j, o, h.
  std::string options = "pczAe";
};

// Every point Triangle returns, the input points first with their own numbers
// and then those it inserted, numbered from the input count up.
struct ResultatTriangulation {
  std::vector<double> xy;
  std::vector<double> z;
  std::vector<int> triangles;  // 3 point numbers a triangle, counterclockwise
  std::vector<int> aretes;     // 2 point numbers an edge, with the switch "e" only

  size_t nombrePoints() const { return z.size(); }
  size_t nombreTriangles() const { return triangles.size() / 3; }
  size_t nombreAretes() const { return aretes.size() / 2; }
};

struct OptionsTriangulation {
  // Address space, in bytes, that the child may take beyond what it inherits
  // from the caller; 0: no limit of its own.
  size_t memoireMaxOctets = 0;
};

// Triangulates `in` into `out`. False, with a French message in `erreur` and
// `out` untouched, on bad input or when the child fails: stopped by Triangle,
// killed, or handing back a short or inconsistent result. Fewer than three
// points, or all of them in one place, give a result without triangles.
// Triangle's own messages never reach the caller's standard output. Never throws.
bool trianguler(const EntreeTriangulation& in, ResultatTriangulation& out, std::string& erreur,
                const OptionsTriangulation& options = {});

}  // namespace terrain
