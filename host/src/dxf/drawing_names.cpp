#include "dxf/drawing_names.h"

#include <cctype>

namespace dxf {

std::string upperCase(std::string_view text) {
  std::string u(text);
  for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return u;
}

void NameSet::add(std::string_view name) {
  if (!name.empty() && upper.insert(upperCase(name)).second) names.emplace_back(name);
}

bool NameSet::has(std::string_view name) const { return upper.count(upperCase(name)) != 0; }

NameSet usedNames(const db::Database& db, int code) {
  NameSet set;
  std::vector<bool> seen(db.strings.size());
  for (const db::Entity& e : db.entities) {
    if (e.erased) continue;
    for (const db::Group& g : e.groups)
      if (g.code == code && g.kind == db::Group::Text && !seen[g.text]) {
        seen[g.text] = true;
        set.add(db.text(g));
      }
  }
  return set;
}

}  // namespace dxf
