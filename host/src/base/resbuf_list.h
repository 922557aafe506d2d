// Result-buffer lists inside the host: the one owning type, the one builder and
// the one text copy. Buffers come from acutNewRb and texts from malloc, because
// whoever ends up holding a list releases it with acutRelRb (see acedads.h).
#pragma once
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "adsdef.h"

namespace host {

struct RbDeleter {
  void operator()(resbuf* rb) const noexcept;
};
// A list the host owns until it hands it over with release().
using RbList = std::unique_ptr<resbuf, RbDeleter>;

// A malloc'd, NUL-terminated copy of `text`, as a result buffer holds it.
// Throws std::bad_alloc when memory runs out (the host boundary reports it).
char* copyText(std::string_view text);

// Appends to a list it owns until take() or release() hands it over. Every
// append throws std::bad_alloc rather than leave a hole in the list.
class RbListBuilder {
 public:
  resbuf* add(int restype);  // a zeroed buffer at the end of the list
  void addText(int restype, std::string_view text);
  void addInt(int restype, int value);  // rint
  void addPoint(int restype, const double p[3]);
  void addName(int restype, const int64_t name[2]);
  // A binary chunk; no bytes gives an empty chunk.
  void addBytes(int restype, const char* bytes, size_t size);
  RbList take();
  resbuf* release() { return take().release(); }

 private:
  RbList head_;
  resbuf* tail_ = nullptr;
};

// acutBuildList's engine: (type, value) pairs from `ap`, the first type given,
// ending at 0 (or RTNONE when `endAtNone`). Empty for an empty list.
RbList buildList(int firstType, va_list ap, bool endAtNone = false);

// A deep copy of a list.
RbList copyList(const resbuf* rb);

}  // namespace host
