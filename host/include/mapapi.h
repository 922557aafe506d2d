// The mapping service: drive aliases, source drawings attached from them, and
// location queries that copy what crosses a boundary into the current
// drawing. A module finds it in the run-time registry under "Map_Class"
// (acrxServiceLookup) and calls ADE functions by number.
#pragma once
#include "rxapi.h"

class HOST_API AcMapAdeService : public AcRxService {
 public:
  // Runs ADE function `numero` with its arguments (nullptr for nil). The
  // result list goes to *resultat (nullptr for nil), the caller's to release
  // with acutRelRb. Answers 1 when the function ran, 0 when it failed.
  virtual int execute(int numero, const resbuf* arguments, resbuf** resultat) = 0;
};
