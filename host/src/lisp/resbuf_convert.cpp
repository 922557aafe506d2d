#include "lisp/resbuf_convert.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "base/resbuf_kind.h"
#include "lisp/args.h"
#include "lisp/environment.h"
#include "lisp/error.h"
#include "lisp/printer.h"
#include "lisp/stack_guard.h"

namespace lisp {

using host::RbKind;

namespace {

bool fitsShort(int32_t i) { return i >= -32768 && i <= 32767; }

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

[[noreturn]] void badGroup(const Value& group) {
  raise("groupe DXF incorrect: " + toText(group, true));
}

// One group (code . value) or (code x y [z]) of an entity data list.
void appendGroup(host::RbListBuilder& out, int code, const Value& value, const Value& group) {
  switch (host::resbufKind(code)) {
    case RbKind::Point: {
      double p[3];
      if (!readPoint(value, p)) badGroup(group);
      out.addPoint(code, p);
      return;
    }
    case RbKind::Real:
      if (!value.isNumber()) badGroup(group);
      out.add(code)->resval.rreal = value.number();
      return;
    case RbKind::Short:
      if (value.type() != Type::Int || !fitsShort(value.asInt())) badGroup(group);
      out.add(code)->resval.rint = static_cast<short>(value.asInt());
      return;
    case RbKind::Long:
      if (value.type() != Type::Int) badGroup(group);
      out.add(code)->resval.rlong = value.asInt();
      return;
    case RbKind::Int64:
      if (value.type() == Type::Int)
        out.add(code)->resval.mnInt64 = value.asInt();
      else if (value.type() == Type::Real)
        out.add(code)->resval.mnInt64 = static_cast<int64_t>(value.asReal());
      else
        badGroup(group);
      return;
    case RbKind::Text:
      if (value.type() != Type::String) badGroup(group);
      out.addText(code, value.stringPtr()->text);
      return;
    case RbKind::Name:
      if (value.type() != Type::Ename) badGroup(group);
      out.addName(code, value.enamePtr()->name);
      return;
    case RbKind::Binary: {
      // Binary chunks are written in LISP as hexadecimal text.
      if (value.type() != Type::String) badGroup(group);
      const std::string& hex = value.stringPtr()->text;
      if (hex.size() % 2 != 0 || hex.size() / 2 > 32767) badGroup(group);
      std::vector<char> bytes(hex.size() / 2);
      for (size_t i = 0; i < bytes.size(); ++i) {
        const int hi = hexDigit(hex[2 * i]), lo = hexDigit(hex[2 * i + 1]);
        if (hi < 0 || lo < 0) badGroup(group);
        bytes[i] = static_cast<char>(hi * 16 + lo);
      }
      out.addBytes(code, bytes.data(), bytes.size());
      return;
    }
    case RbKind::None: badGroup(group);
  }
}

// (-3 ("APP" group...) ...)
void appendExtendedData(host::RbListBuilder& out, const Value& apps, const Value& group) {
  out.add(-3);
  for (const Cons* a = apps.consPtr(); a; a = a->cdr.consPtr()) {
    const Cons* app = a->car.consPtr();
    if (!app || app->car.type() != Type::String) badGroup(group);
    out.addText(1001, app->car.stringPtr()->text);
    for (const Cons* g = app->cdr.consPtr(); g; g = g->cdr.consPtr()) {
      const Cons* pair = g->car.consPtr();
      if (!pair || pair->car.type() != Type::Int) badGroup(g->car);
      appendGroup(out, pair->car.asInt(), pair->cdr, g->car);
    }
  }
}

Value groupValue(Environment& env, const resbuf* rb, bool planVertices) {
  const int code = rb->restype == RTDXF0 ? 0 : rb->restype;
  const Value key = Value::integer(code);
  const ads_u_val& v = rb->resval;
  switch (host::resbufKind(code)) {
    case RbKind::Point:
      // Light polyline vertices are 2D, as the host gives them.
      return cons(key, makePoint(v.rpoint, !(planVertices && code == 10)));
    case RbKind::Real: return cons(key, Value::real(v.rreal));
    case RbKind::Short: return cons(key, Value::integer(v.rint));
    case RbKind::Long: return cons(key, Value::integer(v.rlong));
    case RbKind::Int64:
      if (v.mnInt64 >= INT32_MIN && v.mnInt64 <= INT32_MAX)
        return cons(key, Value::integer(static_cast<int32_t>(v.mnInt64)));
      return cons(key, Value::real(static_cast<double>(v.mnInt64)));
    case RbKind::Text: return cons(key, makeString(v.rstring ? v.rstring : ""));
    case RbKind::Name: return cons(key, makeEname(v.rlname));
    case RbKind::Binary: {
      static const char* digits = "0123456789ABCDEF";
      std::string hex;
      for (short i = 0; v.rbinary.buf && i < v.rbinary.clen; ++i) {
        const unsigned char b = static_cast<unsigned char>(v.rbinary.buf[i]);
        hex += digits[b >> 4];
        hex += digits[b & 15];
      }
      return cons(key, makeString(std::move(hex)));
    }
    case RbKind::None: break;
  }
  (void)env;
  return cons(key, Value());
}

// One value buffer (not a list bracket) as LISP data.
Value itemValue(Environment& env, const resbuf* rb) {
  const ads_u_val& v = rb->resval;
  switch (rb->restype) {
    case RTNIL: return Value();
    case RTT: return Value::symbol(env.t);
    case RTSHORT: return Value::integer(v.rint);
    case RTLONG: return Value::integer(v.rlong);
    case RTREAL:
    case RTANG:
    case RTORINT: return Value::real(v.rreal);
    case RTPOINT: return makePoint(v.rpoint, false);
    case RT3DPOINT: return makePoint(v.rpoint, true);
    case RTSTR: return makeString(v.rstring ? v.rstring : "");
    case RTENAME: return makeEname(v.rlname);
    case RTPICKS: return env.pickSet(v.rlname);
    default: return groupValue(env, rb, false);  // a DXF group inside a value list
  }
}

}  // namespace

void appendValue(Environment& env, host::RbListBuilder& out, const Value& v) {
  switch (v.type()) {
    case Type::Nil: out.add(RTNIL); return;
    case Type::Int:
      if (fitsShort(v.asInt()))
        out.add(RTSHORT)->resval.rint = static_cast<short>(v.asInt());
      else
        out.add(RTLONG)->resval.rlong = v.asInt();
      return;
    case Type::Real: out.add(RTREAL)->resval.rreal = v.asReal(); return;
    case Type::String: out.addText(RTSTR, v.stringPtr()->text); return;
    case Type::Symbol:
      if (v.asSymbol() == env.t)
        out.add(RTT);
      else
        out.addText(RTSTR, v.asSymbol()->name);
      return;
    case Type::Ename: out.addName(RTENAME, v.enamePtr()->name); return;
    case Type::PickSet: out.addName(RTPICKS, v.pickSetPtr()->name); return;
    case Type::Cons: {
      double p[3];
      bool is3d = false;
      if (readPoint(v, p, &is3d)) {
        out.addPoint(is3d ? RT3DPOINT : RTPOINT, p);
        return;
      }
      checkStack();
      out.add(RTLB);
      const Value* at = &v;
      while (const Cons* c = at->consPtr()) {
        appendValue(env, out, c->car);
        at = &c->cdr;
      }
      if (!at->isNil()) {
        out.add(RTDOTE);
        appendValue(env, out, *at);
      }
      out.add(RTLE);
      return;
    }
    case Type::Subr:
    case Type::UserFunc:
    case Type::External:
    case Type::CatchError:
    case Type::File: raiseType("valeur transmissible à l'hôte", v);
  }
}

RbList valueToResbuf(Environment& env, const Value& v) {
  host::RbListBuilder b;
  appendValue(env, b, v);
  return b.take();
}

RbList argsToResbuf(Environment& env, const Value* args, size_t count) {
  host::RbListBuilder b;
  for (size_t i = 0; i < count; ++i) appendValue(env, b, args[i]);
  return b.take();
}

namespace {

// Reads the items of a value list; `count` gets the number of top-level items.
Value readItems(Environment& env, const resbuf* rb, size_t& topCount) {
  struct Frame {
    ListBuilder items;
    bool dotNext = false;
  };
  std::vector<Frame> open;
  ListBuilder top;
  topCount = 0;
  auto deliver = [&](Value v) {
    if (open.empty()) {
      ++topCount;
      top.add(std::move(v));
      return;
    }
    Frame& f = open.back();
    if (f.dotNext && !f.items.empty())
      f.items.setTail(std::move(v));
    else
      f.items.add(std::move(v));
    f.dotNext = false;
  };
  for (; rb; rb = rb->rbnext) {
    switch (rb->restype) {
      case RTLB: open.emplace_back(); break;
      case RTLE:
        if (!open.empty()) {
          Value list = open.back().items.take();
          open.pop_back();
          deliver(std::move(list));
        }
        break;
      case RTDOTE:
        if (!open.empty()) open.back().dotNext = true;
        break;
      case RTNONE:
      case RTVOID: break;
      default: deliver(itemValue(env, rb));
    }
  }
  // Lists left open by a careless module are closed at the end.
  while (!open.empty()) {
    Value list = open.back().items.take();
    open.pop_back();
    deliver(std::move(list));
  }
  return top.take();
}

}  // namespace

Value resbufToValue(Environment& env, const resbuf* rb) {
  size_t count = 0;
  Value items = readItems(env, rb, count);
  if (count == 1) return items.consPtr()->car;
  return items;
}

Value resbufToItems(Environment& env, const resbuf* rb) {
  size_t count = 0;
  return readItems(env, rb, count);
}

RbList entityListToResbuf(Environment& env, const Value& list) {
  (void)env;
  if (listLength(list) < 0) raiseType("listp", list);
  host::RbListBuilder b;
  for (const Cons* c = list.consPtr(); c; c = c->cdr.consPtr()) {
    const Cons* group = c->car.consPtr();
    if (!group || group->car.type() != Type::Int) badGroup(c->car);
    const int code = group->car.asInt();
    if (code == -3)
      appendExtendedData(b, group->cdr, c->car);
    else
      appendGroup(b, code, group->cdr, c->car);
  }
  return b.take();
}

Value resbufToEntityList(Environment& env, const resbuf* rb) {
  ListBuilder out;
  bool planVertices = false;
  for (; rb; rb = rb->rbnext) {
    if (rb->restype == -3) {
      ListBuilder apps, app;
      bool haveApp = false;
      for (rb = rb->rbnext; rb; rb = rb->rbnext) {
        if (rb->restype == 1001) {
          if (haveApp) apps.add(app.take());
          app.add(makeString(rb->resval.rstring ? rb->resval.rstring : ""));
          haveApp = true;
        } else if (haveApp) {
          app.add(groupValue(env, rb, false));
        }
      }
      if (haveApp) apps.add(app.take());
      out.add(cons(Value::integer(-3), apps.take()));
      break;
    }
    if ((rb->restype == 0 || rb->restype == RTDXF0) && rb->resval.rstring &&
        std::strcmp(rb->resval.rstring, "LWPOLYLINE") == 0)
      planVertices = true;
    out.add(groupValue(env, rb, planVertices));
  }
  return out.take();
}

}  // namespace lisp
