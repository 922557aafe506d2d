// The scripted user: a queue of answers that prompts, picks and dialogs take from.
#pragma once
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace host {

struct Answer {
  enum Kind {
    Enter,   // the user presses Enter (RTNONE)
    Cancel,  // the user presses Escape (RTCAN)
    Break,   // the user's break key, seen by acedUsrBrk
    Point,   // a picked point
    Number,  // a typed number
    Text,    // a typed text, keyword, file name or button label
    Entity,  // a picked entity (with the pick point)
    Dialog,  // a sequence of dialog actions
  };
  // One step inside a dialog: set a tile/field ("key", "value"), or press a
  // button / pick a control ("key", nullopt).
  struct DialogAction {
    std::string key;
    std::optional<std::string> value;
  };
  Kind kind = Enter;
  double point[3] = {0, 0, 0};
  double number = 0;
  std::string text;
  int64_t entity[2] = {0, 0};
  std::vector<DialogAction> actions;
};

class ScriptedUser {
 public:
  void push(Answer a) { queue_.push_back(std::move(a)); }
  void clear() { queue_.clear(); }
  size_t pending() const { return queue_.size(); }
  // Takes the next answer for a request described by `what` (the prompt or the
  // dialog's title). An empty queue answers Cancel and writes one line saying
  // so, unless the host is interactive, in which case the person is asked.
  Answer take(const std::string& what);
  // Takes the next answer only when it is a Break (for acedUsrBrk).
  bool takeBreak();
  void setInteractive(bool on) { interactive_ = on; }
  bool interactive() const { return interactive_; }

 private:
  std::deque<Answer> queue_;
  bool interactive_ = false;
};

}  // namespace host
