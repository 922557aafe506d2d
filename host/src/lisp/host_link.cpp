#include "lisp/host_link.h"

namespace lisp {

namespace {

// Constant-initialised, so groups of any translation unit may join it.
const SubrGroup* firstGroup = nullptr;
void (*releasePickSet)(const int64_t name[2]) = nullptr;

}  // namespace

SubrGroup::SubrGroup(void (*registerSubrs)(Environment&))
    : register_(registerSubrs), next_(firstGroup) {
  firstGroup = this;
}

void SubrGroup::registerAll(Environment& env) {
  for (const SubrGroup* g = firstGroup; g; g = g->next_) g->register_(env);
}

PickSetRelease::PickSetRelease(void (*release)(const int64_t name[2])) { releasePickSet = release; }

void PickSetRelease::release(const int64_t name[2]) {
  if (releasePickSet) releasePickSet(name);
}

}  // namespace lisp
