#include "db/layer_objects.h"

#include <cstdlib>

#include "db/database.h"

namespace db {

Acad::ErrorStatus OpenState::open(AcDb::OpenMode mode) {
  if (writing_) return Acad::eWasOpenForWrite;
  if (mode == AcDb::kForWrite) {
    if (readers_ > 0) return Acad::eWasOpenForWrite;
    writing_ = true;
  } else {
    ++readers_;
  }
  return Acad::eOk;
}

Acad::ErrorStatus OpenState::close() {
  if (writing_) {
    writing_ = false;
  } else if (readers_ > 0) {
    --readers_;
  } else {
    return Acad::eNotApplicable;
  }
  return Acad::eOk;
}

LayerRecordObject::LayerRecordObject(Database& db, uint32_t index)
    : db_(db), index_(index), name_(db.layers.at(index).name) {}

bool LayerRecordObject::isFrozen() const { return db_.layers.at(index_).frozen(); }

int LayerRecordObject::colorIndex() const { return std::abs(db_.layers.at(index_).color); }

Acad::ErrorStatus LayerRecordObject::setIsFrozen(bool frozen) {
  if (!state_.writing()) return Acad::eNotOpenForWrite;
  Layer& layer = db_.layers.at(index_);
  // The host keeps layer "0" and the current layer thawed.
  if (frozen && (index_ == 0 || index_ == db_.currentLayer)) return Acad::eInvalidInput;
  layer.flags = frozen ? (layer.flags | 1) : (layer.flags & ~1);
  return Acad::eOk;
}

bool LayerTableObject::has(const ACHAR* name) const { return name && db_.layers.find(name) >= 0; }

Acad::ErrorStatus LayerTableObject::getAt(const ACHAR* name, AcDbLayerTableRecord*& record,
                                          AcDb::OpenMode mode) {
  record = nullptr;
  if (!state_.isOpen()) return Acad::eNotApplicable;
  if (!name) return Acad::eInvalidInput;
  const int index = db_.layers.find(name);
  if (index < 0) return Acad::eKeyNotFound;
  if (records_.size() <= static_cast<size_t>(index)) records_.resize(index + 1);
  auto& slot = records_[index];
  if (!slot) slot = std::make_unique<LayerRecordObject>(db_, static_cast<uint32_t>(index));
  if (const auto status = slot->state().open(mode); status != Acad::eOk) return status;
  record = slot.get();
  return Acad::eOk;
}

}  // namespace db
