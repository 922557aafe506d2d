// The record tags of the project file, written exactly so (the construction
// tag lacks its S) and recognised in any letter case.
#pragma once

namespace road {

inline constexpr char kTagAxeEnPlan[] = "ID-AXE-EN-PLAN";
inline constexpr char kTagElementsPlan[] = "ELT-AXE-EN-PLAN";
inline constexpr char kTagAxesEnLong[] = "ID-AXES-EN-LONG";
inline constexpr char kTagPointsAxe3d[] = "PTS-DE-AXE3D";
inline constexpr char kTagProfilsEnTravers[] = "PROF-EN-TRAVERS";
inline constexpr char kTagEpaisseurStructure[] = "EPAISSEUR-DE-STRUCTURE";
inline constexpr char kTagConstructionProfils[] = "CONTRUCTION-DES-PROFILS";
inline constexpr char kTagPointsTabulation[] = "PTS-DE-TABULATION";
inline constexpr char kTagCubatures[] = "CUBATURES";
inline constexpr char kTagDonneesTerrain[] = "3D-DONNEES-TERRAIN";
// The word that ends each vertical profile's line.
inline constexpr char kFinLong[] = "FINLONG";

}  // namespace road
