// What a result buffer of a given restype carries: the value codes of the host
// (RTREAL ...) and the DXF group codes of entity and filter lists.
#pragma once
#include <cstdarg>

struct resbuf;

namespace host {

enum class RbKind { None, Real, Point, Short, Long, Text, Name, Int64, Binary };

RbKind resbufKind(int restype);

// acutBuildList's engine: (type, value) pairs from `ap`, the first type given,
// ending at 0 (or RTNONE when `endAtNone`). nullptr for an empty list.
resbuf* buildListV(int firstType, va_list ap, bool endAtNone = false);

// A deep copy of a list.
resbuf* copyList(const resbuf* rb);

}  // namespace host
