#include "select/filter.h"

#include <algorithm>
#include <cctype>
#include <cinttypes>
#include <cmath>
#include <cstdio>

#include "adsdef.h"
#include "base/host_errors.h"
#include "base/resbuf_kind.h"

namespace host {

namespace {

// ERRNO of the host for tests whose operator does not suit the value.
constexpr int kErrFilterStringTest = 64;
constexpr int kErrFilterVectorTest = 65;
constexpr int kErrFilterRealTest = 66;
constexpr int kErrFilterIntegerTest = 67;
// Deeper clause nesting than this is refused (ERRNO 62).
constexpr int kMaxNesting = 64;

std::string upperTrimmed(const char* s) {
  std::string out;
  if (!s) return out;
  for (; *s; ++s) {
    if (*s == ' ' || *s == '\t') continue;
    out.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(*s))));
  }
  return out;
}

bool isClauseName(const std::string& s) {
  return s == "AND" || s == "OR" || s == "XOR" || s == "NOT";
}

bool nearlyEqual(double a, double b) {
  return std::fabs(a - b) <= 1e-10 * std::max({1.0, std::fabs(a), std::fabs(b)});
}

}  // namespace

struct SelectionFilter::Parser {
  SelectionFilter& f;
  const db::Database& db;
  const resbuf* cur;
  int err = 0;
  std::string message;

  bool fail(int e, std::string m) {
    err = e;
    message = std::move(m);
    return false;
  }

  static bool parseOp(const std::string& s, Op& op) {
    if (s == "=")
      op = Op::Eq;
    else if (s == "!=" || s == "/=" || s == "<>")
      op = Op::Ne;
    else if (s == "<")
      op = Op::Lt;
    else if (s == "<=")
      op = Op::Le;
    else if (s == ">")
      op = Op::Gt;
    else if (s == ">=")
      op = Op::Ge;
    else if (s == "*")
      op = Op::Any;
    else if (s == "&")
      op = Op::BitAny;
    else if (s == "&=")
      op = Op::BitAll;
    else
      return false;
    return true;
  }

  uint32_t addNode(Node n) {
    f.nodes_.push_back(std::move(n));
    return static_cast<uint32_t>(f.nodes_.size() - 1);
  }

  // One (group . value) test, with the operator a -4 item before it gave ("" for none).
  bool parseTest(const resbuf* rb, const std::string& opText, uint32_t& node) {
    Test t;
    t.code = rb->restype == RTDXF0 ? 0 : rb->restype;
    const RbKind kind = resbufKind(t.code);
    if (t.code < 0 || t.code >= 5000 || kind == RbKind::None || kind == RbKind::Binary ||
        kind == RbKind::Name)
      return fail(kErrFilterBadGroup, "code de groupe incorrect: " + std::to_string(t.code));
    const std::string ops = opText.empty() ? "=" : opText;
    switch (kind) {
      case RbKind::Text: {
        t.kind = db::Group::Text;
        if (!parseOp(ops, t.ops[0]) ||
            (t.ops[0] != Op::Eq && t.ops[0] != Op::Ne && t.ops[0] != Op::Any))
          return fail(kErrFilterStringTest, "test de texte incorrect: \"" + ops + "\"");
        t.negate = t.ops[0] == Op::Ne;
        t.pattern = std::make_shared<WcPattern>(rb->resval.rstring ? rb->resval.rstring : "",
                                                /*ignoreCase=*/true);
        break;
      }
      case RbKind::Real:
        t.kind = db::Group::Real;
        if (!parseOp(ops, t.ops[0]) || t.ops[0] == Op::BitAny || t.ops[0] == Op::BitAll)
          return fail(kErrFilterRealTest, "test de réel incorrect: \"" + ops + "\"");
        t.number[0] = rb->resval.rreal;
        break;
      case RbKind::Short:
      case RbKind::Long:
      case RbKind::Int64:
        t.kind = db::Group::Int;
        if (!parseOp(ops, t.ops[0]))
          return fail(kErrFilterIntegerTest, "test d'entier incorrect: \"" + ops + "\"");
        t.integer = kind == RbKind::Short  ? rb->resval.rint
                    : kind == RbKind::Long ? rb->resval.rlong
                                           : rb->resval.mnInt64;
        t.number[0] = static_cast<double>(t.integer);
        break;
      case RbKind::Point: {
        t.kind = db::Group::Point;
        // "op" for all three coordinates, or "op,op[,op]" one per coordinate.
        std::vector<std::string> parts{""};
        for (char c : ops) {
          if (c == ',')
            parts.emplace_back();
          else
            parts.back().push_back(c);
        }
        if (parts.size() > 3)
          return fail(kErrFilterVectorTest, "test de point incorrect: \"" + ops + "\"");
        for (int i = 0; i < 3; ++i) {
          const std::string& p = parts.size() == 1                    ? parts[0]
                                 : i < static_cast<int>(parts.size()) ? parts[i]
                                                                      : std::string("*");
          if (!parseOp(p, t.ops[i]) || t.ops[i] == Op::BitAny || t.ops[i] == Op::BitAll)
            return fail(kErrFilterVectorTest, "test de point incorrect: \"" + ops + "\"");
          t.number[i] = rb->resval.rpoint[i];
        }
        break;
      }
      default:
        return fail(kErrFilterBadGroup, "code de groupe incorrect: " + std::to_string(t.code));
    }
    if (t.code == 8) {
      t.layerAccepted.resize(db.layers.size());
      for (uint32_t i = 0; i < db.layers.size(); ++i)
        t.layerAccepted[i] = f.textMatches(t, db.layers.at(i).name);
    } else if (t.code == 0) {
      const int kinds = static_cast<int>(db::EntityType::Other);
      t.typeAccepted.resize(kinds);
      for (int i = 0; i < kinds; ++i)
        t.typeAccepted[i] = f.textMatches(t, db::typeName(static_cast<db::EntityType>(i)));
    }
    f.tests_.push_back(std::move(t));
    Node n;
    n.kind = Node::Leaf;
    n.test = static_cast<uint32_t>(f.tests_.size() - 1);
    node = addNode(std::move(n));
    return true;
  }

  // Items up to the end of the list (clause "") or to the end of `clause`.
  bool parseItems(const std::string& clause, int depth, std::vector<uint32_t>& out) {
    while (true) {
      if (!cur) {
        if (clause.empty()) return true;
        return fail(kErrFilterUnterminated, "clause <" + clause + " sans " + clause + ">");
      }
      const resbuf* rb = cur;
      cur = cur->rbnext;
      if (rb->restype != -4) {
        uint32_t node;
        if (!parseTest(rb, "", node)) return false;
        out.push_back(node);
        continue;
      }
      const std::string op = upperTrimmed(rb->resval.rstring);
      if (op.size() > 1 && op[0] == '<' && isClauseName(op.substr(1))) {
        const std::string name = op.substr(1);
        if (depth + 1 > kMaxNesting) return fail(kErrFilterNesting, "trop de clauses imbriquées");
        Node n;
        n.kind = name == "AND"   ? Node::And
                 : name == "OR"  ? Node::Or
                 : name == "XOR" ? Node::Xor
                                 : Node::Not;
        if (!parseItems(name, depth + 1, n.children)) return false;
        const size_t count = n.children.size();
        if (count == 0) return fail(kErrFilterEmptyClause, "clause <" + name + " vide");
        if (n.kind == Node::Not && count != 1)
          return fail(kErrFilterOperandCount, "<NOT attend un seul opérande");
        if (n.kind == Node::Xor && count != 2)
          return fail(kErrFilterOperandCount, "<XOR attend deux opérandes");
        out.push_back(addNode(std::move(n)));
        continue;
      }
      if (op.size() > 1 && op.back() == '>' && isClauseName(op.substr(0, op.size() - 1))) {
        const std::string name = op.substr(0, op.size() - 1);
        if (name == clause) return true;
        if (clause.empty()) return fail(kErrFilterMismatch, name + "> sans <" + name);
        return fail(kErrFilterMismatch, "<" + clause + " fermée par " + name + ">");
      }
      Op parsed;
      bool known = parseOp(op, parsed);
      if (!known && op.find(',') != std::string::npos) {
        // "op,op,op" for point groups
        known = true;
        size_t start = 0;
        while (known && start <= op.size()) {
          size_t end = op.find(',', start);
          if (end == std::string::npos) end = op.size();
          known = parseOp(op.substr(start, end - start), parsed);
          start = end + 1;
        }
      }
      if (!known) return fail(kErrFilterBadOperator, "opérateur -4 inconnu: \"" + op + "\"");
      if (!cur || cur->restype == -4)
        return fail(kErrFilterMissingOperand, "opérateur \"" + op + "\" sans opérande");
      const resbuf* operand = cur;
      cur = cur->rbnext;
      uint32_t node;
      if (!parseTest(operand, op, node)) return false;
      out.push_back(node);
    }
  }
};

bool SelectionFilter::compile(const resbuf* list, const db::Database& db, int& errnoOut,
                              std::string& message) {
  db_ = &db;
  nodes_.clear();
  tests_.clear();
  if (!list) return true;
  Parser p{*this, db, list, 0, {}};
  Node root;
  root.kind = Node::And;
  if (!p.parseItems("", 0, root.children)) {
    nodes_.clear();
    tests_.clear();
    errnoOut = p.err;
    message = p.message;
    return false;
  }
  if (root.children.empty()) return true;
  nodes_.push_back(std::move(root));
  root_ = static_cast<uint32_t>(nodes_.size() - 1);
  return true;
}

bool SelectionFilter::accepts(const db::Entity& e) const {
  return nodes_.empty() || evalNode(root_, e);
}

bool SelectionFilter::evalNode(uint32_t index, const db::Entity& e) const {
  const Node& n = nodes_[index];
  switch (n.kind) {
    case Node::Leaf: return evalTest(tests_[n.test], e);
    case Node::And:
      for (uint32_t c : n.children)
        if (!evalNode(c, e)) return false;
      return true;
    case Node::Or:
      for (uint32_t c : n.children)
        if (evalNode(c, e)) return true;
      return false;
    case Node::Xor: return evalNode(n.children[0], e) != evalNode(n.children[1], e);
    case Node::Not: return !evalNode(n.children[0], e);
  }
  return false;
}

bool SelectionFilter::textMatches(const Test& t, const std::string& s) const {
  if (t.ops[0] == Op::Any) return true;
  return t.pattern->matches(s) != t.negate;
}

bool SelectionFilter::numberMatches(const Test& t, double v) const {
  switch (t.ops[0]) {
    case Op::Any: return true;
    case Op::Eq: return t.kind == db::Group::Real ? nearlyEqual(v, t.number[0]) : v == t.number[0];
    case Op::Ne: return t.kind == db::Group::Real ? !nearlyEqual(v, t.number[0]) : v != t.number[0];
    case Op::Lt: return v < t.number[0];
    case Op::Le: return v <= t.number[0];
    case Op::Gt: return v > t.number[0];
    case Op::Ge: return v >= t.number[0];
    case Op::BitAny: return (static_cast<int64_t>(v) & t.integer) != 0;
    case Op::BitAll: return (static_cast<int64_t>(v) & t.integer) == t.integer;
  }
  return false;
}

bool SelectionFilter::pointMatches(const Test& t, const double* v) const {
  for (int i = 0; i < 3; ++i) {
    const double a = v[i], b = t.number[i];
    bool ok = true;
    switch (t.ops[i]) {
      case Op::Any: break;
      case Op::Eq: ok = nearlyEqual(a, b); break;
      case Op::Ne: ok = !nearlyEqual(a, b); break;
      case Op::Lt: ok = a < b; break;
      case Op::Le: ok = a <= b; break;
      case Op::Gt: ok = a > b; break;
      case Op::Ge: ok = a >= b; break;
      default: ok = false;
    }
    if (!ok) return false;
  }
  return true;
}

bool SelectionFilter::typeMatches(const Test& t, const db::Entity& e) const {
  const size_t kind = static_cast<size_t>(e.type);
  if (kind < t.typeAccepted.size()) return t.typeAccepted[kind];
  auto it = t.otherTypeAccepted.find(e.typeText);
  if (it != t.otherTypeAccepted.end()) return it->second;
  const bool ok = textMatches(t, db_->strings.at(e.typeText));
  t.otherTypeAccepted.emplace(e.typeText, ok);
  return ok;
}

bool SelectionFilter::evalTest(const Test& t, const db::Entity& e) const {
  switch (t.code) {
    case 0: return typeMatches(t, e);
    case 8:
      if (e.layer < t.layerAccepted.size()) return t.layerAccepted[e.layer];
      return textMatches(t, db_->layers.at(e.layer).name);
    case 5: {
      char hex[24];
      std::snprintf(hex, sizeof hex, "%" PRIX64, e.handle);
      return textMatches(t, hex);
    }
    default: break;
  }
  bool found = false;
  for (const db::Group& g : e.groups) {
    if (g.code != t.code) continue;
    found = true;
    bool ok;
    switch (g.kind) {
      case db::Group::Text: ok = t.kind == db::Group::Text && textMatches(t, db_->text(g)); break;
      case db::Group::Point: ok = t.kind == db::Group::Point && pointMatches(t, g.v); break;
      default:
        ok = t.kind != db::Group::Text && t.kind != db::Group::Point && numberMatches(t, g.v[0]);
    }
    if (ok) return true;
  }
  if (found) return false;
  // Values an entity has without storing them.
  switch (t.code) {
    case 62: return numberMatches(t, 256);  // BYLAYER
    case 67: return numberMatches(t, 0);    // model space
    case 6: return textMatches(t, "BYLAYER");
    case 210: {
      const double up[3] = {0, 0, 1};
      return pointMatches(t, up);
    }
    default: return false;
  }
}

}  // namespace host
