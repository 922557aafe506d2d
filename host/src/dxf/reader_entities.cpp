// The DXF reader: the ENTITIES section.
#include <algorithm>

#include "dxf/reader.h"
#include "dxf/text_codec.h"

namespace dxf {

bool Reader::entities() {
  // Entities without a handle get one above those the file says it used.
  db_->nextHandle = std::max(db_->nextHandle, handleSeed_);
  RawGroup g;
  while (in_.next(g)) {
    if (g.code != 0) return in_.fail(g.line, "code 0 attendu (début d'entité)");
    const std::string_view type = trim(g.value);
    if (type == "ENDSEC") {
      if (open_ != Open::None) return in_.fail(g.line + 1, "SEQEND attendu");
      return true;
    }
    if (type == "EOF" || type == "SECTION")
      return in_.fail(g.line + 1, "ENDSEC attendu pour la section ENTITIES");
    if (!entity(g)) return false;
  }
  if (!in_.error().empty()) return false;
  return in_.fail(in_.nextLine(), "ENDSEC attendu pour la section ENTITIES");
}

bool Reader::entity(const RawGroup& start) {
  using db::EntityType;
  const size_t line = start.line + 1;
  const EntityType type = db::typeFromName(trim(start.value));
  if (type == EntityType::Other) {
    const std::string name(trim(start.value));
    if (open_ != Open::None) return in_.fail(line, "SEQEND attendu avant " + name);
    ++skippedTypes_[name];
    return readGroups(false);
  }
  if (type == EntityType::Vertex) {
    if (open_ != Open::Polyline) return in_.fail(line, "VERTEX hors d'une POLYLINE");
  } else if (type == EntityType::Attrib) {
    if (open_ != Open::Insert) return in_.fail(line, "ATTRIB hors d'un INSERT à attributs");
  } else if (type == EntityType::Seqend) {
    if (open_ == Open::None) return in_.fail(line, "SEQEND sans POLYLINE ni INSERT");
  } else if (open_ != Open::None) {
    return in_.fail(line, std::string("SEQEND attendu avant ") + db::typeName(type));
  }
  if (!readGroups(true)) return false;
  if (type == EntityType::Seqend) open_ = Open::None;
  if (type == EntityType::Polyline) open_ = Open::Polyline;
  if (type == EntityType::Insert && flag66_ != 0) open_ = Open::Insert;

  for (const TextRef& t : textRefs_)
    groups_[t.group].text = std::string_view(arena_.data() + t.offset, t.length);
  db::BuildInput input;
  input.type = type;
  input.groups = groups_;
  input.layer = layer_;
  input.handle = handle_;
  db::Entity e;
  if (db::buildEntity(*db_, db::Origin::Dxf, input, e) != 0)
    return in_.fail(line, std::string("entité ") + db::typeName(type) + " invalide");
  checkHandle(db_->add(std::move(e)));
  return true;
}

bool Reader::readGroups(bool keep) {
  groups_.clear();
  textRefs_.clear();
  arena_.clear();
  handle_ = 0;
  layer_ = 0;
  flag66_ = 0;
  int point = -1, pointCode = 0, stage = 0;
  bool inBraces = false;  // a 102 "{APP ... }" block of owner references
  RawGroup g;
  while (in_.next(g)) {
    if (g.code == 0) {
      in_.unread();
      return true;
    }
    if (!keep) continue;
    if (inBraces) {
      if (g.code == 102 && trim(g.value) == "}") inBraces = false;
      continue;
    }
    if (point >= 0) {
      // The Y then Z of the point just begun.
      if (g.code == pointCode + 10 * stage) {
        if (!in_.real(g, groups_[point].v[stage])) return false;
        if (++stage == 3) point = -1;
        continue;
      }
      point = -1;
    }
    switch (g.code) {
      case 5:
        if (!in_.handle(g, handle_)) return false;
        continue;
      case 8: layer_ = layerIndex(g.value); continue;
      case 100: continue;
      case 102: inBraces = trim(g.value).starts_with("{"); continue;
      default: break;
    }
    if (g.code >= 330 && g.code <= 369) continue;  // owners and dictionaries: not kept
    db::InGroup group;
    group.code = g.code;
    db::Group::Kind kind;
    if (!db::kindOfCode(g.code, kind)) kind = db::Group::Text;
    switch (kind) {
      case db::Group::Point:
        if (!in_.real(g, group.v[0])) return false;
        point = static_cast<int>(groups_.size());
        pointCode = g.code;
        stage = 1;
        break;
      case db::Group::Real:
        if (!in_.real(g, group.v[0])) return false;
        break;
      case db::Group::Int: {
        int64_t v;
        if (!in_.integer(g, v)) return false;
        group.v[0] = static_cast<double>(v);
        if (g.code == 66) flag66_ = v;
        break;
      }
      case db::Group::Text: {
        const size_t offset = arena_.size();
        if (needsCoding(g.value)) {
          decodeText(g.value, codePage_, arena_);
        } else {
          arena_.append(g.value);
        }
        textRefs_.push_back(TextRef{groups_.size(), offset, arena_.size() - offset});
        break;
      }
    }
    groups_.push_back(group);
  }
  if (!in_.error().empty()) return false;
  return in_.fail(in_.nextLine(), "ENDSEC attendu pour la section ENTITIES");
}

uint32_t Reader::layerIndex(std::string_view name) {
  if (name == lastLayerName_) return lastLayer_;
  lastLayerName_.assign(name);
  if (auto it = layerByName_.find(name); it != layerByName_.end()) return lastLayer_ = it->second;
  decode(name, scratch_);
  const uint32_t index = scratch_.empty() ? 0 : db_->layers.findOrAdd(scratch_);
  layerByName_.emplace(std::string(name), index);
  return lastLayer_ = index;
}

void Reader::checkHandle(size_t index) {
  const uint64_t h = db_->entities[index].handle;
  if (!handleSetBuilt_) {
    if (h > maxHandle_) {
      maxHandle_ = h;
      return;
    }
    // Out of order: from now on every handle is checked against the others.
    for (size_t i = 0; i < index; ++i) handleSet_.insert(db_->entities[i].handle);
    handleSetBuilt_ = true;
  }
  if (handleSet_.insert(h).second) {
    maxHandle_ = std::max(maxHandle_, h);
  } else {
    duplicateHandles_.push_back(index);
  }
}

}  // namespace dxf
