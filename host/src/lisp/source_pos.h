// Where a form was read: a source index (0 = unknown) and a line, packed in
// 32 bits so that every cons cell can carry it.
#pragma once
#include <cstdint>

namespace lisp {

inline constexpr uint32_t kMaxLine = 0xFFFFFF;
inline constexpr uint32_t kMaxSource = 0xFF;

inline uint32_t makePos(uint32_t source, uint32_t line) {
  if (source > kMaxSource) source = 0;
  if (line > kMaxLine) line = 0;
  return source << 24 | line;
}
inline uint32_t posSource(uint32_t pos) { return pos >> 24; }
inline uint32_t posLine(uint32_t pos) { return pos & kMaxLine; }

}  // namespace lisp
