// What every road API function shares: the LISP arguments of the running
// call, and the project of CHEMINOM opened for it.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/liste_resbuf.h"
#include "framework/point_3d.h"
#include "road/projet_talvex.h"

struct resbuf;

namespace road::api {

// The LISP arguments of the running call, top-level items by position (a
// list or a dotted pair is one item).
class ArgumentsAppel {
 public:
  ArgumentsAppel();
  size_t nombre() const { return items_.size(); }
  std::optional<std::string> texte(size_t i) const;         // a string only
  std::optional<int32_t> entier(size_t i) const;            // an integer only
  std::optional<double> reel(size_t i) const;               // any number
  std::optional<double> reelSeul(size_t i) const;           // a real only
  std::optional<framework::Point3D> point(size_t i) const;  // a 2D or 3D point
  // A list whose every element is a point (nil is the empty list); none for
  // anything else.
  std::optional<std::vector<framework::Point3D>> listePoints(size_t i) const;

 private:
  framework::ListeResbuf liste_;
  std::vector<const resbuf*> items_;
};

// The project of CHEMINOM, loaded (terrain settings published).
std::unique_ptr<PROJETTALVEX> ouvreProjet();

}  // namespace road::api
