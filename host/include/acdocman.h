// Document manager: open drawings, the current one, and reactors told of their life.
#pragma once
#include "adsdef.h"

class AcDbDatabase;

class HOST_API AcApDocument {
 public:
  virtual ~AcApDocument() = default;
  // Full path of the drawing file ("" for a new drawing never saved).
  virtual const ACHAR* fileName() const = 0;
  virtual const ACHAR* docTitle() const = 0;
  virtual AcDbDatabase* database() const = 0;
};

class HOST_API AcApDocManagerReactor {
 public:
  virtual ~AcApDocManagerReactor() = default;
  virtual void documentCreated(AcApDocument*) {}
  virtual void documentToBeActivated(AcApDocument*) {}
  virtual void documentActivated(AcApDocument*) {}
  virtual void documentToBeDestroyed(AcApDocument*) {}
};

typedef void (*AcApContextFunc)(void* data);

class HOST_API AcApDocManager {
 public:
  virtual ~AcApDocManager() = default;
  virtual AcApDocument* curDocument() const = 0;
  virtual AcApDocument* mdiActiveDocument() const = 0;
  virtual int documentCount() const = 0;
  virtual void addReactor(AcApDocManagerReactor* reactor) = 0;
  virtual void removeReactor(AcApDocManagerReactor* reactor) = 0;
  // Open or create a document from the application context; 0 on success (Acad::eOk).
  virtual int appContextOpenDocument(const ACHAR* fileName) = 0;
  virtual int appContextNewDocument(const ACHAR* templateName) = 0;
  virtual int setCurDocument(AcApDocument* doc) = 0;
  virtual int activateDocument(AcApDocument* doc) = 0;
  // Resource handle stack of the calling module.
  virtual void pushResourceHandle(void* instance) = 0;
  virtual void popResourceHandle() = 0;
};

extern "C" HOST_API AcApDocManager* acDocManagerPtr();
#define acDocManager (acDocManagerPtr())
