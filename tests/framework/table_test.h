// The function table of the framework's test program, declared whole in
// table_test.cpp (codes follow the order of declaration there).
#pragma once
#include <cstdint>
#include <string>

#include "framework/fonction_arx.h"

namespace table_test {
extern framework::FONCTION_ARX premiere, cachee, commandeCachee, sansDescription, indisponible,
    evenement1, evenement1bis, imbriquee, fautive, gardeEnvironnement;
extern int appelsEvenement;
extern std::string ordreEvenements;

// Callbacks of the call-discipline tests (execution_test.cpp).
resbuf* recursive(int32_t niveau);
resbuf* lance(int32_t);
resbuf* resultat(int32_t);
}  // namespace table_test
