#include "lisp/printer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "lisp/stack_guard.h"
#include "lisp/subr.h"
#include "lisp/symbols.h"

namespace lisp {

namespace {

void appendEscaped(std::string& out, const std::string& s) {
  out += '"';
  for (unsigned char c : s) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      case 27: out += "\\e"; break;
      default:
        if (c < 32) {
          char oct[8];
          std::snprintf(oct, sizeof oct, "\\%03o", c);
          out += oct;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  out += '"';
}

void appendHex(std::string& out, int64_t n) {
  char buf[32];
  auto r = std::to_chars(buf, buf + sizeof buf, static_cast<uint64_t>(n), 16);
  out.append(buf, r.ptr);
}

void appendAtom(std::string& out, const Value& v, bool escape) {
  switch (v.type()) {
    case Type::Nil: out += "nil"; break;
    case Type::Int: out += formatInt(v.asInt()); break;
    case Type::Real: out += formatReal(v.asReal()); break;
    case Type::Symbol: out += v.asSymbol()->name; break;
    case Type::Subr:
      out += "#<SUBR ";
      out += v.asSubr()->name;
      out += '>';
      break;
    case Type::String:
      if (escape)
        appendEscaped(out, v.stringPtr()->text);
      else
        out += v.stringPtr()->text;
      break;
    case Type::Ename:
      out += "<Entity name: ";
      appendHex(out, v.enamePtr()->name[0]);
      out += '>';
      break;
    case Type::PickSet:
      out += "<Selection set: ";
      appendHex(out, v.pickSetPtr()->name[0]);
      out += '>';
      break;
    case Type::File: out += "#<FILE \"" + v.filePtr()->path + "\">"; break;
    case Type::UserFunc: {
      const UserFunc* f = v.userFuncPtr();
      out += "#<USUBR ";
      out += f->name ? f->name->name : std::string("LAMBDA");
      out += '>';
      break;
    }
    case Type::External:
      out += "#<EXRXSUBR ";
      out += v.externalPtr()->name ? v.externalPtr()->name->name : std::string("?");
      out += '>';
      break;
    case Type::CatchError: out += "#<%catch-all-apply-error%>"; break;
    case Type::Cons: break;  // lists are printed by the caller
  }
}

void appendValue(std::string& out, const Value& v, bool escape) {
  if (v.type() != Type::Cons) {
    appendAtom(out, v, escape);
    return;
  }
  checkStack();  // nesting through car recurses
  out += '(';
  const Value* at = &v;
  bool first = true;
  while (const Cons* c = at->consPtr()) {
    if (!first) out += ' ';
    first = false;
    appendValue(out, c->car, escape);
    at = &c->cdr;
  }
  if (!at->isNil()) {
    out += " . ";
    appendAtom(out, *at, escape);
  }
  out += ')';
}

}  // namespace

std::string formatInt(int32_t i) {
  char buf[16];
  auto r = std::to_chars(buf, buf + sizeof buf, i);
  return std::string(buf, r.ptr);
}

std::string formatReal(double d) {
  if (std::isnan(d)) return "1.#QNAN";
  if (std::isinf(d)) return d < 0 ? "-1.#INF" : "1.#INF";
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, d, std::chars_format::general, 6);
  std::string s(buf, r.ptr);
  const size_t e = s.find('e');
  const std::string mantissa = s.substr(0, e);
  if (mantissa.find('.') == std::string::npos)
    s.insert(e == std::string::npos ? s.size() : e, ".0");
  return s;
}

std::string toText(const Value& v, bool escape) {
  std::string out;
  appendValue(out, v, escape);
  return out;
}

void appendText(std::string& out, const Value& v, bool escape) { appendValue(out, v, escape); }

}  // namespace lisp
