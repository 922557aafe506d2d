// Registration of the built-in functions, one group per source file.
#pragma once

namespace lisp {

class Environment;

void registerBuiltins(Environment& env);

void registerSpecialForms(Environment& env);
void registerListSubrs(Environment& env);
void registerMathSubrs(Environment& env);
void registerCompareSubrs(Environment& env);
void registerStringSubrs(Environment& env);
void registerOutputSubrs(Environment& env);
void registerFileSubrs(Environment& env);
void registerUserInputSubr(Environment& env);
void registerVlListSubrs(Environment& env);
void registerVlStringSubrs(Environment& env);
void registerVlSymbolSubrs(Environment& env);
void registerVlFileSubrs(Environment& env);
void registerUnitSubrs(Environment& env);

}  // namespace lisp
