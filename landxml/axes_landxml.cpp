#include <cmath>
#include <vector>

#include "landxml/geometrie_axe.h"
#include "landxml/parties_landxml.h"
#include "landxml/texte_coordonnees.h"
#include "landxml/texte_xml.h"
#include "road/axe_en_plan.h"
#include "road/axes_en_long.h"
#include "road/projet_talvex.h"

namespace landxml {
namespace {

void point(tinyxml2::XMLPrinter& xml, const char* balise, POINT_PLAN p) {
  xml.OpenElement(balise);
  xml.PushText(TEXTE_COORDONNEES({p.y, p.x}).c_str());  // northing, easting
  xml.CloseElement();
}

void rayon(tinyxml2::XMLPrinter& xml, const char* attribut, double r) {
  if (std::isinf(r))
    xml.PushAttribute(attribut, "INF");
  else
    xml.PushAttribute(attribut, TEXTE_COORDONNEES({r}).c_str());
}

void element(tinyxml2::XMLPrinter& xml, const ELEMENT_GEOMETRIQUE& e) {
  static constexpr const char* kBalises[] = {"Line", "Curve", "Spiral"};
  xml.OpenElement(kBalises[static_cast<int>(e.genre)]);
  xml.PushAttribute("staStart", TEXTE_COORDONNEES({e.abscisse}).c_str());
  xml.PushAttribute("length", TEXTE_COORDONNEES({e.longueur}).c_str());
  if (e.genre != GenreElement::kDroite) xml.PushAttribute("rot", e.horaire ? "cw" : "ccw");
  if (e.genre == GenreElement::kArc) {
    xml.PushAttribute("crvType", "arc");
    rayon(xml, "radius", e.rayon);
  } else if (e.genre == GenreElement::kClothoide) {
    xml.PushAttribute("spiType", "clothoid");
    rayon(xml, "radiusStart", e.rayonDebut);
    rayon(xml, "radiusEnd", e.rayonFin);
  }
  point(xml, "Start", e.debut);
  if (e.genre == GenreElement::kArc) point(xml, "Center", e.centre);
  if (e.genre == GenreElement::kClothoide) point(xml, "PI", e.pi);
  point(xml, "End", e.fin);
  xml.CloseElement();
}

// Each vertex of a profile is a vertical intersection point: abscissa, height.
void profils(tinyxml2::XMLPrinter& xml, const road::AXE_EN_PLAN& axe) {
  const road::AXE_EN_LONG* longs = axe.axesEnLong();
  if (!longs || longs->profils().empty()) return;
  xml.OpenElement("Profile");
  xml.PushAttribute("name", texteXml(axe.nom).c_str());
  for (const auto& profil : longs->profils()) {
    xml.OpenElement("ProfAlign");
    xml.PushAttribute("name", texteXml(profil->nom).c_str());
    for (const road::SOMMET_LONG& s : profil->sommets) {
      xml.OpenElement("PVI");
      xml.PushText(TEXTE_COORDONNEES({s.valeur1, s.valeur2}).c_str());
      xml.CloseElement();
    }
    xml.CloseElement();
  }
  xml.CloseElement();
}

}  // namespace

void ecritAxes(tinyxml2::XMLPrinter& xml, const road::PROJETTALVEX& projet, BILAN_EXPORT& bilan) {
  xml.OpenElement("Alignments");
  for (const auto& axe : projet.axes()) {
    xml.OpenElement("Alignment");
    xml.PushAttribute("name", texteXml(axe->nom).c_str());
    xml.PushAttribute("staStart", TEXTE_COORDONNEES({axe->abscisseDebut}).c_str());
    xml.PushAttribute("length", TEXTE_COORDONNEES({axe->abscisseFin - axe->abscisseDebut}).c_str());
    xml.OpenElement("CoordGeom");
    for (const ELEMENT_GEOMETRIQUE& e : geometrieAxe(*axe)) element(xml, e);
    xml.CloseElement();
    profils(xml, *axe);
    xml.CloseElement();
    ++bilan.axes;
  }
  xml.CloseElement();
}

}  // namespace landxml
