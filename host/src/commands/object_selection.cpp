#include "commands/object_selection.h"

#include <cctype>
#include <string>

#include "base/input_text.h"
#include "core/session.h"
#include "db/entity_names.h"
#include "select/pick.h"

namespace host {

ObjectSelection::ObjectSelection(Document& doc) : doc_(doc), selector_(doc.db(), filter_) {}

bool ObjectSelection::take(const CmdToken& t, bool echo) {
  const size_t before = selector_.count();
  const db::Database& db = doc_.db();
  const geo::Frame ucs = geo::userFrame(doc_.vars());
  double p[3];
  switch (t.kind) {
    case CmdToken::Entity: {
      const int64_t i = indexOfName(db, t.name);
      if (i < 0) return false;
      selector_.add(static_cast<size_t>(i));
      break;
    }
    case CmdToken::Set: {
      const SelectionSet* set = selectionSets().find(t.name);
      if (!set) return false;
      selector_.names({set->members().begin(), set->members().end()});
      break;
    }
    case CmdToken::Point:
      selector_.pick(ucs.toWorld(geo::Vec3(t.point)), geo::pickTolerance(doc_.vars()));
      break;
    case CmdToken::Text: {
      if (parsePointText(t.text, nullptr, p)) {
        selector_.pick(ucs.toWorld(geo::Vec3(p)), geo::pickTolerance(doc_.vars()));
        break;
      }
      std::string k;
      for (char c : t.text)
        k.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
      if (!k.empty() && k[0] == '_') k.erase(0, 1);
      if (k == "L" || k == "LAST" || k == "D" || k == "DERNIER")
        selector_.last();
      else if (k == "P" || k == "PREVIOUS" || k == "PRECEDENT" || k == "PRÉCÉDENT")
        selector_.names(selectionSets().previous());
      else if (k == "ALL" || k == "TOUT")
        selector_.all(false);
      else
        return false;
      break;
    }
    default: return false;
  }
  if (echo) session().print(std::to_string(selector_.count() - before) + " trouvé(s)\n");
  return true;
}

}  // namespace host
