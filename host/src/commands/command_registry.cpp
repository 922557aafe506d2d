// Built-in command names: global names and the French local names.
#include <functional>
#include <map>

#include "commands/builtin_commands.h"
#include "commands/command_processor.h"

namespace host {

std::unique_ptr<Command> makeBuiltinCommand(const std::string& name, Document& d,
                                            CommandProcessor& p) {
  using Factory = std::function<std::unique_ptr<Command>(Document&, CommandProcessor&)>;
  auto save = [](SaveKind k) {
    return [k](Document& doc, CommandProcessor& proc) { return makeSaveCommand(doc, proc, k); };
  };
  static const std::map<std::string, Factory> factories = {
      {"LINE", makeLineCommand},
      {"LIGNE", makeLineCommand},
      {"3DPOLY", makePoly3dCommand},
      {"3DFACE", makeFace3dCommand},
      {"ERASE", makeEraseCommand},
      {"EFFACER", makeEraseCommand},
      {"UNDO", makeUndoCommand},
      {"ANNULER", makeUndoCommand},
      {"ZOOM", makeZoomCommand},
      {"REGEN",
       [](Document& doc, CommandProcessor& proc) { return makeRegenCommand(doc, proc, false); }},
      {"REGENALL",
       [](Document& doc, CommandProcessor& proc) { return makeRegenCommand(doc, proc, true); }},
      {"REGENTOUT",
       [](Document& doc, CommandProcessor& proc) { return makeRegenCommand(doc, proc, true); }},
      {"SAVEAS", save(SaveKind::SaveAs)},
      {"ENREGSOUS", save(SaveKind::SaveAs)},
      {"SAVE", save(SaveKind::Save)},
      {"QSAVE", save(SaveKind::QSave)},
      {"WBLOCK", save(SaveKind::Wblock)},
      {"WBLOC", save(SaveKind::Wblock)},
      {"EXPORT", save(SaveKind::Export)},
      {"EXPORTER", save(SaveKind::Export)},
  };
  auto it = factories.find(name);
  return it == factories.end() ? nullptr : it->second(d, p);
}

}  // namespace host
