// The reading side of the road API and the round-trip check of the file
// format: LISP callbacks of Talvex's function table. Each answers nil; results
// travel through global AutoLISP symbols.
#pragma once
#include <cstdint>

struct resbuf;

namespace road {

resbuf* testeES(int32_t);           // "testes"
resbuf* selectionAxe(int32_t);      // "lec_info_0"
resbuf* lectureProfLPT(int32_t);    // "lec_info_1"
resbuf* handlePT2PosPT(int32_t);    // "lec_info_2"
resbuf* selectionAxeLong(int32_t);  // "lec_info_3"
resbuf* lectureLPTCons(int32_t);    // "lec_info_9"
resbuf* exportPt19(int32_t);        // "talvexexppt"

}  // namespace road
