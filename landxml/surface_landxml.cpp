#include <string>
#include <unordered_map>
#include <vector>

#include "landxml/parties_landxml.h"
#include "landxml/texte_coordonnees.h"
#include "landxml/texte_xml.h"
#include "terrain/maillage.h"

namespace landxml {
namespace {

using terrain::PT_MAILLE;
using terrain::SEG_MAILLE;

// LandXML lists a position as northing, easting, elevation.
TEXTE_COORDONNEES coordonnees(const PT_MAILLE& p) { return {p.y, p.x, p.z}; }

// The mesh's segments as polylines: each run goes from an end or a junction
// to the next one; what is left are closed rings.
std::vector<std::vector<const PT_MAILLE*>> chaineSegments(const terrain::MAILLAGE& maillage) {
  std::vector<const SEG_MAILLE*> segments;
  for (const SEG_MAILLE* s : terrain::ordreDeListe(maillage.segments()))
    if (!s->retire && s->a && s->b) segments.push_back(s);
  std::unordered_map<const PT_MAILLE*, std::vector<size_t>> voisins;
  for (size_t i = 0; i < segments.size(); ++i) {
    voisins[segments[i]->a].push_back(i);
    voisins[segments[i]->b].push_back(i);
  }
  std::vector<bool> pris(segments.size(), false);
  std::vector<std::vector<const PT_MAILLE*>> chaines;
  auto suit = [&](const PT_MAILLE* depart, size_t premier) {
    std::vector<const PT_MAILLE*> chaine{depart};
    const PT_MAILLE* ici = depart;
    for (size_t s = premier;;) {
      pris[s] = true;
      ici = segments[s]->a == ici ? segments[s]->b : segments[s]->a;
      chaine.push_back(ici);
      const std::vector<size_t>& autour = voisins[ici];
      if (autour.size() != 2) break;
      s = pris[autour[0]] ? autour[1] : autour[0];
      if (pris[s]) break;
    }
    chaines.push_back(std::move(chaine));
  };
  for (size_t i = 0; i < segments.size(); ++i)
    for (const PT_MAILLE* bout : {segments[i]->a, segments[i]->b})
      if (voisins[bout].size() != 2)
        for (size_t s : voisins[bout])
          if (!pris[s]) suit(bout, s);
  for (size_t i = 0; i < segments.size(); ++i)
    if (!pris[i]) suit(segments[i]->a, i);
  return chaines;
}

}  // namespace

void ecritSurface(tinyxml2::XMLPrinter& xml, const CONTENU_EXPORT& contenu, BILAN_EXPORT& bilan) {
  terrain::MAILLAGE& maillage = *contenu.maillage;
  // The mesh numbers a double-Z pair once; each height gets its own point here,
  // the second ones after all the others.
  maillage.numerote();
  std::vector<const PT_MAILLE*> secondes;
  std::unordered_map<const PT_MAILLE*, uint32_t> numerosSecondes;
  for (const PT_MAILLE* p : maillage.index())
    if (p->jumeau) {
      secondes.push_back(p->jumeau);
      numerosSecondes[p->jumeau] = static_cast<uint32_t>(maillage.index().size() + secondes.size());
    }
  auto numero = [&](const PT_MAILLE* p) {
    return p->effectif() != p ? numerosSecondes[p] : static_cast<uint32_t>(p->numero + 1);
  };
  xml.OpenElement("Surfaces");
  xml.OpenElement("Surface");
  xml.PushAttribute("name", texteXml(contenu.nomSurface).c_str());

  const std::vector<std::vector<const PT_MAILLE*>> chaines = chaineSegments(maillage);
  if (!chaines.empty()) {
    xml.OpenElement("SourceData");
    xml.OpenElement("Breaklines");
    std::string liste;
    for (const std::vector<const PT_MAILLE*>& chaine : chaines) {
      liste.clear();
      for (const PT_MAILLE* p : chaine) {
        if (!liste.empty()) liste += ' ';
        liste += coordonnees(*p).c_str();
      }
      xml.OpenElement("Breakline");
      xml.PushAttribute("brkType", "standard");
      xml.OpenElement("PntList3D");
      xml.PushText(liste.c_str());
      xml.CloseElement();
      xml.CloseElement();
    }
    xml.CloseElement();
    xml.CloseElement();
    bilan.lignesRupture = chaines.size();
  }

  xml.OpenElement("Definition");
  xml.PushAttribute("surfType", "TIN");
  xml.OpenElement("Pnts");
  auto ecritPoint = [&](const PT_MAILLE* p) {
    xml.OpenElement("P");
    xml.PushAttribute("id", TEXTE_COORDONNEES({numero(p)}).c_str());
    xml.PushText(coordonnees(*p).c_str());
    xml.CloseElement();
  };
  for (const PT_MAILLE* p : maillage.index()) ecritPoint(p);
  for (const PT_MAILLE* p : secondes) ecritPoint(p);
  xml.CloseElement();
  xml.OpenElement("Faces");
  for (const terrain::TRI_MAILLE* t : terrain::ordreDeListe(maillage.triangles())) {
    xml.OpenElement("F");
    xml.PushText(TEXTE_COORDONNEES({numero(t->p[0]), numero(t->p[1]), numero(t->p[2])}).c_str());
    xml.CloseElement();
  }
  xml.CloseElement();
  xml.CloseElement();  // Definition
  xml.CloseElement();  // Surface
  xml.CloseElement();  // Surfaces
  bilan.points = maillage.index().size() + secondes.size();
  bilan.faces = maillage.triangles().size();
}

}  // namespace landxml
