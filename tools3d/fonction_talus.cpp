// talus_arx: reads the crest and the toes, places the stations and draws the
// hatch lines with the host's LINE command.
#include <vector>

#include "acedads.h"
#include "framework/liste_resbuf.h"
#include "tools3d/fonctions_outils3d.h"
#include "tools3d/groupes_entite.h"
#include "tools3d/symboles.h"
#include "tools3d/talus.h"

namespace tools3d {

namespace {

// A POLYLINE header whose flags carry the 3D bit.
bool estPolyligne3D(const ads_name nom) {
  const framework::ListeResbuf liste(acdbEntGet(nom));
  return estDeType(liste.get(), "POLYLINE") && (find_dxf_group(liste.get(), 70).entierCourt & 8);
}

void dessineLigne(const LIGNE_3D& l) {
  acedCommandS(RTSTR, "_LINE", RT3DPOINT, l.first.data(), RT3DPOINT, l.second.data(), RTSTR, "",
               RTNONE);
}

}  // namespace

resbuf* talus_arx(int32_t) {
  const framework::ListeResbuf arguments(acedGetArgs());
  const resbuf* a1 = arguments.get();
  const resbuf* a2 = a1 ? a1->rbnext : nullptr;
  if (!a1 || a1->restype != RTENAME || !a2 || a2->restype != RTPICKS) {
    acutPrintf("\n talus_arx : attend la polyligne de crête et la sélection des pieds de talus");
    return nullptr;
  }
  if (!estPolyligne3D(a1->resval.rlname)) {
    acutPrintf("\n La crête n'est pas une polyligne 3D !!!");
    return nullptr;
  }
  acutPrintf("\n-- Lecture des points de la polyligne CRETE en cours --");
  std::vector<Point3D> crete;
  read_polyline_vertices(a1->resval.rlname, crete);
  if (crete.size() < 2) {
    acutPrintf("\n La crête doit avoir au moins deux sommets !!!");
    return nullptr;
  }

  int32_t nombre = 0;
  if (acedSSLength(a2->resval.rlname, &nombre) != RTNORM || nombre <= 0) {
    acutPrintf("\n Pas de pieds de talus !!!");
    return nullptr;
  }
  acutPrintf("\n-- Lecture des points de la polyligne PTAL en cours --");
  std::vector<PIED_TALUS> pieds;
  for (int32_t i = 0; i < nombre; ++i) {
    ads_name pied;
    if (acedSSName(a2->resval.rlname, i, pied) != RTNORM) continue;
    pieds.emplace_back();
    read_polyline_vertices(pied, pieds.back());
  }

  const NOMBRE_SYMBOLE echelle = nombreSymbole("ECHL&&", true);
  if (echelle.etat != ETAT_SYMBOLE::Valeur || echelle.valeur <= 0) {
    acutPrintf("\n Echelle ECHL&& absente ou incorrecte (nombre positif attendu) !!!");
    return nullptr;
  }
  std::vector<STATION_TALUS> stations;
  for (const STATION_CRETE& s :
       stationsCrete(crete, pasStations(static_cast<int>(echelle.valeur)))) {
    STATION_TALUS st;
    if (piedLePlusProche(s, pieds, st)) stations.push_back(st);
  }

  const NOMBRE_SYMBOLE unite = nombreSymbole("COEFLGT", true);
  if (unite.etat != ETAT_SYMBOLE::Valeur || !(unite.valeur > 0)) {
    acutPrintf("\n Coefficient COEFLGT absent ou incorrect (réel positif attendu) !!!");
    return nullptr;
  }
  if (stations.empty()) {
    acutPrintf("\n Aucun pied de talus n'est atteint depuis la crête !!!");
    return nullptr;
  }
  for (const LIGNE_3D& l : lignesHachures(stations, unite.valeur)) dessineLigne(l);
  return nullptr;
}

}  // namespace tools3d
