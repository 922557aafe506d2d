#include "lisp/builtins.h"

namespace lisp {

void registerBuiltins(Environment& env) {
  registerSpecialForms(env);
  registerListSubrs(env);
  registerMathSubrs(env);
  registerCompareSubrs(env);
  registerStringSubrs(env);
  registerOutputSubrs(env);
  registerFileSubrs(env);
  registerEntitySubrs(env);
  registerSelectionSubrs(env);
  registerInputSubrs(env);
  registerGeometrySubrs(env);
  registerSystemSubrs(env);
  registerUserInputSubr(env);
  registerDialogSubrs(env);
}

}  // namespace lisp
