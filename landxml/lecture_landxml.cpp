#include "landxml/lecture_landxml.h"

#include <tinyxml2.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <unordered_map>
#include <utility>

namespace landxml {
namespace {

using tinyxml2::XMLElement;

// The element's name without a namespace prefix.
bool estNomme(const XMLElement* e, const char* nom) {
  const char* complet = e->Name();
  const char* deuxPoints = std::strrchr(complet, ':');
  return std::strcmp(deuxPoints ? deuxPoints + 1 : complet, nom) == 0;
}

const XMLElement* enfant(const XMLElement* parent, const char* nom) {
  for (const XMLElement* e = parent ? parent->FirstChildElement() : nullptr; e;
       e = e->NextSiblingElement())
    if (estNomme(e, nom)) return e;
  return nullptr;
}

// Every child named `nom`, in order.
template <typename F>
void pourEnfants(const XMLElement* parent, const char* nom, F&& f) {
  for (const XMLElement* e = parent ? parent->FirstChildElement() : nullptr; e;
       e = e->NextSiblingElement())
    if (estNomme(e, nom) && !f(e)) return;
}

// Numbers separated by blanks, at most `n`; how many were read, or -1 for a
// text that holds anything else or more numbers.
template <typename T, size_t N>
int lisNombres(const char* texte, std::array<T, N>& valeurs) {
  if (!texte) return 0;
  const char* p = texte;
  const char* fin = texte + std::strlen(texte);
  int n = 0;
  for (;;) {
    while (p < fin && (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r')) ++p;
    if (p == fin) return n;
    if (n == static_cast<int>(N)) return -1;
    if (*p == '+') ++p;  // from_chars takes no plus sign
    const std::from_chars_result r = std::from_chars(p, fin, valeurs[static_cast<size_t>(n)]);
    if (r.ec != std::errc() || (r.ptr < fin && *r.ptr != ' ' && *r.ptr != '\t' &&
                                *r.ptr != '\n' && *r.ptr != '\r'))
      return -1;
    p = r.ptr;
    ++n;
  }
}

class LECTEUR_SURFACE {
 public:
  LECTEUR_SURFACE(const XMLElement* surface, size_t rang, std::string& erreur)
      : erreur_(erreur) {
    const char* nom = surface->Attribute("name");
    surface_.nom = nom && *nom ? nom : "Surface " + std::to_string(rang);
    definition_ = enfant(surface, "Definition");
  }

  bool lis() {
    if (!definition_) return true;  // a surface of source data only: nothing to draw
    const XMLElement* pnts = enfant(definition_, "Pnts");
    const XMLElement* faces = enfant(definition_, "Faces");
    bool ok = true;
    pourEnfants(pnts, "P", [&](const XMLElement* p) { return ok = point(p); });
    if (!ok) return false;
    pourEnfants(faces, "F", [&](const XMLElement* f) { return ok = face(f); });
    return ok;
  }

  SURFACE_LUE&& surface() { return std::move(surface_); }

 private:
  bool echec(const XMLElement* e, const std::string& quoi) {
    erreur_ = "LandXML : " + quoi + " dans la surface \"" + surface_.nom + "\" (ligne " +
              std::to_string(e->GetLineNum()) + ")";
    return false;
  }

  bool point(const XMLElement* p) {
    int64_t id = 0;
    std::array<double, 3> v{};
    if (p->QueryInt64Attribute("id", &id) != tinyxml2::XML_SUCCESS || id <= 0 ||
        id > std::numeric_limits<uint32_t>::max())
      return echec(p, "point sans numéro valable");
    if (lisNombres(p->GetText(), v) != 3 || !std::isfinite(v[0]) || !std::isfinite(v[1]) ||
        !std::isfinite(v[2]))
      return echec(p, "point " + std::to_string(id) + " mal formé (nord est altitude attendus)");
    if (!indices_.emplace(static_cast<uint32_t>(id), surface_.points.size()).second)
      return echec(p, "point " + std::to_string(id) + " en double");
    surface_.points.push_back({v[1], v[0], v[2]});
    return true;
  }

  bool face(const XMLElement* f) {
    // An invisible face lies outside the surface's boundary.
    if (f->IntAttribute("i", 0) == 1) return true;
    std::array<uint64_t, 4> ids{};
    const int n = lisNombres(f->GetText(), ids);
    if (n != 3 && n != 4) return echec(f, "face mal formée (trois ou quatre points attendus)");
    std::array<uint32_t, 4> coins{};
    for (int k = 0; k < n; ++k) {
      const auto it = ids[static_cast<size_t>(k)] <= std::numeric_limits<uint32_t>::max()
                          ? indices_.find(static_cast<uint32_t>(ids[static_cast<size_t>(k)]))
                          : indices_.end();
      if (it == indices_.end())
        return echec(f, "face sur le point " + std::to_string(ids[static_cast<size_t>(k)]) +
                            ", absent");
      coins[static_cast<size_t>(k)] = it->second;
    }
    if (n == 3) coins[3] = coins[2];
    surface_.faces.push_back(coins);
    return true;
  }

  std::string& erreur_;
  SURFACE_LUE surface_;
  const XMLElement* definition_ = nullptr;
  std::unordered_map<uint32_t, uint32_t> indices_;
};

}  // namespace

std::optional<std::vector<SURFACE_LUE>> lisSurfaces(const char* texte, size_t taille,
                                                    std::string& erreur) {
  // Only the five predefined entities and character references are known to
  // the parser: a document type's entities are never expanded.
  tinyxml2::XMLDocument document(true, tinyxml2::COLLAPSE_WHITESPACE);
  if (document.Parse(texte, taille) != tinyxml2::XML_SUCCESS) {
    erreur = "LandXML : document XML mal formé (ligne " + std::to_string(document.ErrorLineNum()) +
             ")";
    return std::nullopt;
  }
  const XMLElement* racine = document.RootElement();
  if (!racine || !estNomme(racine, "LandXML")) {
    erreur = "LandXML : l'élément racine n'est pas LandXML";
    return std::nullopt;
  }
  std::vector<SURFACE_LUE> surfaces;
  bool ok = true;
  pourEnfants(racine, "Surfaces", [&](const XMLElement* liste) {
    pourEnfants(liste, "Surface", [&](const XMLElement* s) {
      LECTEUR_SURFACE lecteur(s, surfaces.size() + 1, erreur);
      if (!(ok = lecteur.lis())) return false;
      surfaces.push_back(lecteur.surface());
      return true;
    });
    return ok;
  });
  if (!ok) return std::nullopt;
  if (surfaces.empty()) {
    erreur = "LandXML : aucune surface dans le document";
    return std::nullopt;
  }
  return surfaces;
}

}  // namespace landxml
