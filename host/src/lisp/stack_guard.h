// Keeps deep recursion (user functions, nested data) from overflowing the
// thread's stack: the check compares the frame address with a floor taken
// from the thread's real stack bounds.
#pragma once

namespace lisp {

// Raises the stack-limit LISP error when less than a safe reserve is left.
void checkStack();

}  // namespace lisp
