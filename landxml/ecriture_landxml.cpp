#include "landxml/ecriture_landxml.h"

#include <ctime>

#include "landxml/imprimante_flux.h"
#include "landxml/parties_landxml.h"
#include "landxml/texte_xml.h"
#include "road/projet_talvex.h"
#include "terrain/maillage.h"

namespace landxml {
namespace {

void entete(tinyxml2::XMLPrinter& xml, const CONTENU_EXPORT& contenu) {
  char date[16] = "", heure[16] = "";
  const std::time_t maintenant = std::time(nullptr);
  std::tm local{};
  if (::localtime_r(&maintenant, &local)) {
    std::strftime(date, sizeof date, "%Y-%m-%d", &local);
    std::strftime(heure, sizeof heure, "%H:%M:%S", &local);
  }
  xml.PushDeclaration("xml version=\"1.0\" encoding=\"UTF-8\"");
  xml.OpenElement("LandXML");
  xml.PushAttribute("xmlns", "http://www.landxml.org/schema/LandXML-1.2");
  xml.PushAttribute("xmlns:xsi", "http://www.w3.org/2001/XMLSchema-instance");
  xml.PushAttribute("xsi:schemaLocation",
                    "http://www.landxml.org/schema/LandXML-1.2 "
                    "http://www.landxml.org/schema/LandXML-1.2/LandXML-1.2.xsd");
  xml.PushAttribute("version", "1.2");
  xml.PushAttribute("date", date);
  xml.PushAttribute("time", heure);
  xml.OpenElement("Units");
  xml.OpenElement("Metric");
  xml.PushAttribute("areaUnit", "squareMeter");
  xml.PushAttribute("linearUnit", "meter");
  xml.PushAttribute("volumeUnit", "cubicMeter");
  xml.PushAttribute("temperatureUnit", "celsius");
  xml.PushAttribute("pressureUnit", "milliBars");
  xml.PushAttribute("angularUnit", "decimal degrees");
  xml.PushAttribute("directionUnit", "decimal degrees");
  xml.CloseElement();
  xml.CloseElement();
  xml.OpenElement("Project");
  xml.PushAttribute("name", texteXml(contenu.nomProjet).c_str());
  xml.CloseElement();
  xml.OpenElement("Application");
  xml.PushAttribute("name", "Talvex");
  xml.PushAttribute("manufacturer", "Talvex");
  xml.CloseElement();
}

}  // namespace

bool ecritLandXML(std::ostream& sortie, const CONTENU_EXPORT& contenu, BILAN_EXPORT& bilan) {
  bilan = BILAN_EXPORT{};
  IMPRIMANTE_FLUX xml(sortie);
  entete(xml, contenu);
  if (contenu.maillage && !contenu.maillage->triangles().empty()) ecritSurface(xml, contenu, bilan);
  if (contenu.projet && contenu.projet->nombreAxes() > 0) ecritAxes(xml, *contenu.projet, bilan);
  xml.CloseElement();
  xml.vide();
  sortie.flush();
  return static_cast<bool>(sortie);
}

}  // namespace landxml
