// Database objects a module opens directly: the layer table and its records.
#pragma once
#include "adsdef.h"

namespace AcDb {
enum OpenMode { kForRead = 0, kForWrite = 1, kForNotify = 2 };
}
namespace Acad {
enum ErrorStatus {
  eOk = 0,
  eNotApplicable = 3,
  eInvalidInput = 5,
  eKeyNotFound = 74,
  eDuplicateKey = 75,
  eWasOpenForWrite = 84,
  eNotOpenForWrite = 87
};
}

class AcDbLayerTableRecord;

class HOST_API AcDbLayerTableRecord {
 public:
  virtual ~AcDbLayerTableRecord() = default;
  virtual const ACHAR* getName() const = 0;
  virtual bool isFrozen() const = 0;
  virtual Acad::ErrorStatus setIsFrozen(bool frozen) = 0;
  virtual int colorIndex() const = 0;
  virtual Acad::ErrorStatus close() = 0;
};

class HOST_API AcDbLayerTable {
 public:
  virtual ~AcDbLayerTable() = default;
  virtual bool has(const ACHAR* name) const = 0;
  virtual Acad::ErrorStatus getAt(const ACHAR* name, AcDbLayerTableRecord*& record,
                                  AcDb::OpenMode mode) = 0;
  virtual Acad::ErrorStatus close() = 0;
};

class HOST_API AcDbDatabase {
 public:
  virtual ~AcDbDatabase() = default;
  virtual Acad::ErrorStatus getLayerTable(AcDbLayerTable*& table, AcDb::OpenMode mode) = 0;
};

class HOST_API AcDbHostApplicationServices {
 public:
  virtual ~AcDbHostApplicationServices() = default;
  virtual AcDbDatabase* workingDatabase() const = 0;
};

extern "C" HOST_API AcDbHostApplicationServices* acdbHostApplicationServices();
