// Calling a road API callback in-process as LISP would: the arguments are
// written as LISP text, evaluated by the current drawing's interpreter and
// made the host's current arguments while the callback runs.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "acedads.h"
#include "core/module_loader.h"
#include "core/session.h"
#include "lisp/environment.h"
#include "lisp/interpreter.h"
#include "lisp/resbuf_convert.h"
#include "lisp/value.h"

using RAPPEL = resbuf* (*)(int32_t);

// `lispArgs` is the text between the parentheses of the call, e.g.
// "\"AXE1\" 12.5"; "" calls without arguments. Returns what the callback
// returned (the road API returns nullptr).
inline resbuf* appelle(RAPPEL rappel, const char* lispArgs) {
  lisp::Environment& env = host::session().current().lisp().environment();
  const lisp::Value liste = env.runText(std::string("(list ") + lispArgs + ")", 0, false);
  std::vector<lisp::Value> valeurs;
  for (const lisp::Cons* c = liste.consPtr(); c; c = c->cdr.consPtr()) valeurs.push_back(c->car);
  lisp::RbList args = lisp::argsToResbuf(env, valeurs.data(), valeurs.size());
  host::ModuleLoader::ScopedArgs courants(host::session().modules(), args.get());
  return rappel(0);
}
