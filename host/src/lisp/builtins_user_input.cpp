// (user-input item ...): the scripted user of cadhost.
//
// Every prompt, pick, selection, dialog, message box, file dialog and the
// break key take their answer, in order, from one queue. A script fills it
// with user-input before the call that asks; when the queue is empty the host
// answers as a user pressing Escape would and writes a line saying so.
//
// Items, evaluated as usual:
//   nil                       Enter (an empty answer)
//   'cancel                   Escape
//   'break                    the user's break key
//   (x y) or (x y z)          a picked point
//   a number                  a typed number
//   "text"                    a typed text: keyword, string, file name, or the
//                             label of a message-box button
//   <entity name>             a picked entity (pick point 0,0,0)
//   (<entity name> (x y z))   a picked entity at that point
//   (dialog action ...)       one dialog, driven by tile keys. Each action is
//                             ("key" . value) or ("key" value): set that tile
//                             or field (a non-text value is written as princ
//                             writes it), or "key": press that button / pick
//                             that control.
// Example: (user-input '(0 0) '(10 5) nil '(dialog ("nom" . "Axe 1") "accept"))
// Returns the number of answers waiting in the queue. Nothing is queued when
// an item is malformed.
#include <vector>

#include "base/answers.h"
#include "base/context.h"
#include "lisp/args.h"
#include "lisp/builtins.h"
#include "lisp/error.h"
#include "lisp/printer.h"
#include "lisp/subr.h"

namespace lisp {

namespace {

constexpr const char* kItem = "élément de user-input";

bool isSymbolNamed(const Value& v, const char* name) {
  return v.type() == Type::Symbol && v.asSymbol()->name == name;
}

std::string dialogValue(const Value& v) {
  return v.type() == Type::String ? v.stringPtr()->text : toText(v, false);
}

host::Answer::DialogAction dialogAction(const Value& item) {
  if (item.type() == Type::String) return {item.stringPtr()->text, std::nullopt};
  const Cons* c = item.consPtr();
  if (!c || c->car.type() != Type::String) raiseType(kItem, item);
  // ("key" . value) or ("key" value)
  const Cons* rest = c->cdr.consPtr();
  if (rest && rest->cdr.isNil()) return {c->car.stringPtr()->text, dialogValue(rest->car)};
  if (c->cdr.isNil()) raiseType(kItem, item);
  return {c->car.stringPtr()->text, dialogValue(c->cdr)};
}

host::Answer toAnswer(const Value& item) {
  host::Answer a;
  double p[3];
  switch (item.type()) {
    case Type::Nil: a.kind = host::Answer::Enter; return a;
    case Type::Int:
    case Type::Real:
      a.kind = host::Answer::Number;
      a.number = item.number();
      return a;
    case Type::String:
      a.kind = host::Answer::Text;
      a.text = item.stringPtr()->text;
      return a;
    case Type::Ename:
      a.kind = host::Answer::Entity;
      a.entity[0] = item.enamePtr()->name[0];
      a.entity[1] = item.enamePtr()->name[1];
      return a;
    case Type::Symbol:
      if (isSymbolNamed(item, "CANCEL"))
        a.kind = host::Answer::Cancel;
      else if (isSymbolNamed(item, "BREAK"))
        a.kind = host::Answer::Break;
      else
        raiseType(kItem, item);
      return a;
    case Type::Cons: {
      const Cons* c = item.consPtr();
      if (readPoint(item, p)) {
        a.kind = host::Answer::Point;
        for (int k = 0; k < 3; ++k) a.point[k] = p[k];
        return a;
      }
      if (isSymbolNamed(c->car, "DIALOG")) {
        a.kind = host::Answer::Dialog;
        if (listLength(item) < 0) raiseType(kItem, item);
        for (const Cons* e = c->cdr.consPtr(); e; e = e->cdr.consPtr())
          a.actions.push_back(dialogAction(e->car));
        return a;
      }
      const Cons* rest = c->cdr.consPtr();
      if (c->car.type() == Type::Ename && rest && rest->cdr.isNil() && readPoint(rest->car, p)) {
        a.kind = host::Answer::Entity;
        a.entity[0] = c->car.enamePtr()->name[0];
        a.entity[1] = c->car.enamePtr()->name[1];
        for (int k = 0; k < 3; ++k) a.point[k] = p[k];
        return a;
      }
      raiseType(kItem, item);
    }
    default: raiseType(kItem, item);
  }
}

Value sUserInput(Args& a) {
  std::vector<host::Answer> answers;
  answers.reserve(a.size());
  for (size_t i = 0; i < a.size(); ++i) answers.push_back(toAnswer(a[i]));
  host::ScriptedUser& user = host::context().user();
  for (auto& answer : answers) user.push(std::move(answer));
  return Value::integer(static_cast<int32_t>(user.pending()));
}

const Subr kSubrs[] = {
    {"USER-INPUT", sUserInput, nullptr, 0, -1},
};

}  // namespace

void registerUserInputSubr(Environment& env) { env.define(kSubrs, std::size(kSubrs)); }

}  // namespace lisp
