// The TIN surfaces of a LandXML document, checked whole before anyone uses
// them: a document that is not well-formed LandXML, or a surface whose points
// or faces do not hold together, gives a French message and no surface.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace landxml {

struct POINT_LU {
  double x, y, z;
};

struct SURFACE_LUE {
  std::string nom;
  std::vector<POINT_LU> points;
  // Indices into `points`; the fourth repeats the third for a triangle.
  std::vector<std::array<uint32_t, 4>> faces;
};

std::optional<std::vector<SURFACE_LUE>> lisSurfaces(const char* texte, size_t taille,
                                                    std::string& erreur);
// The same, straight from a file (a large document is never copied).
std::optional<std::vector<SURFACE_LUE>> lisFichierSurfaces(const std::string& chemin,
                                                           std::string& erreur);

}  // namespace landxml
