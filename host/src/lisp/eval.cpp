// Evaluation of forms and calls: dynamic binding of parameters and locals, the
// depth limit, and where errors meet the user's *error*.
#include <exception>

#include "base/context.h"
#include "lisp/arg_vec.h"
#include "lisp/args.h"
#include "lisp/environment.h"
#include "lisp/host_link.h"
#include "lisp/printer.h"
#include "lisp/resbuf_convert.h"
#include "lisp/stack_guard.h"
#include "lisp/subr.h"

#include "adsdef.h"

namespace lisp {

// Counts nested evaluations and watches the stack.
class DepthGuard {
 public:
  explicit DepthGuard(Environment& env) : env_(env) {
    if (++env_.depth_ > Environment::kMaxDepth) {
      --env_.depth_;
      raiseStackLimit();
    }
    try {
      checkStack();
    } catch (...) {
      --env_.depth_;
      throw;
    }
  }
  ~DepthGuard() { --env_.depth_; }

 private:
  Environment& env_;
};

// Tracks the innermost form being evaluated. While an error unwinds, the
// position is left where the error happened, for the message.
class PosGuard {
 public:
  PosGuard(Environment& env, uint32_t pos)
      : env_(env), saved_(env.pos_), unwinding_(std::uncaught_exceptions()) {
    if (pos) env_.pos_ = pos;
  }
  ~PosGuard() {
    if (std::uncaught_exceptions() == unwinding_) env_.pos_ = saved_;
  }

 private:
  Environment& env_;
  uint32_t saved_;
  int unwinding_;
};

namespace {

// The ActiveX functions belong to the host's COM automation, which this
// platform has not: a program calling one is told so by name.
[[noreturn]] void raiseUndefined(const Symbol& s) {
  const std::string& n = s.name;
  if (n.rfind("VLAX-", 0) == 0 || n.rfind("VLA-", 0) == 0)
    raise("fonction ActiveX non disponible sur cette plate-forme (pas d'automation COM): " + n);
  raise("fonction non définie: " + n);
}

// A function kept as a list by defun-q: ((params / locals) form...).
bool isListFunction(const Value& v) {
  const Cons* c = v.consPtr();
  if (!c || !c->car.isList() || listLength(c->car) < 0) return false;
  for (const Cons* p = c->car.consPtr(); p; p = p->cdr.consPtr())
    if (p->car.type() != Type::Symbol) return false;
  return true;
}

// Binds a user function's parameters and locals for one call; the previous
// values come back however the call ends.
class Binder {
 public:
  Binder(const UserFunc& f, Value* args) : f_(f), saved_(f.params.size() + f.locals.size()) {
    size_t k = 0;
    for (Symbol* s : f.params) saved_[k++] = std::move(s->value);
    for (Symbol* s : f.locals) saved_[k++] = std::move(s->value);
    for (size_t i = 0; i < f.params.size(); ++i) f.params[i]->value = std::move(args[i]);
    for (Symbol* s : f.locals) s->value = Value();
  }
  ~Binder() {
    // In reverse, so that a name given twice gets its outer value back.
    size_t k = saved_.size();
    for (size_t i = f_.locals.size(); i-- > 0;) f_.locals[i]->value = std::move(saved_[--k]);
    for (size_t i = f_.params.size(); i-- > 0;) f_.params[i]->value = std::move(saved_[--k]);
  }

 private:
  const UserFunc& f_;
  ArgVec saved_;
};

}  // namespace

bool Environment::isFunction(const Value& v) {
  switch (v.type()) {
    case Type::Subr:
    case Type::UserFunc:
    case Type::External: return true;
    case Type::Cons: {
      const Value& head = v.consPtr()->car;
      return (head.type() == Type::Symbol && head.asSymbol()->name == "LAMBDA") ||
             isListFunction(v);
    }
    default: return false;
  }
}

Value Environment::eval(const Value& x) {
  switch (x.type()) {
    case Type::Symbol: return x.asSymbol()->value;
    case Type::Cons: return evalForm(*x.consPtr());
    default: return x;
  }
}

Value Environment::progn(const Value& forms) {
  Value result;
  for (const Cons* c = forms.consPtr(); c; c = c->cdr.consPtr()) result = eval(c->car);
  return result;
}

Value Environment::evalForm(const Cons& form) {
  DepthGuard depth(*this);
  PosGuard at(*this, form.pos);
  const Value& head = form.car;
  Value fn;  // held here: the call may redefine the function it runs
  if (head.type() == Type::Symbol) {
    fn = head.asSymbol()->value;
    if (fn.isNil()) raiseUndefined(*head.asSymbol());
    if (fn.type() == Type::Subr && fn.asSubr()->form) return fn.asSubr()->form(*this, form.cdr);
  } else if (head.type() == Type::Cons) {
    fn = eval(head);
  } else {
    raise("fonction incorrecte: " + toText(head, true));
  }
  const long n = listLength(form.cdr);
  if (n < 0) raise("liste d'arguments incorrecte: " + toText(form.cdr, true));
  ArgVec args(static_cast<size_t>(n));
  size_t i = 0;
  for (const Cons* c = form.cdr.consPtr(); c; c = c->cdr.consPtr()) args[i++] = eval(c->car);
  return apply(fn, args.data(), args.size());
}

Value Environment::apply(const Value& fn, Value* args, size_t n) {
  switch (fn.type()) {
    case Type::Subr: {
      const Subr& s = *fn.asSubr();
      if (s.form) return callForm(s, args, n);
      if (static_cast<long>(n) < s.minArgs) raise(kTooFewArgs);
      if (s.maxArgs >= 0 && static_cast<long>(n) > s.maxArgs) raise(kTooManyArgs);
      Args a(*this, s, args, n);
      return s.fn(a);
    }
    case Type::UserFunc: return callUser(*fn.userFuncPtr(), args, n);
    case Type::External: return callExternal(*fn.externalPtr(), args, n);
    case Type::Symbol: {
      // One step only: a symbol whose value is a symbol is not followed further.
      const Value target = fn.asSymbol()->value;
      if (target.isNil()) raiseUndefined(*fn.asSymbol());
      if (target.type() == Type::Symbol) raise("fonction incorrecte: " + toText(target, true));
      return apply(target, args, n);
    }
    case Type::Cons:
      if (isListFunction(fn)) {
        const Value made = makeFunction(nullptr, fn.consPtr()->car, fn.consPtr()->cdr);
        return callUser(*made.userFuncPtr(), args, n);
      }
      if (isFunction(fn)) {
        const Cons& c = *fn.consPtr();
        const Cons* rest = c.cdr.consPtr();
        if (!rest) raise("fonction incorrecte: " + toText(fn, true));
        const Value made = makeFunction(nullptr, rest->car, rest->cdr);
        return callUser(*made.userFuncPtr(), args, n);
      }
      break;
    default: break;
  }
  raise("fonction incorrecte: " + toText(fn, true));
}

// A special form reached through apply or mapcar: its operands are the values, quoted.
Value Environment::callForm(const Subr& s, Value* args, size_t n) {
  Symbol* quote = symbols.intern("QUOTE");
  if (quote->value.type() == Type::Subr && quote->value.asSubr() == &s && n == 1) return args[0];
  ListBuilder operands;
  for (size_t i = 0; i < n; ++i) operands.add(cons(Value::symbol(quote), cons(args[i], Value())));
  return s.form(*this, operands.take());
}

Value Environment::makeFunction(Symbol* name, const Value& lambdaList, const Value& body) {
  if (!lambdaList.isList()) raiseType("listp", lambdaList);
  UserFunc* f = new UserFunc;
  Value result = Value::adopt(Type::UserFunc, f);
  f->name = name;
  f->body = body;
  bool locals = false;
  for (const Cons* c = lambdaList.consPtr(); c; c = c->cdr.consPtr()) {
    if (c->car.type() != Type::Symbol) raiseType("symbolp", c->car);
    Symbol* s = c->car.asSymbol();
    if (s->name == "/" && !locals) {
      locals = true;
      continue;
    }
    if (s->constant) raise("symbole protégé: " + s->name);
    (locals ? f->locals : f->params).push_back(s);
  }
  return result;
}

Value Environment::callUser(UserFunc& f, Value* args, size_t n) {
  if (n < f.params.size()) raise(kTooFewArgs);
  if (n > f.params.size()) raise(kTooManyArgs);
  const Value keep = Value::adopt(Type::UserFunc, &f);  // survives its own redefinition
  Binder bind(f, args);
  try {
    return progn(f.body);
  } catch (LispError& e) {
    onErrorInFrame(e);
    throw;
  }
}

Value Environment::callExternal(const External& f, Value* args, size_t n) {
  RbList in = argsToResbuf(*this, args, n);
  resbuf* out = nullptr;
  const ModuleLink& link = host::context().state<ModuleLink>();
  const int status = link.invoke ? link.invoke(f.moduleId, f.funcCode, in.get(), &out) : RTERROR;
  RbList result(out);
  if (status != RTNORM) return Value();
  return resbufToValue(*this, result.get());
}

void Environment::onErrorInFrame(LispError& e) {
  if (e.pos == 0) e.pos = pos_;
  if (e.state != LispError::Fresh || e.unwindFirst || catching_ > 0) return;
  const Value handler = errorHandler->value;
  if (inHandler_ || !isFunction(handler)) {
    e.state = LispError::Report;
    return;
  }
  e.state = LispError::Handled;
  callHandler(handler, e.message);
}

void Environment::callHandler(const Value& handler, const std::string& message) {
  struct Flag {
    bool& f;
    explicit Flag(bool& b) : f(b) { f = true; }
    ~Flag() { f = false; }
  } running(inHandler_);
  Value arg = makeString(message);
  try {
    apply(handler, &arg, 1);
  } catch (LispError& inner) {
    // A failing handler is reported as such, never handled again.
    if (inner.pos == 0) inner.pos = pos_;
    inner.state = LispError::Report;
    throw;
  }
}

void Environment::report(LispError& e) {
  if (e.pos == 0) e.pos = pos_;
  if (e.state == LispError::Fresh) {
    const Value handler = errorHandler->value;
    if (!inHandler_ && isFunction(handler)) {
      e.state = LispError::Handled;
      try {
        callHandler(handler, e.message);
      } catch (LispError& inner) {
        printError(inner);
      }
      return;
    }
    e.state = LispError::Report;
  }
  if (e.state == LispError::Report) printError(e);
}

void Environment::printError(const LispError& e) {
  std::string line = atLineStart_ ? "" : "\n";
  line += "; erreur: " + e.message + location(e.pos) + "\n";
  print(line);
}

}  // namespace lisp
