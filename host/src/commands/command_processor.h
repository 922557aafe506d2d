// Runs host commands from their arguments, the way the command line does: a
// command may wait for more arguments across calls (the LISP command function)
// until it ends or is cancelled. Reactors hear of every start, end and cancel.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "commands/command.h"

namespace host {

struct SavedView {
  double center[3] = {0, 0, 0};
  double height = 0;
};

class CommandProcessor {
 public:
  // Runs command names and their arguments. With `finish`, a command still
  // waiting when the arguments run out is ended as by Enter (acedCommandS);
  // without, it waits for the next call. RTNORM, RTERROR (unknown command,
  // argument that does not fit: the rest is not run) or RTCAN (the user
  // cancelled a pause).
  int run(const std::vector<CmdToken>& tokens, bool finish);
  // Cancels a waiting command, as (command) with no argument does.
  void cancel();
  bool pending() const { return current_ != nullptr; }
  std::string pendingName() const { return current_ ? current_->name() : ""; }

  // REGEN / REGENALL runs, for scripts and tests to see.
  int regenerations() const { return regenerations_; }
  void countRegeneration() { ++regenerations_; }
  // Views left by ZOOM, newest last, per drawing.
  std::vector<SavedView>& viewHistory(const Document& doc);

 private:
  int start(const CmdToken& t);
  int feed(CmdToken t);
  int end(Command::Step step, bool byUser = false);
  bool documentOpen() const;

  std::unique_ptr<Command> current_;
  Document* doc_ = nullptr;
  bool busy_ = false;
  int regenerations_ = 0;
  std::map<int64_t, std::vector<SavedView>> views_;  // by database serial
};

CommandProcessor& commandProcessor();

// The built-in command of a normalised name (upper-case, no prefix), or nullptr.
std::unique_ptr<Command> makeBuiltinCommand(const std::string& name, Document& doc,
                                            CommandProcessor& processor);

// "_.line" -> "LINE": prefixes "_", ".", "'" dropped, upper-case.
std::string normalizeCommandName(const std::string& typed);

}  // namespace host
