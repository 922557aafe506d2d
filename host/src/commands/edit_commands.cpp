// ERASE and UNDO.
#include <memory>

#include "acedads.h"
#include "commands/builtin_commands.h"
#include "commands/object_selection.h"
#include "core/session.h"
#include "db/entity_names.h"
#include "db/entity_ops.h"

namespace host {

namespace {

class EraseCommand : public Command {
 public:
  EraseCommand(Document& d, CommandProcessor& p) : Command(d, p), objects_(d) {}
  const char* name() const override { return "ERASE"; }
  std::string prompt() const override { return "Choix des objets: "; }
  Step input(const CmdToken& t) override {
    if (t.kind != CmdToken::Enter) {
      return objects_.take(t, echo()) ? Step::More : reject(t, "des objets");
    }
    db::Database& db = doc_.db();
    for (uint32_t i : objects_.found()) {
      if (db.entities[i].erased) continue;  // entdel would bring it back
      db::toggleErased(db, i);
    }
    return Step::Done;
  }

 private:
  ObjectSelection objects_;
};

// UNDO: only the group marks are kept (BEgin / End); this host records no
// operations to take back, so undoing steps is refused rather than pretended.
class UndoCommand : public Command {
 public:
  using Command::Command;
  const char* name() const override { return "UNDO"; }
  std::string prompt() const override {
    return "Entrez le nombre d'opérations à annuler ou [Auto/Contrôle/DEbut/Fin/Marque/Retour] "
           "<1>: ";
  }
  Step input(const CmdToken& t) override {
    if (isOption(t, {"BE", "BEGIN", "DE", "DEBUT", "DÉBUT"})) {
      ++doc_.openUndoGroups;
      return Step::Done;
    }
    if (isOption(t, {"E", "END", "F", "FIN"})) {
      if (doc_.openUndoGroups > 0) {
        --doc_.openUndoGroups;
        ++doc_.closedUndoGroups;
      }
      return Step::Done;
    }
    session().print(
        "** UNDO: cadhost ne garde pas d'opérations à annuler; seules les options "
        "DEbut et Fin sont disponibles **\n");
    return Step::Cancel;
  }
};

}  // namespace

std::unique_ptr<Command> makeEraseCommand(Document& d, CommandProcessor& p) {
  return std::make_unique<EraseCommand>(d, p);
}
std::unique_ptr<Command> makeUndoCommand(Document& d, CommandProcessor& p) {
  return std::make_unique<UndoCommand>(d, p);
}

}  // namespace host
