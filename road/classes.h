// The record classes of the road project, declared ahead for the files that
// only pass them around.
#pragma once

namespace road {

class PROJETTALVEX;
class AXE_EN_PLAN;
class ELM_ELMAXEPLAN;
struct ELEMENT_PLAN;
class AXE_EN_LONG;
class UN_AXELONG;
struct SOMMET_LONG;
class POINTS_AXE3D;
struct POINT_AXE3D;
class PROFILS_EN_TRAVERS;
class UN_PROFIL;
class COUCHE;
struct POINT_COUCHE;
class EPAIS_STRUCTURE;
class CONSTRUCTION_PROFIL;
struct PROFILCONS;
class TABLE_TABULATION;
struct POINT_TABULATION;
class TABLE_CUBATURES;
struct LIGNE_CUBE;

}  // namespace road
