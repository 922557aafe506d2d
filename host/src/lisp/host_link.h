// What the interpreter reaches in the host above it without naming it: the
// functions that modules define, and the built-ins that upper layers add.
#pragma once
#include <cstdint>
#include <functional>

struct resbuf;

namespace lisp {

class Environment;

// Calls a function a module defined with acedDefun. The session that owns the
// modules fills it in (its state, see base/context.h); unset, such a call fails.
struct ModuleLink {
  std::function<int(int moduleId, int funcCode, const resbuf* args, resbuf** result)> invoke;
};

// Built-ins of the layers above the interpreter (dialogs, selection sets, the
// host's C API), declared as static objects: each is added to every drawing's
// LISP after the language's own.
class SubrGroup {
 public:
  explicit SubrGroup(void (*registerSubrs)(Environment&));
  SubrGroup(const SubrGroup&) = delete;
  SubrGroup& operator=(const SubrGroup&) = delete;

  static void registerAll(Environment& env);

 private:
  void (*register_)(Environment&);
  const SubrGroup* next_;
};

// How a selection set that LISP let go of is freed in the host. The selection
// layer declares it once, as a static object; without it nothing is freed.
class PickSetRelease {
 public:
  explicit PickSetRelease(void (*release)(const int64_t name[2]));
  static void release(const int64_t name[2]);
};

}  // namespace lisp
