// The running host: it owns every piece of its mutable state. Its own parts are
// the open documents, the loaded modules, the command stack, the command-line
// output, the scripted user and the reactors; each layer above keeps the rest
// as the session's state (Context::state), so a fresh session starts clean.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "acdocman.h"
#include "aced.h"
#include "base/answers.h"
#include "base/context.h"
#include "base/sysvars.h"
#include "core/command_stack.h"
#include "db/database.h"

namespace lisp {
class Interpreter;
}

namespace host {

class ModuleLoader;

// One open drawing: its database, system variables and LISP namespace.
class Document : public AcApDocument {
 public:
  explicit Document(std::string path);
  ~Document() override;
  const char* fileName() const override { return path_.c_str(); }
  const char* docTitle() const override { return title_.c_str(); }
  AcDbDatabase* database() const override { return db_.get(); }

  db::Database& db() { return *db_; }
  SysVars& vars() { return vars_; }
  lisp::Interpreter& lisp() { return *lisp_; }
  const std::string& path() const { return path_; }
  // Renames the drawing (save as): path, DWGPREFIX, DWGNAME and the title follow.
  void setPath(std::string path);
  // Swaps in a database read from a file.
  void replaceDatabase(std::unique_ptr<db::Database> db);

  // Undo groups opened with _undo _be and not yet closed, and the closed ones.
  int openUndoGroups = 0;
  int closedUndoGroups = 0;

 private:
  std::string path_, title_;
  std::unique_ptr<db::Database> db_;
  SysVars vars_;
  std::unique_ptr<lisp::Interpreter> lisp_;
};

// A temporary vector drawn with acedGrDraw, kept for tests and reports.
struct GrVector {
  double from[3], to[3];
  int color, highlight;
};

class Session : public Context {
 public:
  // Installs itself as the host's session until it is destroyed.
  Session();
  ~Session() override;

  // Documents. The first is made by the host at start.
  Document& current() { return *documents_[current_]; }
  Document* currentPtr() { return documents_.empty() ? nullptr : documents_[current_].get(); }
  size_t documentCount() const { return documents_.size(); }
  Document& document(size_t i) { return *documents_[i]; }
  Document& newDocument(std::string path);  // made current; reactors told
  void activate(size_t index);              // reactors told
  void closeDocument(size_t index);         // reactors told, modules unload it
  // Runs fn with each open drawing current in turn (no reactor is told), as the
  // host does when it sends a module the messages of every drawing.
  void forEachDocument(const std::function<void()>& fn);

  void print(std::string_view text) override;
  // Where printed text goes instead of standard output (nullptr: back to it).
  void setOutput(std::function<void(std::string_view)> sink);

  ScriptedUser& user() override { return user_; }
  SysVars* currentVars() override;
  std::vector<std::string> moduleDirectories() const override;

  ModuleLoader& modules() { return *modules_; }
  CommandStack& commandStack() { return commandStack_; }

  // Reactors.
  std::vector<AcApDocManagerReactor*> docReactors;
  std::vector<AcEditorReactor*> editorReactors;
  void notifyCommandWillStart(const std::string& cmd);
  void notifyCommandEnded(const std::string& cmd);
  void notifyCommandCancelled(const std::string& cmd);
  void notifyBeginSave(const std::string& intendedName);
  void notifySaveComplete(const std::string& actualName);

  std::vector<GrVector> grVectors;
  std::string mainWindowCaption = "cadhost";
  // Progress bar state for modules' progress messages (shown on a terminal).
  std::vector<void*> resourceStack;

 private:
  ContextInstallation installed_;  // first in, last out
  std::function<void(std::string_view)> out_;
  ScriptedUser user_;
  std::unique_ptr<ModuleLoader> modules_;
  CommandStack commandStack_;
  std::vector<std::unique_ptr<Document>> documents_;
  size_t current_ = 0;
};

// The session the host runs in: the newest one alive, or the process's own,
// made on first use and kept to the end of the process.
Session& session();

}  // namespace host
