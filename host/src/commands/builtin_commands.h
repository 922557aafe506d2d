// The host's built-in commands, one factory each.
#pragma once
#include <memory>

#include "commands/command.h"

namespace host {

std::unique_ptr<Command> makeLineCommand(Document& d, CommandProcessor& p);
std::unique_ptr<Command> makePoly3dCommand(Document& d, CommandProcessor& p);
std::unique_ptr<Command> makeFace3dCommand(Document& d, CommandProcessor& p);
std::unique_ptr<Command> makeEraseCommand(Document& d, CommandProcessor& p);
std::unique_ptr<Command> makeUndoCommand(Document& d, CommandProcessor& p);
std::unique_ptr<Command> makeZoomCommand(Document& d, CommandProcessor& p);
std::unique_ptr<Command> makeRegenCommand(Document& d, CommandProcessor& p, bool all);

// File commands: SAVEAS (asks a format, renames the drawing), SAVE (renames
// too), QSAVE (to its own file), WBLOCK and EXPORT (another file; the
// drawing keeps its name).
enum class SaveKind { SaveAs, Save, QSave, Wblock, Export };
std::unique_ptr<Command> makeSaveCommand(Document& d, CommandProcessor& p, SaveKind kind);

}  // namespace host
