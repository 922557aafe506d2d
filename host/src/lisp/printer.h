// Printed forms of LISP data: prin1 (escaped, readable back) and princ (raw).
#pragma once
#include <string>

#include "lisp/value.h"

namespace lisp {

std::string toText(const Value& v, bool escape);
void appendText(std::string& out, const Value& v, bool escape);

// Reals as the host's command line shows them: 6 significant digits, always
// with a decimal point ("1.0", "0.333333", "1.0e+20"). C locale.
std::string formatReal(double d);
std::string formatInt(int32_t i);

}  // namespace lisp
