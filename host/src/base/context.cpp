#include "base/context.h"

#include <cstdio>
#include <cstdlib>

#include "base/sysvars.h"

namespace host {

namespace {

Context* current = nullptr;
Context& (*makeProcessContext)() = nullptr;

}  // namespace

Context::~Context() { clearStates(); }

void Context::clearStates() {
  while (!states_.empty()) {
    // Taken out first: a state may reach another one while it goes.
    std::unique_ptr<HolderBase> last = std::move(states_.back().second);
    states_.pop_back();
    last.reset();
  }
}

void Context::setErrno(int n) {
  if (SysVars* vars = currentVars()) vars->setInt("ERRNO", n);
}

Context& context() {
  if (!current && makeProcessContext) makeProcessContext();
  if (!current) {
    // Only a host built without its core could get here.
    std::fputs("cadhost: aucune session\n", stderr);
    std::abort();
  }
  return *current;
}

ContextInstallation::ContextInstallation(Context* c) : previous_(current) { current = c; }

ContextInstallation::~ContextInstallation() { current = previous_; }

void installContextFactory(Context& (*factory)()) { makeProcessContext = factory; }

}  // namespace host
