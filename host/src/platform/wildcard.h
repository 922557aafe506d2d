// File name patterns with '*' and '?', as the Windows shell matches them.
#pragma once
#include <string_view>

namespace platform {

// Letters are compared case-insensitively (ASCII).
bool matchesWildcard(std::string_view pattern, std::string_view name);

}  // namespace platform
