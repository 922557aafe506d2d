#include "db/database.h"

#include <strings.h>
#include <atomic>

#include "db/layer_objects.h"

namespace db {

namespace {

std::atomic<int64_t> nextSerial{1};

}  // namespace

Database::Database() : serial_(nextSerial++) {}

Database::~Database() = default;

const Group* Database::find(const Entity& e, int code) const {
  for (const Group& g : e.groups)
    if (g.code == code) return &g;
  return nullptr;
}

int64_t Database::findHandle(uint64_t handle) {
  // Entities are never removed (erasing only marks them), so the index only grows.
  for (; handleIndexed_ < entities.size(); ++handleIndexed_)
    handleIndex_.emplace(entities[handleIndexed_].handle, static_cast<uint32_t>(handleIndexed_));
  auto it = handleIndex_.find(handle);
  return it == handleIndex_.end() ? -1 : static_cast<int64_t>(it->second);
}

uint32_t Database::add(Entity e) {
  entities.push_back(std::move(e));
  return static_cast<uint32_t>(entities.size() - 1);
}

std::pair<size_t, size_t> Database::complexRange(size_t index) const {
  size_t first = index;
  while (first > 0 && isSubEntity(entities[first].type)) --first;
  size_t last = first;
  while (last + 1 < entities.size() && isSubEntity(entities[last + 1].type) &&
         entities[last].type != EntityType::Seqend)
    ++last;
  return {first, last};
}

const TableRecord* RecordTable::find(std::string_view name) const {
  for (const TableRecord& r : records)
    if (r.name.size() == name.size() && strncasecmp(r.name.data(), name.data(), name.size()) == 0)
      return &r;
  return nullptr;
}

const HeaderVar* Database::headerVar(std::string_view name) const {
  for (const HeaderVar& v : header)
    if (v.name.size() == name.size() && strncasecmp(v.name.data(), name.data(), name.size()) == 0)
      return &v;
  return nullptr;
}

void Database::setHeaderVar(std::string_view name,
                            std::vector<std::pair<int, std::string>> groups) {
  if (auto* v = const_cast<HeaderVar*>(headerVar(name))) {
    v->groups = std::move(groups);
    return;
  }
  header.push_back(HeaderVar{std::string(name), std::move(groups)});
}

Acad::ErrorStatus Database::getLayerTable(AcDbLayerTable*& table, AcDb::OpenMode mode) {
  table = nullptr;
  if (!layerTableObject_) layerTableObject_ = std::make_unique<LayerTableObject>(*this);
  if (const auto status = layerTableObject_->state().open(mode); status != Acad::eOk) return status;
  table = layerTableObject_.get();
  return Acad::eOk;
}

}  // namespace db
