#include "framework/types_objets.h"

#include <strings.h>

#include <string>

namespace framework {
namespace {

constexpr NOM_TYPE_OBJET kNoms[] = {
    {"3DFACE", kObjetFace3D},       {"ARC", kObjetArc},
    {"ATTRIB", kObjetAttribut},     {"ATTDEF", kObjetDefinitionAttribut},
    {"CIRCLE", kObjetCercle},       {"INSERT", kObjetInsertion},
    {"LINE", kObjetLigne},          {"POINT", kObjetPoint},
    {"POLYLINE", kObjetPolyligne},  {"LWPOLYLINE", kObjetPolyligneLegere},
    {"TEXT", kObjetTexte},          {"VERTEX", kObjetSommet},
    {"VIEWPORT", kObjetFenetreVue},
};

}  // namespace

std::span<const NOM_TYPE_OBJET> nomsTypesObjets() { return kNoms; }

int32_t bitTypeObjet(std::string_view nom) {
  const std::string texte(nom);
  for (const NOM_TYPE_OBJET& t : kNoms)
    if (strcasecmp(t.nom, texte.c_str()) == 0) return t.bit;
  return 0;
}

const char* nomTypeObjet(int32_t bit) {
  for (const NOM_TYPE_OBJET& t : kNoms)
    if (t.bit == bit) return t.nom;
  return nullptr;
}

}  // namespace framework
