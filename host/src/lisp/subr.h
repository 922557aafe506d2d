// Built-in functions. Ordinary ones get their evaluated arguments; special
// forms (quote, setq, if ...) get the unevaluated rest of the form.
#pragma once
#include <cstdint>

#include "lisp/value.h"

namespace lisp {

class Args;

using SubrFn = Value (*)(Args& args);
using FormFn = Value (*)(Environment& env, const Value& operands);

struct Subr {
  const char* name;
  SubrFn fn = nullptr;
  FormFn form = nullptr;
  int16_t minArgs = 0;
  int16_t maxArgs = -1;  // -1: any number
};

}  // namespace lisp
