// Small helpers for built-ins that call the host's C API.
#pragma once

namespace lisp {

// An integer system variable of the current drawing, or `fallback`.
int getVarInt(const char* name, int fallback);

// The user pressed Escape (RTCAN): the LISP program stops with "Fonction annulée".
void stopIfCancelled(int status);

}  // namespace lisp
