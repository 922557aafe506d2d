// User input through the host's C API (answered by the scripted user):
// getpoint getcorner getdist getreal getint getstring getkword initget entsel
// getfiled alert. Enter gives nil, Escape stops the program with
// "Fonction annulée", a keyword allowed by initget gives its text.
#include <cstdlib>

#include <string_view>

#include "acedads.h"
#include "base/ask.h"
#include "lisp/args.h"
#include "lisp/error.h"
#include "lisp/host_call.h"
#include "lisp/host_link.h"
#include "lisp/subr.h"

namespace lisp {

namespace {

constexpr size_t kTextMax = 2048;

// The keyword the user gave to the last request.
Value keyword() {
  char text[kTextMax] = {0};
  if (acedGetInput(text, sizeof text) != RTNORM) return Value();
  return makeString(text);
}

// Common ending of every request: value, nil, keyword or cancellation.
template <class Make>
Value answer(int status, Make make) {
  stopIfCancelled(status);
  if (status == RTNORM) return make();
  if (status == RTKWORD) return keyword();
  return Value();
}

// [point] [prompt] in either order, as getpoint and getdist take them.
struct PointAndPrompt {
  double base[3] = {0, 0, 0};
  bool hasBase = false;
  const char* prompt = nullptr;
};

PointAndPrompt pointAndPrompt(Args& a) {
  PointAndPrompt r;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].type() == Type::String) {
      r.prompt = a.string(i).c_str();
    } else if (!a[i].isNil()) {
      a.point(i, r.base);
      r.hasBase = true;
    }
  }
  return r;
}

const char* promptAt(Args& a, size_t i) { return a.given(i) ? a.string(i).c_str() : nullptr; }

Value sGetpoint(Args& a) {
  const PointAndPrompt in = pointAndPrompt(a);
  ads_point p = {0, 0, 0};
  const int status = acedGetPoint(in.hasBase ? in.base : nullptr, in.prompt, p);
  return answer(status, [&] { return makePoint(p, true); });
}

Value sGetcorner(Args& a) {
  const PointAndPrompt in = pointAndPrompt(a);
  if (!in.hasBase) raise(kTooFewArgs);
  ads_point p = {0, 0, 0};
  const int status = acedGetCorner(in.base, in.prompt, p);
  return answer(status, [&] { return makePoint(p, true); });
}

Value sGetdist(Args& a) {
  const PointAndPrompt in = pointAndPrompt(a);
  double d = 0;
  const int status = acedGetDist(in.hasBase ? in.base : nullptr, in.prompt, &d);
  return answer(status, [&] { return Value::real(d); });
}

Value sGetangle(Args& a) {
  const PointAndPrompt in = pointAndPrompt(a);
  double r = 0;
  const bool orient = std::string_view(a.subr().name) == "GETORIENT";
  const int status = orient ? acedGetOrient(in.hasBase ? in.base : nullptr, in.prompt, &r)
                            : acedGetAngle(in.hasBase ? in.base : nullptr, in.prompt, &r);
  return answer(status, [&] { return Value::real(r); });
}

Value sGetreal(Args& a) {
  double d = 0;
  const int status = acedGetReal(promptAt(a, 0), &d);
  return answer(status, [&] { return Value::real(d); });
}

Value sGetint(Args& a) {
  int n = 0;
  const int status = acedGetInt(promptAt(a, 0), &n);
  return answer(status, [&] { return Value::integer(n); });
}

// (getstring [allow-spaces] [prompt])
Value sGetstring(Args& a) {
  int allowSpaces = 0;
  const char* prompt = nullptr;
  if (a.has(0) && a[0].type() == Type::String) {
    prompt = a.string(0).c_str();
    if (a.has(1)) raise(kTooManyArgs);
  } else {
    allowSpaces = a.given(0) ? 1 : 0;
    prompt = promptAt(a, 1);
  }
  char text[kTextMax] = {0};
  const int status = acedGetString(allowSpaces, prompt, text, sizeof text);
  return answer(status, [&] { return makeString(text); });
}

Value sGetkword(Args& a) {
  char text[kTextMax] = {0};
  const int status = acedGetKword(promptAt(a, 0), text, sizeof text);
  return answer(status, [&] { return makeString(text); });
}

// (initget [bits] [keywords])
Value sInitget(Args& a) {
  int bits = 0;
  const char* keywords = nullptr;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].type() == Type::String)
      keywords = a.string(i).c_str();
    else if (!a[i].isNil())
      bits = a.integer(i);
  }
  acedInitGet(bits, keywords);
  return Value();
}

Value sEntsel(Args& a) {
  ads_name entity = {0, 0};
  ads_point pick = {0, 0, 0};
  const int status = acedEntSel(promptAt(a, 0), entity, pick);
  return answer(status,
                [&] { return cons(makeEname(entity), cons(makePoint(pick, true), Value())); });
}

// (getfiled title default extension flags)
Value sGetfiled(Args& a) {
  resbuf result{};
  const int status = acedGetFileD(a.string(0).c_str(), a.string(1).c_str(), a.string(2).c_str(),
                                  a.integer(3), &result);
  struct Release {
    resbuf& rb;
    ~Release() {
      if (rb.restype == RTSTR) std::free(rb.resval.rstring);
    }
  } release{result};
  stopIfCancelled(status);
  if (status != RTNORM || result.restype != RTSTR || !result.resval.rstring) return Value();
  return makeString(result.resval.rstring);
}

// Entities are not nested in blocks here: the pick is the entity itself, as
// for entsel.
Value sNentsel(Args& a) { return sEntsel(a); }

// (grread [track] [allkeys [curtype]]): the next answer as the device would
// give it: (3 point) for a pick, (2 code) for a key (Enter is 13).
Value sGrread(Args& a) {
  if (a.has(1) && !a[1].isNil()) a.integer(1);
  const host::Answer answer = host::askUser("");
  const auto key = [](int code) {
    return cons(Value::integer(2), cons(Value::integer(code), Value()));
  };
  switch (answer.kind) {
    case host::Answer::Point:
    case host::Answer::Entity:
      return cons(Value::integer(3), cons(makePoint(answer.point, true), Value()));
    case host::Answer::Text:
      return key(answer.text.empty() ? 13 : static_cast<unsigned char>(answer.text[0]));
    case host::Answer::Number:
      return key(static_cast<unsigned char>(host::formatNumber(answer.number)[0]));
    case host::Answer::Enter: return key(13);
    default: raise(kCancelled);
  }
}

// The text a text entity list would take: from (0 0 0) to its upper right
// corner, each character two thirds of the height wide (times the width factor).
Value sTextbox(Args& a) {
  double height = 0, widthFactor = 1;
  std::string text;
  for (const Cons* c = a.list(0).consPtr(); c; c = c->cdr.consPtr()) {
    const Cons* g = c->car.consPtr();
    if (!g || g->car.type() != Type::Int) continue;
    const int code = g->car.asInt();
    if (code == 1 && g->cdr.type() == Type::String) text = g->cdr.stringPtr()->text;
    if (code == 40 && g->cdr.isNumber()) height = g->cdr.number();
    if (code == 41 && g->cdr.isNumber()) widthFactor = g->cdr.number();
  }
  if (height <= 0) {
    resbuf rb{};
    height = acedGetVar("TEXTSIZE", &rb) == RTNORM && rb.restype == RTREAL ? rb.resval.rreal : 2.5;
  }
  const double lower[3] = {0, 0, 0};
  const double upper[3] = {static_cast<double>(text.size()) * height * widthFactor * 2.0 / 3.0,
                           text.empty() ? 0.0 : height, 0};
  return cons(makePoint(lower, true), cons(makePoint(upper, true), Value()));
}

// No screen here: the text written to a menu box or the status line is taken
// and given back.
Value sGrtext(Args& a) {
  if (a.size() >= 2) return a[1].type() == Type::String ? a[1] : Value();
  return Value();
}

// Screens and menus do not exist here: accepted, without effect.
Value sNoScreen(Args&) { return Value(); }

Value sAlert(Args& a) {
  acedAlert(a.string(0).c_str());
  return Value();
}

const Subr kSubrs[] = {
    {"GETPOINT", sGetpoint, nullptr, 0, 2},  {"GETCORNER", sGetcorner, nullptr, 1, 2},
    {"GETDIST", sGetdist, nullptr, 0, 2},    {"GETREAL", sGetreal, nullptr, 0, 1},
    {"GETINT", sGetint, nullptr, 0, 1},      {"GETSTRING", sGetstring, nullptr, 0, 2},
    {"GETKWORD", sGetkword, nullptr, 0, 1},  {"INITGET", sInitget, nullptr, 0, 2},
    {"ENTSEL", sEntsel, nullptr, 0, 1},      {"GETFILED", sGetfiled, nullptr, 4, 4},
    {"ALERT", sAlert, nullptr, 1, 1},        {"GETANGLE", sGetangle, nullptr, 0, 2},
    {"GETORIENT", sGetangle, nullptr, 0, 2}, {"NENTSEL", sNentsel, nullptr, 0, 1},
    {"GRREAD", sGrread, nullptr, 0, 3},      {"TEXTBOX", sTextbox, nullptr, 1, 1},
    {"GRTEXT", sGrtext, nullptr, 0, 3},      {"GRAPHSCR", sNoScreen, nullptr, 0, 0},
    {"TEXTSCR", sNoScreen, nullptr, 0, 0},   {"MENUCMD", sNoScreen, nullptr, 1, 1},
};

void registerInputSubrs(Environment& env) { env.define(kSubrs, std::size(kSubrs)); }

const SubrGroup kGroup(registerInputSubrs);

}  // namespace

}  // namespace lisp
