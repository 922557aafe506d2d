// What every layer of the host may ask of the running session without knowing
// it: the command line, the scripted user, the current drawing's system
// variables, the loaded modules' directories, and the state each layer keeps
// for the session. The session (core/session.h) is the one implementation.
#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <utility>
#include <vector>

namespace host {

class ScriptedUser;
class SysVars;

class Context {
 public:
  Context() = default;
  Context(const Context&) = delete;
  Context& operator=(const Context&) = delete;
  virtual ~Context();

  // Command-line output: every print, prompt and module message comes here.
  virtual void print(std::string_view text) = 0;
  virtual ScriptedUser& user() = 0;
  // System variables of the current drawing; nullptr when none is open.
  virtual SysVars* currentVars() = 0;
  // Directories of the loaded modules, in load order.
  virtual std::vector<std::string> moduleDirectories() const = 0;

  // Sets ERRNO of the current drawing; host calls do this when they fail.
  void setErrno(int n);

  // The state of type T that a layer keeps for this session: made on first
  // use, destroyed with the session (latest first).
  template <typename T>
  T& state() {
    const std::type_index key(typeid(T));
    for (auto& s : states_)
      if (s.first == key) return static_cast<Holder<T>&>(*s.second).value;
    auto holder = std::make_unique<Holder<T>>();
    T& value = holder->value;
    states_.emplace_back(key, std::move(holder));
    return value;
  }

 protected:
  // Destroys the layers' states; the session calls it before it takes down
  // what they may still use.
  void clearStates();

 private:
  struct HolderBase {
    virtual ~HolderBase() = default;
  };
  template <typename T>
  struct Holder : HolderBase {
    T value;
  };
  std::vector<std::pair<std::type_index, std::unique_ptr<HolderBase>>> states_;
};

// The session the host runs in. Made on first use when no session exists yet
// (see installContextFactory).
Context& context();

// A session installs itself for its lifetime and puts back the one it replaced,
// so that a test can run in a fresh session.
class ContextInstallation {
 public:
  explicit ContextInstallation(Context* c);
  ~ContextInstallation();
  ContextInstallation(const ContextInstallation&) = delete;
  ContextInstallation& operator=(const ContextInstallation&) = delete;

 private:
  Context* previous_;
};

// How context() makes the process's session when none is installed.
void installContextFactory(Context& (*factory)());

}  // namespace host
