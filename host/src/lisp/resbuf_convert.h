// Conversions between LISP data and the host's result-buffer lists, used by
// the interpreter's host calls and by the host's LISP exchange functions.
//
// Values (arguments, results, symbols): nil -> RTNIL, T -> RTT, an integer ->
// RTSHORT when it fits 16 bits else RTLONG, a real -> RTREAL, a string ->
// RTSTR, a list of 2 or 3 numbers -> RTPOINT / RT3DPOINT, any other list ->
// RTLB ... RTLE with RTDOTE before the last element of a dotted list, an entity
// name -> RTENAME, a selection set -> RTPICKS, another symbol -> RTSTR of its name.
//
// Entity data lists (entget, entmake, entmod, table records, ssget filters):
// one buffer per group whose restype is the DXF group code, the value kind
// following the code's range: (0 . "LINE"), (10 1.0 2.0 3.0), (62 . 1) ...
#pragma once
#include <cstddef>
#include <memory>
#include <string_view>

#include "acedads.h"
#include "base/resbuf_list.h"
#include "lisp/value.h"

namespace lisp {

class Environment;

using host::RbList;
using RbBuilder = host::RbListBuilder;

// LISP -> result buffers. Raise a LispError for data the host cannot take
// (functions, files).
void appendValue(Environment& env, RbBuilder& out, const Value& v);
RbList valueToResbuf(Environment& env, const Value& v);
RbList argsToResbuf(Environment& env, const Value* args, size_t count);

// Result buffers -> LISP, as a module's acedRetList is read: no item gives
// nil, one item gives that item, several give a list of them. A selection set
// becomes (or finds) its LISP owner.
Value resbufToValue(Environment& env, const resbuf* rb);
// The list of the top-level items, whatever their number (arguments of acedInvoke).
Value resbufToItems(Environment& env, const resbuf* rb);

// Entity data lists both ways. Groups after a -3 marker are extended data:
// (-3 ("APP" (1000 . "text") ...) ...).
RbList entityListToResbuf(Environment& env, const Value& list);
Value resbufToEntityList(Environment& env, const resbuf* rb);

}  // namespace lisp
