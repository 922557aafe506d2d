// The names the road API takes from its callers: alignments, profiles,
// vertices, elements, named points and handles.
#pragma once
#include <string_view>

namespace road {

// 1 to 31 characters, none of them a blank or a control character, and not a
// word the file reader gives a meaning of its own (a record tag, the terrain
// block's tag, an end word), in any letter case: such a name would not read
// back as written.
bool nomAcceptable(std::string_view nom);

}  // namespace road
