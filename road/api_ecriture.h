// The writing functions of the road API, called from LISP by name through
// Talvex's function table. Each reads its arguments and symbols, changes the
// project of CHEMINOM and saves it only when the change was made; failures
// are messages on the error stream. All return nullptr: the caller gets nil.
#pragma once
#include <cstdint>

struct resbuf;

namespace road {

resbuf* CreationAxe(int32_t);         // ecri_info_0
resbuf* EcritureTabulation(int32_t);  // ecri_info_1
resbuf* ModifTabulation(int32_t);     // ecri_info_2
resbuf* CreationAxePL(int32_t);       // ecri_info_3
resbuf* CreationAxe3D(int32_t);       // ecri_info_4
resbuf* EcritureES(int32_t);          // ecri_info_5
resbuf* EcritureSC(int32_t);          // ecri_info_9
resbuf* ModifPT(int32_t);             // ecri_info_8
resbuf* ModifNomAxePlan(int32_t);     // modif_nmap
resbuf* ModifNomAxeLong(int32_t);     // modif_nmal
resbuf* ModifNumProf(int32_t);        // modif_premprof
resbuf* ModifAbsDebut(int32_t);       // modif_abscd
resbuf* SupprAxePlan(int32_t);        // supp_axep
resbuf* SupprAxeLong(int32_t);        // supp_axel
resbuf* SupprFichAxs(int32_t);        // efface_axs
resbuf* CopieAxs(int32_t);            // copie_axs
resbuf* RenommeAxs(int32_t);          // renome_axs

}  // namespace road
