// Writing to a LISP file descriptor.
#pragma once
#include <string_view>

#include "lisp/value.h"

namespace lisp {

// Raises an error naming `fd` when the file is closed or open for reading.
void writeToFile(File& file, std::string_view text, const Value& fd);

}  // namespace lisp
