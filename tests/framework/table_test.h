#pragma once
#include <string>

#include "framework/fonction_arx.h"

namespace table_test {
extern framework::FONCTION_ARX premiere, cachee, commandeCachee, sansDescription, indisponible,
    evenement1, evenement1bis;
extern int appelsEvenement;
extern std::string ordreEvenements;
}  // namespace table_test
