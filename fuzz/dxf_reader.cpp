// Any bytes given to the DXF reader: it must never crash; a refused file names
// a line of it and gives no drawing; a drawing it accepts is saved and read
// back with the same entities.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "dxf/dxf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  size_t lines = 1;
  for (char c : text) lines += c == '\n';
  std::string error;
  std::vector<std::string> notes;
  auto d = dxf::readFromMemory(text, error, &notes);
  if (!d) {
    if (error.rfind("ligne ", 0) != 0 || !notes.empty()) __builtin_trap();
    const size_t line = std::strtoul(error.c_str() + 6, nullptr, 10);
    if (line < 1 || line > lines + 1) __builtin_trap();
    return 0;
  }
  const std::string saved = dxf::writeToString(*d);
  auto back = dxf::readFromMemory(saved, error);
  if (!back || back->entities.size() != d->entities.size()) __builtin_trap();
  for (size_t i = 0; i < d->entities.size(); ++i)
    if (back->entities[i].type != d->entities[i].type ||
        back->entities[i].handle != d->entities[i].handle)
      __builtin_trap();
  return 0;
}
