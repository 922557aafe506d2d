// Every host call a module makes runs through guardedCall, so that nothing
// thrown inside the host reaches the module: the call fails instead, with a
// line on the command line saying which call and why.
#pragma once
#include <exception>
#include <new>
#include <type_traits>

#include "adsdef.h"

namespace host {

// Prints "** <what>: <why> **" and, for a lack of memory, sets ERRNO 71.
void reportHostCallFailure(const char* what, const char* why, bool outOfMemory);

template <typename Fn, typename R>
R guardedCall(const char* what, Fn&& fn, R failure) {
  try {
    return fn();
  } catch (const std::bad_alloc&) {
    reportHostCallFailure(what, "mémoire insuffisante", true);
  } catch (const std::exception& e) {
    reportHostCallFailure(what, e.what(), false);
  } catch (...) {
    reportHostCallFailure(what, "erreur interne", false);
  }
  return failure;
}

// The failure is nullptr for calls that give a pointer, false for a yes/no,
// RTERROR for the others; a call that gives nothing just stops.
template <typename Fn>
auto guardedCall(const char* what, Fn&& fn) {
  using R = std::invoke_result_t<Fn&>;
  if constexpr (std::is_void_v<R>)
    guardedCall(
        what,
        [&] {
          fn();
          return 0;
        },
        0);
  else if constexpr (std::is_pointer_v<R>)
    return guardedCall(what, fn, static_cast<R>(nullptr));
  else if constexpr (std::is_same_v<R, bool>)
    return guardedCall(what, fn, false);
  else
    return guardedCall(what, fn, static_cast<R>(RTERROR));
}

}  // namespace host
