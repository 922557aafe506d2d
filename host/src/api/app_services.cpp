// The host's application objects: document manager, editor, command stack,
// dynamic linker, service registry, main window and database services.
#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "acdocman.h"
#include "aced.h"
#include "base/guarded_call.h"
#include "core/command_stack.h"
#include "core/module_loader.h"
#include "core/session.h"
#include "dbtables.h"
#include "dxf/dxf.h"
#include "rxapi.h"

namespace host {
namespace {

size_t indexOf(AcApDocument* doc) {
  Session& s = session();
  for (size_t i = 0; i < s.documentCount(); ++i)
    if (&s.document(i) == doc) return i;
  return s.documentCount();
}

class DocManager : public AcApDocManager {
 public:
  AcApDocument* curDocument() const override { return session().currentPtr(); }
  AcApDocument* mdiActiveDocument() const override { return session().currentPtr(); }
  int documentCount() const override { return static_cast<int>(session().documentCount()); }
  void addReactor(AcApDocManagerReactor* r) override {
    auto& v = session().docReactors;
    if (r && std::find(v.begin(), v.end(), r) == v.end()) v.push_back(r);
  }
  void removeReactor(AcApDocManagerReactor* r) override { std::erase(session().docReactors, r); }
  int appContextOpenDocument(const ACHAR* fileName) override {
    return guardedCall(
        "appContextOpenDocument",
        [&]() -> int {
          if (!fileName) return Acad::eInvalidInput;
          std::string error;
          std::vector<std::string> notes;
          auto db = dxf::read(toFsPathString(fileName), error, &notes);
          if (!db) {
            session().print("Impossible d'ouvrir " + std::string(fileName) + ": " + error + "\n");
            return Acad::eInvalidInput;
          }
          Document& doc = session().newDocument(fileName);
          doc.replaceDatabase(std::move(db));
          return Acad::eOk;
        },
        static_cast<int>(Acad::eInvalidInput));
  }
  int appContextNewDocument(const ACHAR* templateName) override {
    return guardedCall(
        "appContextNewDocument",
        [&]() -> int {
          std::unique_ptr<db::Database> db;
          if (templateName && *templateName) {
            std::string error;
            std::vector<std::string> notes;
            db = dxf::read(toFsPathString(templateName), error, &notes);
            if (!db) {
              session().print("Gabarit illisible " + std::string(templateName) + ": " + error +
                              "\n");
              return Acad::eInvalidInput;
            }
          }
          Document& doc = session().newDocument(std::string());
          if (db) doc.replaceDatabase(std::move(db));
          return Acad::eOk;
        },
        static_cast<int>(Acad::eInvalidInput));
  }
  int setCurDocument(AcApDocument* doc) override { return activateDocument(doc); }
  int activateDocument(AcApDocument* doc) override {
    const size_t i = indexOf(doc);
    if (i >= session().documentCount()) return Acad::eInvalidInput;
    session().activate(i);
    return Acad::eOk;
  }
  void pushResourceHandle(void* instance) override { session().resourceStack.push_back(instance); }
  void popResourceHandle() override {
    if (!session().resourceStack.empty()) session().resourceStack.pop_back();
  }

 private:
  static std::string toFsPathString(const char* p) {
    std::string s(p);
    std::replace(s.begin(), s.end(), '\\', '/');
    return s;
  }
};

class Editor : public AcEditor {
 public:
  void addReactor(AcEditorReactor* r) override {
    auto& v = session().editorReactors;
    if (r && std::find(v.begin(), v.end(), r) == v.end()) v.push_back(r);
  }
  void removeReactor(AcEditorReactor* r) override { std::erase(session().editorReactors, r); }
};

class DynamicLinker : public AcRxDynamicLinker, public AcRxService {
 public:
  bool unlockApplication(void* appId) override {
    locked_.erase(appId);
    return known(appId);
  }
  bool lockApplication(void* appId) override {
    return known(appId) && locked_.insert(appId).second;
  }
  bool registerAppMDIAware(void* appId) override { return setMdi(appId, true); }
  bool registerAppNotMDIAware(void* appId) override { return setMdi(appId, false); }
  bool isApplicationMDIAware(void* appId) const override {
    for (const auto& m : session().modules().modules())
      if (m->handle == appId) return m->mdiAware;
    return false;
  }
  const ACHAR* serviceName() const override { return "DynamicLinker"; }

 private:
  static bool known(void* appId) {
    for (const auto& m : session().modules().modules())
      if (m->handle == appId) return true;
    return false;
  }
  static bool setMdi(void* appId, bool on) {
    for (const auto& m : session().modules().modules())
      if (m->handle == appId) {
        m->mdiAware = on;
        return true;
      }
    return false;
  }
  std::set<void*> locked_;
};

class HostServices : public AcDbHostApplicationServices {
 public:
  AcDbDatabase* workingDatabase() const override {
    Document* doc = session().currentPtr();
    return doc ? doc->database() : nullptr;
  }
};

// Stateless: they forward to the session.
DocManager theDocManager;
Editor theEditor;
HostServices theHostServices;

// The session's dynamic linker and service registry.
struct Services {
  DynamicLinker linker;
  std::map<std::string, AcRxService*> byName{{"DynamicLinker", &linker}};
};

DynamicLinker& linker() { return session().state<Services>().linker; }

std::map<std::string, AcRxService*>& services() { return session().state<Services>().byName; }

}  // namespace
}  // namespace host

extern "C" {

AcApDocManager* acDocManagerPtr() { return &host::theDocManager; }

AcEditor* acedEditorPtr() { return &host::theEditor; }

AcEdCommandStack* acedRegCmdsPtr() {
  return host::guardedCall(__func__, [&]() -> AcEdCommandStack* { return &host::commandStack(); });
}

void acedSetMainWindowCaption(const ACHAR* caption) {
  return host::guardedCall(
      __func__, [&]() -> void { host::session().mainWindowCaption = caption ? caption : ""; });
}

const ACHAR* acedGetMainWindowCaption() {
  return host::guardedCall(
      __func__, [&]() -> const ACHAR* { return host::session().mainWindowCaption.c_str(); });
}

AcRxDynamicLinker* acrxDynamicLinkerInstance() {
  return host::guardedCall(__func__, [&]() -> AcRxDynamicLinker* { return &host::linker(); });
}

AcRxService* acrxServiceLookup(const ACHAR* name) {
  return host::guardedCall(__func__, [&]() -> AcRxService* {
    if (!name) return nullptr;
    auto it = host::services().find(name);
    return it == host::services().end() ? nullptr : it->second;
  });
}

bool acrxServiceRegister(AcRxService* service) {
  return host::guardedCall(__func__, [&]() -> bool {
    if (!service || !service->serviceName()) return false;
    return host::services().emplace(service->serviceName(), service).second;
  });
}

void acrxServiceUnregister(const ACHAR* name) {
  return host::guardedCall(__func__, [&]() -> void {
    if (name) host::services().erase(name);
  });
}

AcDbHostApplicationServices* acdbHostApplicationServices() { return &host::theHostServices; }

}  // extern "C"
