#include "core/module_loader.h"

#include <dlfcn.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "acedads.h"
#include "core/session.h"
#include "platform/support_path.h"

namespace host {
namespace {

std::string lower(std::string_view s) {
  std::string l(s);
  for (char& c : l) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return l;
}

std::string stem(const std::string& path) { return std::filesystem::path(path).stem().string(); }

}  // namespace

ModuleLoader::ModuleLoader() = default;

ModuleLoader::~ModuleLoader() {
  if (result_) acutRelRb(result_);
}

AcRx::AppRetCode ModuleLoader::send(LoadedModule& m, AcRx::AppMsgCode msg) {
  LoadedModule* previous = active_;
  active_ = &m;
  AcRx::AppRetCode rc = AcRx::kRetError;
  try {
    rc = m.entry(msg, m.handle);
  } catch (...) {
    session().print("Le module " + m.name + " a laissé échapper une exception (message " +
                    std::to_string(static_cast<int>(msg)) + ")\n");
  }
  active_ = previous;
  return rc;
}

std::string ModuleLoader::moduleDirectory() {
  if (const char* dir = std::getenv("CADHOST_MODULE_DIR"); dir && *dir) return dir;
  Dl_info info;
  if (dladdr(reinterpret_cast<void*>(&ModuleLoader::moduleDirectory), &info) && info.dli_fname)
    return std::filesystem::path(info.dli_fname).parent_path().string();
  return ".";
}

std::string ModuleLoader::resolve(std::string_view nameOrPath) {
  namespace fs = std::filesystem;
  const std::string given = toFsPath(nameOrPath);
  std::error_code ec;
  if (fs::is_regular_file(given, ec)) return given;
  const std::string withExt = fs::path(given).has_extension() ? given : given + ".arx";
  const fs::path inDir = fs::path(moduleDirectory()) / withExt;
  if (fs::is_regular_file(inDir, ec)) return inDir.string();
  if (auto found = findSupportFile(withExt)) return *found;
  return given;
}

bool ModuleLoader::load(const std::string& requested, std::string& error) {
  const std::string path = resolve(requested);
  const std::string name = stem(path);
  if (find(name)) {
    error = "module " + name + " déjà chargé";
    session().setErrno(74);
    return false;
  }
  std::error_code ec;
  // dlopen searches the library path for a bare name: give it the file itself.
  const std::string file =
      std::filesystem::exists(path, ec) ? std::filesystem::absolute(path, ec).string() : path;
  void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* why = dlerror();
    error = why ? why : "dlopen a échoué";
    session().setErrno(73);
    return false;
  }
  auto version = reinterpret_cast<AcrxGetApiVersionFn>(dlsym(handle, "acrxGetApiVersion"));
  auto entry = reinterpret_cast<AcrxEntryPointFn>(dlsym(handle, "acrxEntryPoint"));
  if (!entry || !version) {
    error = std::string("point d'entrée ") + (entry ? "acrxGetApiVersion" : "acrxEntryPoint") +
            " absent";
    dlclose(handle);
    session().setErrno(76);
    return false;
  }
  if (version() != ACRX_API_VERSION) {
    error = "version d'interface incompatible";
    dlclose(handle);
    session().setErrno(77);
    return false;
  }
  auto m = std::make_unique<LoadedModule>();
  m->id = nextId_++;
  m->name = name;
  m->path = std::filesystem::absolute(path).string();
  m->handle = handle;
  m->entry = entry;
  LoadedModule& ref = *m;
  modules_.push_back(std::move(m));
  if (send(ref, AcRx::kInitAppMsg) != AcRx::kRetOK) {
    error = "le module a refusé son initialisation";
    modules_.pop_back();
    dlclose(handle);
    session().setErrno(76);
    return false;
  }
  session().forEachDocument([&] { send(ref, AcRx::kLoadDwgMsg); });
  return true;
}

bool ModuleLoader::unload(std::string_view nameOrPath, std::string& error) {
  LoadedModule* m = find(nameOrPath);
  if (!m) {
    error = "module " + std::string(nameOrPath) + " non chargé";
    session().setErrno(80);
    return false;
  }
  if (active_ == m) {
    error = "module " + m->name + " en cours d'exécution";
    session().setErrno(78);
    return false;
  }
  session().forEachDocument([&] { send(*m, AcRx::kUnloadDwgMsg); });
  send(*m, AcRx::kUnloadAppMsg);
  void* handle = m->handle;
  modules_.erase(
      std::find_if(modules_.begin(), modules_.end(), [m](const auto& p) { return p.get() == m; }));
  dlclose(handle);
  return true;
}

void ModuleLoader::unloadAll() {
  while (!modules_.empty()) {
    std::string error;
    const std::string name = modules_.back()->name;
    if (!unload(name, error)) {
      modules_.pop_back();  // cannot happen outside a call; never loop forever
    }
  }
}

void ModuleLoader::quit() {
  for (auto& m : modules_) send(*m, AcRx::kQuitMsg);
}

void ModuleLoader::sendToAll(AcRx::AppMsgCode msg) {
  for (size_t i = 0; i < modules_.size(); ++i) send(*modules_[i], msg);
}

LoadedModule* ModuleLoader::find(std::string_view nameOrPath) {
  const std::string wanted = lower(stem(std::string(nameOrPath)));
  for (auto& m : modules_)
    if (lower(m->name) == wanted) return m.get();
  return nullptr;
}

void ModuleLoader::setResult(resbuf* result) {
  if (result_) acutRelRb(result_);
  result_ = result;
  resultSet_ = true;
}

int ModuleLoader::invoke(int moduleId, int funcCode, const resbuf* args, resbuf** result) {
  *result = nullptr;
  LoadedModule* m = nullptr;
  for (auto& p : modules_)
    if (p->id == moduleId) m = p.get();
  if (!m) {
    session().setErrno(80);
    return RTERROR;
  }
  // Save the exchange of an outer call: module functions may run others through LISP.
  const resbuf* savedArgs = args_;
  const int savedCode = funCode_;
  resbuf* savedResult = result_;
  const bool savedSet = resultSet_;
  args_ = args;
  funCode_ = funcCode;
  result_ = nullptr;
  resultSet_ = false;
  send(*m, AcRx::kInvkSubrMsg);
  *result = result_;
  result_ = savedResult;
  resultSet_ = savedSet;
  args_ = savedArgs;
  funCode_ = savedCode;
  return RTNORM;
}

}  // namespace host
