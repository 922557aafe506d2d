// Reads DCL text into its parse tree.
#pragma once
#include <string>
#include <string_view>

#include "dcl/parse_tree.h"

namespace dcl {

// Throws DclError naming `fileName` and the line of the first syntax error.
ParsedFile parseDcl(std::string_view text, const std::string& fileName);

}  // namespace dcl
