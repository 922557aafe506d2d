// The entity kinds the selection walk knows, each with its bit in a type mask.
#pragma once
#include <cstdint>
#include <span>
#include <string_view>

namespace framework {

enum BitTypeObjet : int32_t {
  kObjetFace3D = 1,
  kObjetArc = 2,
  kObjetAttribut = 4,
  kObjetCercle = 8,
  kObjetInsertion = 16,
  kObjetLigne = 32,
  kObjetPoint = 64,
  kObjetPolyligne = 128,
  kObjetPolyligneLegere = 256,
  kObjetTexte = 512,
  kObjetSommet = 1024,
  kObjetFenetreVue = 2048,
  kObjetDefinitionAttribut = 4096,
};
constexpr int32_t kTousObjets = 8191;

struct NOM_TYPE_OBJET {
  const char* nom;
  int32_t bit;
};

// Every kind by name, VERTEX included (the walk has no handler for it).
std::span<const NOM_TYPE_OBJET> nomsTypesObjets();
// The bit of a type name (case-insensitive), 0 when unknown.
int32_t bitTypeObjet(std::string_view nom);
// The type name of one bit, nullptr when no kind has it.
const char* nomTypeObjet(int32_t bit);

}  // namespace framework
