// Loading modules (shared libraries) and sending them the host's application messages.
#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "rxapi.h"

struct resbuf;

namespace host {

struct LoadedModule {
  int id = 0;
  std::string name;  // file name without directory and extension
  std::string path;
  void* handle = nullptr;
  AcrxEntryPointFn entry = nullptr;
  bool mdiAware = false;
};

class ModuleLoader {
 public:
  ModuleLoader();
  ~ModuleLoader();

  // The directory holding the modules the build made: $CADHOST_MODULE_DIR, else
  // the directory of the host library.
  static std::string moduleDirectory();
  // A module named by path, or by name in the module directory (".arx" added).
  static std::string resolve(std::string_view nameOrPath);

  // Loads a module and sends it the initialise message, then load drawing for
  // every open drawing. On failure returns false with the reason in `error`.
  bool load(const std::string& path, std::string& error);
  // Sends unload drawing for every open drawing and unload application, then closes it.
  bool unload(std::string_view nameOrPath, std::string& error);
  void unloadAll();
  // Sends quit to every module (host shutting down), newest last.
  void quit();

  // Runs a module function for the LISP interpreter: RTNORM with *result the
  // list the module gave with acedRetList (caller frees), or nullptr.
  int invoke(int moduleId, int funcCode, const resbuf* args, resbuf** result);

  // Messages for a drawing being opened, saved or closed.
  void sendToAll(AcRx::AppMsgCode msg);

  const std::vector<std::unique_ptr<LoadedModule>>& modules() const { return modules_; }
  LoadedModule* find(std::string_view nameOrPath);
  // The module whose entry point is running (defuns are recorded against it).
  LoadedModule* active() { return active_; }

  // Exchange with the running module function (acedGetArgs / acedRetList ...).
  const resbuf* currentArgs() const { return args_; }
  int currentFunCode() const { return funCode_; }
  void setResult(resbuf* result);  // takes ownership

  // Makes `args` the current arguments (and `funCode` the running function)
  // for its lifetime, so that code can be run as if the LISP interpreter had
  // called it; restores what was current before.
  class ScopedArgs {
   public:
    ScopedArgs(ModuleLoader& loader, const resbuf* args, int funCode = -1)
        : loader_(loader), savedArgs_(loader.args_), savedCode_(loader.funCode_) {
      loader_.args_ = args;
      loader_.funCode_ = funCode;
    }
    ~ScopedArgs() {
      loader_.args_ = savedArgs_;
      loader_.funCode_ = savedCode_;
    }
    ScopedArgs(const ScopedArgs&) = delete;
    ScopedArgs& operator=(const ScopedArgs&) = delete;

   private:
    ModuleLoader& loader_;
    const resbuf* savedArgs_;
    int savedCode_;
  };

 private:
  AcRx::AppRetCode send(LoadedModule& m, AcRx::AppMsgCode msg);

  std::vector<std::unique_ptr<LoadedModule>> modules_;
  LoadedModule* active_ = nullptr;
  int nextId_ = 1;
  const resbuf* args_ = nullptr;
  int funCode_ = -1;
  resbuf* result_ = nullptr;
  bool resultSet_ = false;
};

}  // namespace host
