#include "core/command_stack.h"

#include <strings.h>

#include <algorithm>

#include "core/module_loader.h"
#include "core/session.h"
#include "dbtables.h"

namespace host {

int CommandStack::addCommand(const ACHAR* group, const ACHAR* globalName, const ACHAR* localName,
                             int flags, AcRxFunctionPtr function) {
  if (!group || !globalName || !*globalName || !function) return Acad::eInvalidInput;
  for (const auto& c : commands_)
    if (strcasecmp(c.group.c_str(), group) == 0 &&
        strcasecmp(c.globalName.c_str(), globalName) == 0)
      return Acad::eDuplicateKey;
  RegisteredCommand c;
  c.group = group;
  c.globalName = globalName;
  c.localName = localName ? localName : globalName;
  c.flags = flags;
  c.function = function;
  if (LoadedModule* m = session().modules().active()) c.moduleId = m->id;
  commands_.push_back(std::move(c));
  return Acad::eOk;
}

int CommandStack::removeCmd(const ACHAR* group, const ACHAR* globalName) {
  if (!group || !globalName) return Acad::eInvalidInput;
  auto it = std::find_if(commands_.begin(), commands_.end(), [&](const RegisteredCommand& c) {
    return strcasecmp(c.group.c_str(), group) == 0 &&
           strcasecmp(c.globalName.c_str(), globalName) == 0;
  });
  if (it == commands_.end()) return Acad::eKeyNotFound;
  commands_.erase(it);
  return Acad::eOk;
}

int CommandStack::removeGroup(const ACHAR* group) {
  if (!group) return Acad::eInvalidInput;
  const size_t before = commands_.size();
  std::erase_if(commands_, [&](const RegisteredCommand& c) {
    return strcasecmp(c.group.c_str(), group) == 0;
  });
  return commands_.size() == before ? Acad::eKeyNotFound : Acad::eOk;
}

const RegisteredCommand* CommandStack::find(std::string_view name) const {
  while (!name.empty() && (name.front() == '_' || name.front() == '.')) name.remove_prefix(1);
  const std::string wanted(name);
  for (auto it = commands_.rbegin(); it != commands_.rend(); ++it)
    if (strcasecmp(it->globalName.c_str(), wanted.c_str()) == 0 ||
        strcasecmp(it->localName.c_str(), wanted.c_str()) == 0)
      return &*it;
  return nullptr;
}

bool CommandStack::run(std::string_view name) {
  const RegisteredCommand* c = find(name);
  if (!c) return false;
  const AcRxFunctionPtr fn = c->function;
  const std::string global = c->globalName;
  session().notifyCommandWillStart(global);
  try {
    fn();
  } catch (...) {
    session().print("Exception dans la commande " + global + "\n");
  }
  session().notifyCommandEnded(global);
  return true;
}

CommandStack& commandStack() { return session().commandStack(); }

}  // namespace host
