// The interpreter's face to the host: every entry point catches whatever
// happens inside, so no exception reaches the caller.
#include "lisp/interpreter.h"

#include <new>

#include "adsdef.h"
#include "base/context.h"
#include "base/host_errors.h"
#include "lisp/arg_vec.h"
#include "lisp/environment.h"
#include "lisp/resbuf_convert.h"

namespace lisp {

namespace {

// Runs `body`, turning anything thrown into a reported LISP error. The
// evaluation position is restored for the caller, which may itself be running.
template <class Body>
bool guarded(Environment& env, Body body) {
  const uint32_t saved = env.currentPos();
  bool ok = false;
  try {
    try {
      body();
      ok = true;
    } catch (LispError& e) {
      env.report(e);
    } catch (const std::bad_alloc&) {
      LispError e{"mémoire insuffisante", 0, LispError::Report};
      env.report(e);
    } catch (const std::exception& x) {
      LispError e{std::string("erreur interne: ") + x.what(), 0, LispError::Report};
      env.report(e);
    }
  } catch (...) {
    // Reporting failed too (no memory left): the caller still sees the failure.
  }
  env.setCurrentPos(saved);
  return ok;
}

}  // namespace

Interpreter::Interpreter() : env_(std::make_unique<Environment>()) {}
Interpreter::~Interpreter() = default;

bool Interpreter::run(std::string_view source, std::string_view sourceName, bool echoResults) {
  Environment& env = *env_;
  return guarded(env, [&] { env.runText(source, env.sourceIndex(sourceName), echoResults); });
}

// Symbol exchange fails quietly (ERRNO set): a module asking for a value it
// cannot hold is not an error of the LISP program.
int Interpreter::getSym(std::string_view name, resbuf** out) {
  *out = nullptr;
  Environment& env = *env_;
  Symbol* s = env.symbols.find(name);
  if (!s || s->value.isNil()) return RTNORM;
  try {
    *out = valueToResbuf(env, s->value).release();
    return RTNORM;
  } catch (...) {
    host::context().setErrno(host::kErrInvalidSymbolValue);
    return RTERROR;
  }
}

int Interpreter::putSym(std::string_view name, const resbuf* value) {
  Environment& env = *env_;
  try {
    Symbol* s = env.symbols.intern(name);
    if (!s->constant) {
      s->value = resbufToValue(env, value);
      return RTNORM;
    }
  } catch (...) {
  }
  host::context().setErrno(host::kErrInvalidSymbolName);
  return RTERROR;
}

void Interpreter::defineExternal(std::string_view name, int moduleId, int funcCode) {
  Environment& env = *env_;
  guarded(env, [&] {
    Symbol* s = env.symbols.intern(name);
    if (s->constant) return;
    External* f = new External;
    Value v = Value::adopt(Type::External, f);
    f->name = s;
    f->moduleId = moduleId;
    f->funcCode = funcCode;
    s->value = std::move(v);
  });
}

bool Interpreter::undefineExternal(std::string_view name, int moduleId, int funcCode) {
  Symbol* s = env_->symbols.find(name);
  if (!s) return false;
  const External* f = s->value.externalPtr();
  if (!f || f->moduleId != moduleId || f->funcCode != funcCode) return false;
  s->value = Value();
  return true;
}

bool Interpreter::isFunction(std::string_view name) const {
  const Symbol* s = env_->symbols.find(name);
  return s && Environment::isFunction(s->value);
}

int Interpreter::invoke(const resbuf* args, resbuf** result) {
  *result = nullptr;
  Environment& env = *env_;
  if (!args || args->restype != RTSTR || !args->resval.rstring) {
    host::context().setErrno(host::kErrInvalidSymbolName);
    return RTERROR;
  }
  Symbol* fn = env.symbols.find(args->resval.rstring);
  if (!fn || !Environment::isFunction(fn->value)) {
    host::context().setErrno(host::kErrInvalidSymbolName);
    return RTERROR;
  }
  RbList out;
  const bool ok = guarded(env, [&] {
    // Each top-level item after the name is one argument.
    const Value items = resbufToItems(env, args->rbnext);
    ArgVec call(static_cast<size_t>(listLength(items)));
    size_t i = 0;
    for (const Cons* c = items.consPtr(); c; c = c->cdr.consPtr()) call[i++] = c->car;
    const Value result = env.apply(Value::symbol(fn), call.data(), call.size());
    out = valueToResbuf(env, result);
  });
  if (!ok) return RTERROR;
  *result = out.release();
  return RTNORM;
}

}  // namespace lisp
