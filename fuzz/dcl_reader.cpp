// Any bytes given to the DCL reader: it must never crash, and a fault found in
// the text must name a line of it (a fault found in the base definitions, such
// as a circle that the text closes by redefining one of them, names theirs).
// Includes are left out: they would read files.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "dcl/base_definitions.h"
#include "dcl/dcl_error.h"
#include "dcl/parser.h"
#include "dcl/resolver.h"

namespace {
constexpr char kFichier[] = "fuzz.dcl";
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  size_t lines = 1;
  for (char c : text) lines += c == '\n';
  try {
    const dcl::ParsedFile parsed = dcl::parseDcl(text, kFichier);
    dcl::Resolver resolver;
    resolver.add(dcl::baseDefinitions());
    resolver.add(parsed);
    for (const dcl::Definition& d : parsed.definitions) resolver.resolve(d);
  } catch (const dcl::DclError& e) {
    if (e.file() == kFichier && (e.line() < 1 || static_cast<size_t>(e.line()) > lines))
      __builtin_trap();
  }
  return 0;
}
