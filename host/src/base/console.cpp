// The command line as modules print to it.
#include <cstdarg>
#include <cstdio>
#include <string>

#include "acedads.h"
#include "base/context.h"
#include "base/guarded_call.h"

extern "C" {

int acutPrintf(const ACHAR* format, ...) {
  if (!format) return 0;
  va_list ap;
  va_start(ap, format);
  const int n = host::guardedCall(__func__, [&]() -> int {
    va_list copy;
    va_copy(copy, ap);
    const int size = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (size < 0) return size;
    std::string text(static_cast<size_t>(size) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, ap);
    text.resize(static_cast<size_t>(size));
    host::context().print(text);
    return size;
  });
  va_end(ap);
  return n;
}

int acedPrompt(const ACHAR* text) {
  return host::guardedCall(__func__, [&]() -> int {
    if (text) host::context().print(text);
    return RTNORM;
  });
}

}  // extern "C"
