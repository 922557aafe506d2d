// eq and equal as the host defines them.
#pragma once
#include "lisp/value.h"

namespace lisp {

// Same object: identical numbers, symbols, entity names; the same string,
// list or set (not merely equal contents).
bool isEq(const Value& a, const Value& b);
// Same contents: lists element by element, strings by text, numbers within
// `fuzz` (an integer and a real of equal value are equal).
bool isEqual(const Value& a, const Value& b, double fuzz = 0.0);

}  // namespace lisp
