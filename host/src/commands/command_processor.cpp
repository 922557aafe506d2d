#include "commands/command_processor.h"

#include <cctype>

#include "adsdef.h"
#include "base/ask.h"
#include "core/command_stack.h"
#include "core/session.h"

namespace host {

namespace {

// A command still waiting after this many Enters is cancelled rather than fed forever.
constexpr int kMaxClosingEnters = 16;

// Turns the user's answer to a pause into the argument it stands for.
bool answerToToken(const Answer& a, CmdToken& t) {
  switch (a.kind) {
    case Answer::Enter: t = CmdToken::enter(); return true;
    case Answer::Point:
      t.kind = CmdToken::Point;
      for (int i = 0; i < 3; ++i) t.point[i] = a.point[i];
      return true;
    case Answer::Number:
      t.kind = CmdToken::Number;
      t.number = a.number;
      return true;
    case Answer::Text: t = CmdToken::ofText(a.text); return t.kind != CmdToken::Pause;
    case Answer::Entity:
      t.kind = CmdToken::Entity;
      t.name[0] = a.entity[0];
      t.name[1] = a.entity[1];
      for (int i = 0; i < 3; ++i) t.point[i] = a.point[i];
      t.hasPoint = true;
      return true;
    default: return false;
  }
}

}  // namespace

std::string normalizeCommandName(const std::string& typed) {
  size_t i = 0;
  while (i < typed.size() && (typed[i] == '_' || typed[i] == '.' || typed[i] == '\'')) ++i;
  std::string name;
  for (; i < typed.size(); ++i)
    name.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(typed[i]))));
  return name;
}

std::vector<SavedView>& CommandProcessor::viewHistory(const Document& doc) {
  return views_[const_cast<Document&>(doc).db().serial()];
}

bool CommandProcessor::documentOpen() const {
  Session& s = session();
  for (size_t i = 0; i < s.documentCount(); ++i)
    if (&s.document(i) == doc_) return true;
  return false;
}

int CommandProcessor::end(Command::Step step, bool byUser) {
  std::unique_ptr<Command> done = std::move(current_);
  const std::string name = done->name();
  if (documentOpen()) doc_->vars().setInt("CMDACTIVE", 0, true);
  Session& s = session();
  if (step == Command::Step::Done) {
    s.notifyCommandEnded(name);
    return RTNORM;
  }
  if (documentOpen()) done->onCancel();
  if (byUser) s.print("*Annuler*\n");
  s.notifyCommandCancelled(name);
  return byUser ? RTCAN : RTERROR;
}

int CommandProcessor::start(const CmdToken& t) {
  Session& s = session();
  if (t.kind != CmdToken::Text) {
    s.print("** Nom de commande attendu, reçu \"" + describeToken(t) + "\" **\n");
    return RTERROR;
  }
  Document* doc = s.currentPtr();
  if (!doc) return RTERROR;
  const std::string name = normalizeCommandName(t.text);
  const bool echo = doc->vars().getInt("CMDECHO", 1) != 0;
  if (echo) s.print("Commande: " + t.text + "\n");
  std::unique_ptr<Command> cmd = makeBuiltinCommand(name, *doc, *this);
  if (!cmd) {
    if (commandStack().find(name)) {
      // A module's command runs to its end here (the stack tells the reactors);
      // it may issue host commands of its own.
      busy_ = false;
      commandStack().run(name);
      busy_ = true;
      return RTNORM;
    }
    s.print("Commande inconnue \"" + name + "\".  Appuyez sur F1 pour obtenir de l'aide.\n");
    s.notifyCommandCancelled(name);
    return RTERROR;
  }
  doc_ = doc;
  current_ = std::move(cmd);
  doc->vars().setInt("CMDACTIVE", 1, true);
  s.notifyCommandWillStart(current_->name());
  const Command::Step step = current_->begin();
  return step == Command::Step::More ? RTNORM : end(step);
}

int CommandProcessor::feed(CmdToken t) {
  Session& s = session();
  if (!documentOpen()) {
    current_.reset();  // its drawing was closed under it
    return RTERROR;
  }
  const std::string prompt = current_->prompt();
  if (t.kind == CmdToken::Pause) {
    const Answer a = askUser(prompt);
    if (a.kind == Answer::Cancel || a.kind == Answer::Break)
      return end(Command::Step::Cancel, true);
    if (!answerToToken(a, t)) {
      s.print("** Réponse ne convenant pas à \"" + prompt + "\" **\n");
      return end(Command::Step::Cancel);
    }
  } else if (doc_->vars().getInt("CMDECHO", 1) != 0) {
    s.print(prompt + describeToken(t) + "\n");
  }
  const Command::Step step = current_->input(t);
  return step == Command::Step::More ? RTNORM : end(step);
}

int CommandProcessor::run(const std::vector<CmdToken>& tokens, bool finish) {
  if (busy_) {
    session().print("** Une commande est déjà en cours d'exécution: appel refusé **\n");
    return RTERROR;
  }
  // Cleared however the run ends, so that a failure cannot lock the command line.
  struct Busy {
    bool& flag;
    explicit Busy(bool& f) : flag(f) { flag = true; }
    ~Busy() { flag = false; }
  } busy(busy_);
  int rc = RTNORM;
  for (const CmdToken& t : tokens) {
    if (!current_) {
      if (t.kind == CmdToken::Enter) continue;  // Enter with no command: nothing to end
      rc = start(t);
    } else {
      rc = feed(t);
    }
    if (rc != RTNORM) break;
  }
  if (finish && rc == RTNORM) {
    for (int i = 0; current_ && i < kMaxClosingEnters && rc == RTNORM; ++i)
      rc = feed(CmdToken::enter());
    if (current_) rc = end(Command::Step::Cancel);
  }
  return rc;
}

void CommandProcessor::cancel() {
  if (current_ && !busy_) {
    busy_ = true;
    end(Command::Step::Cancel, true);
    busy_ = false;
  }
}

CommandProcessor& commandProcessor() { return context().state<CommandProcessor>(); }

}  // namespace host
