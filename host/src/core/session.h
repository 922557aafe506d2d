// The state of the running host: open documents, loaded modules, command-line
// output, the scripted user, reactors and selection sets.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "acdocman.h"
#include "aced.h"
#include "answers.h"
#include "db/database.h"
#include "sysvars.h"

namespace lisp {
class Interpreter;
}

namespace host {

class ModuleLoader;
class SelectionSets;

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

class Session {
 public:
  Session();
  ~Session();

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

  // Command-line output: every print, prompt and module message comes here.
  void print(std::string_view text);
  void setOutput(std::function<void(std::string_view)> sink);

  // Sets ERRNO of the current document; host calls do this when they fail.
  void setErrno(int n);

  ScriptedUser& user() { return user_; }
  ModuleLoader& modules() { return *modules_; }
  SelectionSets& selectionSets() { return *selections_; }

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
  std::vector<std::unique_ptr<Document>> documents_;
  size_t current_ = 0;
  std::function<void(std::string_view)> out_;
  ScriptedUser user_;
  std::unique_ptr<ModuleLoader> modules_;
  std::unique_ptr<SelectionSets> selections_;
};

// The one session of the process.
Session& session();

}  // namespace host
