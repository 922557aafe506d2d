#include "landxml/lecture_landxml.h"

#include <sys/stat.h>

#include <cstdio>
#include <optional>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <pugixml.hpp>
#include <unordered_map>
#include <utility>

#include "landxml/arene_lecture.h"
#include "platform.h"

namespace landxml {
namespace {

using pugi::xml_node;

// The element's name without a namespace prefix.
bool estNomme(xml_node e, const char* nom) {
  const char* complet = e.name();
  const char* deuxPoints = std::strrchr(complet, ':');
  return std::strcmp(deuxPoints ? deuxPoints + 1 : complet, nom) == 0;
}

xml_node enfant(xml_node parent, const char* nom) {
  for (xml_node e = parent.first_child(); e; e = e.next_sibling())
    if (e.type() == pugi::node_element && estNomme(e, nom)) return e;
  return {};
}

// Every child element named `nom`, in order, until f answers false.
template <typename F>
bool pourEnfants(xml_node parent, const char* nom, F&& f) {
  for (xml_node e = parent.first_child(); e; e = e.next_sibling())
    if (e.type() == pugi::node_element && estNomme(e, nom) && !f(e)) return false;
  return true;
}

size_t compte(xml_node parent, const char* nom) {
  size_t n = 0;
  pourEnfants(parent, nom, [&](xml_node) { return ++n, true; });
  return n;
}

bool blanc(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Numbers separated by blanks, at most N; how many were read, or -1 for a
// text that holds anything else or more numbers.
template <typename T, size_t N>
int lisNombres(const char* texte, std::array<T, N>& valeurs) {
  const char* p = texte;
  const char* fin = texte + std::strlen(texte);
  int n = 0;
  for (;;) {
    while (p < fin && blanc(*p)) ++p;
    if (p == fin) return n;
    if (n == static_cast<int>(N)) return -1;
    if (*p == '+') ++p;  // from_chars takes no plus sign
    const std::from_chars_result r = std::from_chars(p, fin, valeurs[static_cast<size_t>(n)]);
    if (r.ec != std::errc() || (r.ptr < fin && !blanc(*r.ptr))) return -1;
    p = r.ptr;
    ++n;
  }
}

// Point numbers to their place in the surface: a table when the numbers are
// about as many as the points (the usual 1 ... n), a hash table otherwise.
class NUMEROS_POINTS {
 public:
  // False when a number is there twice (its value in `double_`).
  bool construit(const std::vector<uint32_t>& numeros) {
    const uint32_t plusGrand =
        numeros.empty() ? 0 : *std::max_element(numeros.begin(), numeros.end());
    dense_ = plusGrand <= 2 * numeros.size() + 1024;
    if (dense_) {
      reserveEnPagesLarges(table_, static_cast<size_t>(plusGrand) + 1);
      table_.assign(static_cast<size_t>(plusGrand) + 1, kAbsent);
    }
    for (uint32_t k = 0; k < numeros.size(); ++k) {
      const bool nouveau = dense_ ? std::exchange(table_[numeros[k]], k) == kAbsent
                                  : hachage_.emplace(numeros[k], k).second;
      if (!nouveau) {
        double_ = numeros[k];
        return false;
      }
    }
    return true;
  }
  uint32_t place(uint64_t numero) const {
    if (numero > std::numeric_limits<uint32_t>::max()) return kAbsent;
    if (dense_) return numero < table_.size() ? table_[numero] : kAbsent;
    const auto it = hachage_.find(static_cast<uint32_t>(numero));
    return it == hachage_.end() ? kAbsent : it->second;
  }
  uint32_t enDouble() const { return double_; }

  static constexpr uint32_t kAbsent = std::numeric_limits<uint32_t>::max();

 private:
  bool dense_ = true;
  std::vector<uint32_t> table_;
  std::unordered_map<uint32_t, uint32_t> hachage_;
  uint32_t double_ = 0;
};

class LECTEUR_SURFACE {
 public:
  LECTEUR_SURFACE(xml_node surface, size_t rang, const char* texte, std::string& erreur)
      : texte_(texte), erreur_(erreur) {
    const char* nom = surface.attribute("name").value();
    surface_.nom = *nom ? nom : "Surface " + std::to_string(rang);
    definition_ = enfant(surface, "Definition");
  }

  bool lis() {
    if (!definition_) return true;  // a surface of source data only: nothing to draw
    std::vector<uint32_t> numeros;
    const xml_node pnts = enfant(definition_, "Pnts"), faces = enfant(definition_, "Faces");
    // Sized once: growing by doubling would touch every page twice.
    const size_t nPoints = compte(pnts, "P");
    reserveEnPagesLarges(numeros, nPoints);
    reserveEnPagesLarges(surface_.points, nPoints);
    reserveEnPagesLarges(surface_.faces, compte(faces, "F"));
    if (!pourEnfants(pnts, "P", [&](xml_node p) { return point(p, numeros); })) return false;
    if (!numeros_.construit(numeros))
      return echec(definition_, "point " + std::to_string(numeros_.enDouble()) + " en double");
    return pourEnfants(faces, "F", [&](xml_node f) { return face(f); });
  }

  SURFACE_LUE&& surface() { return std::move(surface_); }

 private:
  // The line of an element, counted only when a message needs it.
  size_t ligne(xml_node e) const {
    const ptrdiff_t decalage = e.offset_debug();
    return 1 +
           static_cast<size_t>(std::count(texte_, texte_ + std::max<ptrdiff_t>(decalage, 0), '\n'));
  }

  bool echec(xml_node e, const std::string& quoi) {
    erreur_ = "LandXML : " + quoi + " dans la surface \"" + surface_.nom + "\" (ligne " +
              std::to_string(ligne(e)) + ")";
    return false;
  }

  bool point(xml_node p, std::vector<uint32_t>& numeros) {
    const char* id = p.attribute("id").value();
    const char* finId = id + std::strlen(id);
    uint32_t numero = 0;
    const std::from_chars_result r = std::from_chars(id, finId, numero);
    if (r.ec != std::errc() || r.ptr != finId || numero == 0)
      return echec(p, "point sans numéro valable");
    std::array<double, 3> v{};
    if (lisNombres(p.child_value(), v) != 3 || !std::isfinite(v[0]) || !std::isfinite(v[1]) ||
        !std::isfinite(v[2]))
      return echec(p,
                   "point " + std::to_string(numero) + " mal formé (nord est altitude attendus)");
    numeros.push_back(numero);
    surface_.points.push_back({v[1], v[0], v[2]});
    return true;
  }

  bool face(xml_node f) {
    // An invisible face lies outside the surface's boundary.
    if (f.attribute("i").as_int(0) == 1) return true;
    std::array<uint64_t, 4> ids{};
    const int n = lisNombres(f.child_value(), ids);
    if (n != 3 && n != 4) return echec(f, "face mal formée (trois ou quatre points attendus)");
    std::array<uint32_t, 4> coins{};
    for (size_t k = 0; k < static_cast<size_t>(n); ++k) {
      coins[k] = numeros_.place(ids[k]);
      if (coins[k] == NUMEROS_POINTS::kAbsent)
        return echec(f, "face sur le point " + std::to_string(ids[k]) + ", absent");
    }
    if (n == 3) coins[3] = coins[2];
    surface_.faces.push_back(coins);
    return true;
  }

  const char* texte_;
  std::string& erreur_;
  SURFACE_LUE surface_;
  xml_node definition_;
  NUMEROS_POINTS numeros_;
};

// The document in `tampon`, parsed in place. Lines are counted in it as
// parsed: the parser ends names and values where they end, so its line ends
// stay where they were.
std::optional<std::vector<SURFACE_LUE>> analyse(char* tampon, size_t taille, std::string& erreur) {
  const char* const original = tampon;
  // Only the five predefined entities and character references are replaced:
  // a document type is skipped, its entities never expanded. Line ends and
  // blanks in attributes are left as they are: the numbers' reader takes any blank.
  // An element's lone text is kept in the element: half as many nodes.
  constexpr unsigned kOptions =
      pugi::parse_minimal | pugi::parse_escapes | pugi::parse_cdata | pugi::parse_embed_pcdata;
  pugi::xml_document document;
  const pugi::xml_parse_result lu =
      document.load_buffer_inplace(tampon, taille, kOptions, pugi::encoding_utf8);
  if (lu.status == pugi::status_out_of_memory) {
    erreur = "LandXML : mémoire insuffisante pour lire le document";
    return std::nullopt;
  }
  if (!lu) {
    const size_t jusque = std::min(taille, static_cast<size_t>(std::max<ptrdiff_t>(lu.offset, 0)));
    erreur = "LandXML : document XML mal formé (ligne " +
             std::to_string(1 + std::count(original, original + jusque, '\n')) + ")";
    return std::nullopt;
  }
  const xml_node racine = document.document_element();
  if (!racine || !estNomme(racine, "LandXML")) {
    erreur = "LandXML : l'élément racine n'est pas LandXML";
    return std::nullopt;
  }
  std::vector<SURFACE_LUE> surfaces;
  const bool ok = pourEnfants(racine, "Surfaces", [&](xml_node liste) {
    return pourEnfants(liste, "Surface", [&](xml_node s) {
      LECTEUR_SURFACE lecteur(s, surfaces.size() + 1, original, erreur);
      if (!lecteur.lis()) return false;
      surfaces.push_back(lecteur.surface());
      return true;
    });
  });
  if (!ok) return std::nullopt;
  if (surfaces.empty()) {
    erreur = "LandXML : aucune surface dans le document";
    return std::nullopt;
  }
  return surfaces;
}

// Room for the text and for its tree: an element takes at most about sixteen
// times the bytes of its text once parsed.
size_t capaciteArene(size_t taille) {
  return taille < (size_t{1} << 40) ? 24 * taille + (size_t{1} << 20) : 0;
}

}  // namespace

std::optional<std::vector<SURFACE_LUE>> lisSurfaces(const char* texte, size_t taille,
                                                    std::string& erreur) {
  ARENE_LECTURE arene(capaciteArene(taille));
  std::string secours;
  char* tampon = static_cast<char*>(arene.alloue(taille + 1));
  if (!tampon) {
    secours.assign(texte, taille);
    tampon = secours.data();
  } else {
    std::copy(texte, texte + taille, tampon);
  }
  std::optional<ALLOCATION_XML> allocation;
  if (arene.reservee()) allocation.emplace(arene);
  return analyse(tampon, taille, erreur);
}

std::optional<std::vector<SURFACE_LUE>> lisFichierSurfaces(const std::string& chemin,
                                                           std::string& erreur) {
  const std::string systeme = platform::systemPath(chemin);
  std::FILE* f = std::fopen(systeme.c_str(), "rb");
  struct stat etat {};
  const bool fichier = f && ::fstat(::fileno(f), &etat) == 0 && S_ISREG(etat.st_mode);
  const long long taille = fichier ? static_cast<long long>(etat.st_size) : -1;
  if (!fichier || taille < 0) {
    if (f) std::fclose(f);
    erreur = "LandXML : lecture impossible de " + chemin;
    return std::nullopt;
  }
  const size_t n = static_cast<size_t>(taille);
  ARENE_LECTURE arene(capaciteArene(n));
  std::string secours;
  char* tampon = static_cast<char*>(arene.alloue(n + 1));
  if (!tampon) {
    secours.resize(n);
    tampon = secours.data();
  }
  const size_t lus = std::fread(tampon, 1, n, f);
  const bool lu = lus == n && !std::ferror(f);
  std::fclose(f);
  if (!lu) {
    erreur = "LandXML : lecture impossible de " + chemin;
    return std::nullopt;
  }
  std::optional<ALLOCATION_XML> allocation;
  if (arene.reservee()) allocation.emplace(arene);
  return analyse(tampon, n, erreur);
}

}  // namespace landxml
