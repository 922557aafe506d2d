// Commands that modules add to the host's command stack (AcEdCommandStack).
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "aced.h"

namespace host {

struct RegisteredCommand {
  std::string group, globalName, localName;
  int flags = 0;
  AcRxFunctionPtr function = nullptr;
  int moduleId = 0;  // the module that added it (0: the host)
};

class CommandStack : public AcEdCommandStack {
 public:
  int addCommand(const ACHAR* group, const ACHAR* globalName, const ACHAR* localName, int flags,
                 AcRxFunctionPtr function) override;
  int removeCmd(const ACHAR* group, const ACHAR* globalName) override;
  int removeGroup(const ACHAR* group) override;

  // The newest command of that global or local name (case ignored; a leading
  // "_" or "." is skipped), or nullptr.
  const RegisteredCommand* find(std::string_view name) const;
  // Runs it with its module active; false when there is none of that name.
  bool run(std::string_view name);
  const std::vector<RegisteredCommand>& commands() const { return commands_; }

 private:
  std::vector<RegisteredCommand> commands_;
};

CommandStack& commandStack();

}  // namespace host
