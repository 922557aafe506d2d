// The host itself: getvar setvar command command-s arxload arxunload arx exit quit.
#include <cstdlib>
#include <filesystem>

#include "acedads.h"
#include "core/module_loader.h"
#include "core/session.h"
#include "lisp/args.h"
#include "lisp/error.h"
#include "lisp/host_link.h"
#include "lisp/printer.h"
#include "lisp/resbuf_convert.h"
#include "lisp/subr.h"

namespace lisp {

namespace {

Value sGetvar(Args& a) {
  resbuf rb{};
  if (acedGetVar(a.string(0).c_str(), &rb) != RTNORM) return Value();
  struct Release {
    resbuf& rb;
    ~Release() {
      if (rb.restype == RTSTR) std::free(rb.resval.rstring);
    }
  } release{rb};
  rb.rbnext = nullptr;
  return resbufToValue(a.env(), &rb);
}

Value sSetvar(Args& a) {
  const std::string& name = a.string(0);
  RbList value = valueToResbuf(a.env(), a[1]);
  const bool single = value && !value->rbnext;
  if (!single || acedSetVar(name.c_str(), value.get()) != RTNORM)
    raise("définition de variable système rejetée: " + toText(a[0], true) + " " +
          toText(a[1], true));
  return a[1];
}

// (command arg ...): the arguments go to the host's command processor, which
// may keep a command open for the next call. "" is Enter; no argument cancels.
Value sCommand(Args& a) {
  RbList args = argsToResbuf(a.env(), a.data(), a.size());
  acedCmdS(args.get());
  return Value();
}

// (command-s arg ...): the command runs to its end within the call; T when it
// did, nil when it failed or was cancelled.
Value sCommandS(Args& a) {
  RbList args = argsToResbuf(a.env(), a.data(), a.size());
  return a.truth(acedCmdS(args.get()) == RTNORM);
}

Value sArxload(Args& a) {
  const std::string& name = a.string(0);
  std::string error;
  if (host::session().modules().load(name, error)) return a[0];
  if (a.has(1)) return a[1];
  raise("échec du chargement de l'application " + name + ": " + error);
}

Value sArxunload(Args& a) {
  const std::string& name = a.string(0);
  std::string error;
  if (host::session().modules().unload(name, error)) return a[0];
  if (a.has(1)) return a[1];
  raise("échec du déchargement de l'application " + name + ": " + error);
}

Value sArx(Args&) {
  ListBuilder names;
  for (const auto& m : host::session().modules().modules())
    names.add(makeString(std::filesystem::path(m->path).filename().string()));
  return names.take();
}

Value sExit(Args&) { raise(kQuit); }

const Subr kSubrs[] = {
    {"GETVAR", sGetvar, nullptr, 1, 1},    {"SETVAR", sSetvar, nullptr, 2, 2},
    {"COMMAND", sCommand, nullptr, 0, -1}, {"COMMAND-S", sCommandS, nullptr, 0, -1},
    {"ARXLOAD", sArxload, nullptr, 1, 2},  {"ARXUNLOAD", sArxunload, nullptr, 1, 2},
    {"ARX", sArx, nullptr, 0, 0},          {"EXIT", sExit, nullptr, 0, 0},
    {"QUIT", sExit, nullptr, 0, 0},
};

void registerSystemSubrs(Environment& env) { env.define(kSubrs, std::size(kSubrs)); }

const SubrGroup kGroup(registerSystemSubrs);

}  // namespace

}  // namespace lisp
