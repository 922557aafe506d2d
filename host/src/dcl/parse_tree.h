// DCL as written: definitions, tile references and attributes before
// prototypes are resolved.
#pragma once
#include <string>
#include <vector>

namespace dcl {

struct Value {
  enum Kind { String, Number, Name };  // Name: true, false, centered ...
  Kind kind = String;
  std::string text;
};

struct Attribute {
  std::string name;
  Value value;
  int line = 0;
};

// `: type { attributes children }` or `type;` (no body).
struct TileNode {
  std::string type;
  int line = 0;
  std::vector<Attribute> attributes;
  std::vector<TileNode> children;
};

// `name : base { ... }` at the top level of a file: a dialog or a prototype.
// The body's type is the base.
struct Definition {
  std::string name;
  std::string file;
  TileNode body;
};

struct IncludeDirective {
  std::string file;
  int line = 0;
};

struct ParsedFile {
  std::string file;
  std::vector<IncludeDirective> includes;
  std::vector<Definition> definitions;
};

}  // namespace dcl
