#include "core/session.h"

#include <cstdio>
#include <filesystem>

#include "core/module_loader.h"
#include "db/drawing_settings.h"
#include "lisp/host_link.h"
#include "lisp/interpreter.h"

namespace host {

namespace {

// Splits a path written with "\" or "/" into directory (with its separator) and file name.
void splitPath(const std::string& path, std::string& dir, std::string& name) {
  const size_t cut = path.find_last_of("\\/");
  if (cut == std::string::npos) {
    dir.clear();
    name = path;
  } else {
    dir = path.substr(0, cut + 1);
    name = path.substr(cut + 1);
  }
}

}  // namespace

Document::Document(std::string path)
    : db_(std::make_unique<db::Database>()), lisp_(std::make_unique<lisp::Interpreter>()) {
  setPath(std::move(path));
}

Document::~Document() = default;

void Document::setPath(std::string path) {
  path_ = std::move(path);
  std::string dir, name;
  if (path_.empty()) {
    name = "Dessin1.dwg";
  } else {
    std::error_code ec;
    const std::filesystem::path abs = std::filesystem::absolute(path_, ec);
    splitPath(ec ? path_ : abs.string(), dir, name);
  }
  title_ = name;
  vars_.setText("DWGPREFIX", dir);
  vars_.setText("DWGNAME", name);
  vars_.setInt("DWGTITLED", path_.empty() ? 0 : 1);
}

void Document::replaceDatabase(std::unique_ptr<db::Database> db) {
  db_ = std::move(db);
  vars_.setText("CLAYER", db_->layers.at(db_->currentLayer).name);
  headerToSysVars(*db_, vars_);
}

Session::Session() : installed_(this), modules_(std::make_unique<ModuleLoader>()) {
  state<lisp::ModuleLink>().invoke = [this](int moduleId, int funcCode, const resbuf* args,
                                            resbuf** result) {
    return modules_->invoke(moduleId, funcCode, args, result);
  };
  documents_.push_back(std::make_unique<Document>(std::string()));
}

// The layers' states go first: they may still reach the documents and modules.
Session::~Session() { clearStates(); }

SysVars* Session::currentVars() {
  Document* doc = currentPtr();
  return doc ? &doc->vars() : nullptr;
}

std::vector<std::string> Session::moduleDirectories() const {
  std::vector<std::string> dirs;
  for (const auto& m : modules_->modules())
    dirs.push_back(std::filesystem::path(m->path).parent_path().string());
  return dirs;
}

Document& Session::newDocument(std::string path) {
  documents_.push_back(std::make_unique<Document>(std::move(path)));
  Document* doc = documents_.back().get();
  for (auto* r : std::vector<AcApDocManagerReactor*>(docReactors)) r->documentCreated(doc);
  activate(documents_.size() - 1);
  modules_->sendToAll(AcRx::kLoadDwgMsg);
  return *doc;
}

void Session::activate(size_t index) {
  if (index >= documents_.size() || index == current_) return;
  Document* doc = documents_[index].get();
  for (auto* r : std::vector<AcApDocManagerReactor*>(docReactors)) r->documentToBeActivated(doc);
  current_ = index;
  for (auto* r : std::vector<AcApDocManagerReactor*>(docReactors)) r->documentActivated(doc);
}

void Session::closeDocument(size_t index) {
  if (index >= documents_.size()) return;
  const size_t previous = current_;
  current_ = index;  // modules unload the drawing that is being closed
  modules_->sendToAll(AcRx::kUnloadDwgMsg);
  Document* doc = documents_[index].get();
  for (auto* r : std::vector<AcApDocManagerReactor*>(docReactors)) r->documentToBeDestroyed(doc);
  documents_.erase(documents_.begin() + static_cast<long>(index));
  if (documents_.empty()) {
    current_ = 0;
    return;
  }
  current_ = previous > index ? previous - 1 : (previous == index ? 0 : previous);
  if (current_ >= documents_.size()) current_ = documents_.size() - 1;
}

void Session::forEachDocument(const std::function<void()>& fn) {
  const size_t saved = current_;
  for (size_t i = 0; i < documents_.size(); ++i) {
    current_ = i;
    fn();
  }
  current_ = saved < documents_.size() ? saved : 0;
}

void Session::print(std::string_view text) {
  if (out_) {
    out_(text);
  } else {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
  }
}

void Session::setOutput(std::function<void(std::string_view)> sink) { out_ = std::move(sink); }

void Session::notifyCommandWillStart(const std::string& cmd) {
  for (auto* r : std::vector<AcEditorReactor*>(editorReactors)) r->commandWillStart(cmd.c_str());
}
void Session::notifyCommandEnded(const std::string& cmd) {
  for (auto* r : std::vector<AcEditorReactor*>(editorReactors)) r->commandEnded(cmd.c_str());
}
void Session::notifyCommandCancelled(const std::string& cmd) {
  for (auto* r : std::vector<AcEditorReactor*>(editorReactors)) r->commandCancelled(cmd.c_str());
}
void Session::notifyBeginSave(const std::string& intendedName) {
  for (auto* r : std::vector<AcEditorReactor*>(editorReactors))
    r->beginSave(current().database(), intendedName.c_str());
  modules_->sendToAll(AcRx::kSaveMsg);
}
void Session::notifySaveComplete(const std::string& actualName) {
  for (auto* r : std::vector<AcEditorReactor*>(editorReactors))
    r->saveComplete(current().database(), actualName.c_str());
}

namespace {

// Never destroyed: modules unloaded at exit may still call the host.
Context& processSession() { return *new Session(); }

const bool factoryInstalled = (installContextFactory(processSession), true);

}  // namespace

Session& session() { return static_cast<Session&>(context()); }

}  // namespace host
