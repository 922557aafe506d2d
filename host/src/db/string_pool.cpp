#include "db/database.h"

namespace db {

uint32_t StringPool::intern(std::string_view s) {
  if (s.empty()) return 0;
  if (auto it = index_.find(s); it != index_.end()) return it->second;
  const auto i = static_cast<uint32_t>(strings_.size());
  strings_.emplace_back(s);
  index_.emplace(strings_.back(), i);
  return i;
}

}  // namespace db
