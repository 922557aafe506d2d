// Selection filters: the (group . value) lists of ssget, with -4 relational
// operators and <AND <OR <XOR <NOT clauses, compiled once per selection.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/wcmatch.h"
#include "db/database.h"

struct resbuf;

namespace host {

class SelectionFilter {
 public:
  // Compiles `list` for the drawing `db`. A malformed list gives false with
  // the host's ERRNO (56-67) and a message; an empty list accepts everything.
  bool compile(const resbuf* list, const db::Database& db, int& errnoOut, std::string& message);
  bool empty() const { return nodes_.empty(); }
  bool accepts(const db::Entity& e) const;

 private:
  enum class Op : uint8_t { Any, Eq, Ne, Lt, Le, Gt, Ge, BitAny, BitAll };
  struct Test {
    int code = 0;
    db::Group::Kind kind = db::Group::Int;
    Op ops[3] = {Op::Eq, Op::Eq, Op::Eq};  // per coordinate for points
    double number[3] = {0, 0, 0};
    int64_t integer = 0;
    std::shared_ptr<WcPattern> pattern;
    bool negate = false;              // for texts: != /= <>
    std::vector<char> layerAccepted;  // group 8: answer per layer of the table
    std::vector<char> typeAccepted;   // group 0: answer per known entity kind
    // group 0 answers for kinds the database only knows by name, found on first use
    mutable std::unordered_map<uint32_t, bool> otherTypeAccepted;
  };
  struct Node {
    enum Kind : uint8_t { And, Or, Xor, Not, Leaf } kind = Leaf;
    std::vector<uint32_t> children;
    uint32_t test = 0;
  };

  struct Parser;
  bool evalNode(uint32_t n, const db::Entity& e) const;
  bool evalTest(const Test& t, const db::Entity& e) const;
  bool typeMatches(const Test& t, const db::Entity& e) const;
  bool textMatches(const Test& t, const std::string& s) const;
  bool numberMatches(const Test& t, double v) const;
  bool pointMatches(const Test& t, const double* v) const;

  const db::Database* db_ = nullptr;
  std::vector<Node> nodes_;
  std::vector<Test> tests_;
  uint32_t root_ = 0;
};

}  // namespace host
