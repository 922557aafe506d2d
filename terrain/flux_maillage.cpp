#include "terrain/flux_maillage.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <istream>
#include <ostream>
#include <vector>

#include "terrain/maillage.h"

namespace terrain {

namespace {

constexpr uint32_t kVersion = 1;

void ecritU32(std::ostream& o, uint32_t v) {
  const std::array<char, 4> octets{static_cast<char>(v), static_cast<char>(v >> 8),
                                   static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
  o.write(octets.data(), 4);
}

void ecritReel(std::ostream& o, double v) {
  const uint64_t bits = std::bit_cast<uint64_t>(v);
  std::array<char, 8> octets;
  for (int k = 0; k < 8; ++k) octets[static_cast<size_t>(k)] = static_cast<char>(bits >> (8 * k));
  o.write(octets.data(), 8);
}

bool litU32(std::istream& in, uint32_t& v) {
  unsigned char octets[4];
  if (!in.read(reinterpret_cast<char*>(octets), 4)) return false;
  v = octets[0] | (uint32_t{octets[1]} << 8) | (uint32_t{octets[2]} << 16) |
      (uint32_t{octets[3]} << 24);
  return true;
}

bool litReel(std::istream& in, double& v) {
  unsigned char octets[8];
  if (!in.read(reinterpret_cast<char*>(octets), 8)) return false;
  uint64_t bits = 0;
  for (int k = 7; k >= 0; --k) bits = (bits << 8) | octets[k];
  v = std::bit_cast<double>(bits);
  return true;
}

}  // namespace

bool ecritMaillage(MAILLAGE& maillage, std::ostream& sortie) {
  maillage.numerote();
  ecritU32(sortie, kVersion);
  ecritU32(sortie, static_cast<uint32_t>(maillage.points().size()));
  ecritU32(sortie, static_cast<uint32_t>(maillage.segments().size()));
  ecritU32(sortie, static_cast<uint32_t>(maillage.triangles().size()));
  for (const PT_MAILLE* p : ordreDeListe(maillage.points())) {
    ecritReel(sortie, p->x);
    ecritReel(sortie, p->y);
    ecritReel(sortie, p->z);
  }
  for (const SEG_MAILLE* s : ordreDeListe(maillage.segments())) {
    ecritU32(sortie, static_cast<uint32_t>(s->a->numero));
    ecritU32(sortie, static_cast<uint32_t>(s->b->numero));
  }
  for (const TRI_MAILLE* t : ordreDeListe(maillage.triangles()))
    for (const PT_MAILLE* p : t->p) ecritU32(sortie, static_cast<uint32_t>(p->numero));
  return static_cast<bool>(sortie);
}

bool litMaillage(MAILLAGE& maillage, std::istream& entree, std::string& erreur) {
  uint32_t version = 0, nPoints = 0, nSegments = 0, nTriangles = 0;
  if (!litU32(entree, version)) {
    erreur = "Flux de maillage illisible : vide ou tronqué";
    return false;
  }
  if (version != kVersion) {
    erreur = "Version du maillage incompatible";
    return false;
  }
  if (!litU32(entree, nPoints) || !litU32(entree, nSegments) || !litU32(entree, nTriangles)) {
    erreur = "Flux de maillage illisible : en-tête tronqué";
    return false;
  }
  // Items are kept as they are read, so that memory follows the data present
  // and not the counts announced.
  std::vector<VECTEUR> points;
  for (uint32_t k = 0; k < nPoints; ++k) {
    VECTEUR p;
    if (!litReel(entree, p.x) || !litReel(entree, p.y) || !litReel(entree, p.z)) {
      erreur = "Flux de maillage illisible : " + std::to_string(nPoints) + " points annoncés, " +
               std::to_string(k) + " présents";
      return false;
    }
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) {
      erreur = "Flux de maillage illisible : coordonnée non finie au point " + std::to_string(k);
      return false;
    }
    points.push_back(p);
  }
  auto lisNumeros = [&](uint32_t nombre, size_t parItem, const char* quoi,
                        std::vector<uint32_t>& numeros) {
    for (uint32_t k = 0; k < nombre; ++k)
      for (size_t c = 0; c < parItem; ++c) {
        uint32_t n = 0;
        if (!litU32(entree, n)) {
          erreur = std::string("Flux de maillage illisible : ") + std::to_string(nombre) + " " +
                   quoi + " annoncés, " + std::to_string(k) + " présents";
          return false;
        }
        if (n >= nPoints) {
          erreur = std::string("Flux de maillage illisible : numéro de point ") +
                   std::to_string(n) + " hors de 0.." + std::to_string(nPoints) + " dans les " +
                   quoi;
          return false;
        }
        numeros.push_back(n);
      }
    return true;
  };
  std::vector<uint32_t> segments, triangles;
  if (!lisNumeros(nSegments, 2, "segments", segments) ||
      !lisNumeros(nTriangles, 3, "triangles", triangles))
    return false;

  maillage.vide();
  std::vector<PT_MAILLE*> parNumero;
  parNumero.reserve(points.size());
  for (const VECTEUR& p : points) parNumero.push_back(maillage.ajoutePoint(p));
  for (size_t k = 0; k + 1 < segments.size(); k += 2)
    maillage.ajouteSegment(parNumero[segments[k]], parNumero[segments[k + 1]]);
  for (size_t k = 0; k + 2 < triangles.size(); k += 3)
    maillage.ajouteTriangle(parNumero[triangles[k]], parNumero[triangles[k + 1]],
                            parNumero[triangles[k + 2]]);
  maillage.construitGrille(true);
  return true;
}

}  // namespace terrain
