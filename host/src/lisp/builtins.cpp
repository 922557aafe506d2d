#include "lisp/builtins.h"
#include "lisp/host_link.h"

namespace lisp {

void registerBuiltins(Environment& env) {
  registerSpecialForms(env);
  registerListSubrs(env);
  registerMathSubrs(env);
  registerCompareSubrs(env);
  registerStringSubrs(env);
  registerOutputSubrs(env);
  registerFileSubrs(env);
  registerUserInputSubr(env);
  registerVlListSubrs(env);
  registerVlStringSubrs(env);
  registerVlSymbolSubrs(env);
  registerVlFileSubrs(env);
  registerUnitSubrs(env);
  SubrGroup::registerAll(env);
}

}  // namespace lisp
