// What a result buffer of a given restype carries: the value codes of the host
// (RTREAL ...) and the DXF group codes of entity and filter lists.
#pragma once

struct resbuf;

namespace host {

enum class RbKind { None, Real, Point, Short, Long, Text, Name, Int64, Binary };

RbKind resbufKind(int restype);

}  // namespace host
