// The layer table and its records as the objects a module opens (dbtables.h).
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "dbtables.h"

namespace db {

class Database;

// Open state shared by the table and its records: any number of readers or one writer.
class OpenState {
 public:
  Acad::ErrorStatus open(AcDb::OpenMode mode);
  Acad::ErrorStatus close();
  bool isOpen() const { return readers_ > 0 || writing_; }
  bool writing() const { return writing_; }

 private:
  int readers_ = 0;
  bool writing_ = false;
};

class LayerRecordObject : public AcDbLayerTableRecord {
 public:
  LayerRecordObject(Database& db, uint32_t index);
  const ACHAR* getName() const override { return name_.c_str(); }
  bool isFrozen() const override;
  Acad::ErrorStatus setIsFrozen(bool frozen) override;
  int colorIndex() const override;
  Acad::ErrorStatus close() override { return state_.close(); }
  OpenState& state() { return state_; }

 private:
  Database& db_;
  uint32_t index_;
  std::string name_;  // a copy: the table's own strings move when layers are added
  OpenState state_;
};

class LayerTableObject : public AcDbLayerTable {
 public:
  explicit LayerTableObject(Database& db) : db_(db) {}
  bool has(const ACHAR* name) const override;
  Acad::ErrorStatus getAt(const ACHAR* name, AcDbLayerTableRecord*& record,
                          AcDb::OpenMode mode) override;
  Acad::ErrorStatus close() override { return state_.close(); }
  OpenState& state() { return state_; }

 private:
  Database& db_;
  OpenState state_;
  std::vector<std::unique_ptr<LayerRecordObject>> records_;  // by layer index, made on demand
};

}  // namespace db
