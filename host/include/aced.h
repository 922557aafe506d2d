// Editor reactors, the command stack and the host main window.
#pragma once
#include "adsdef.h"

class AcDbDatabase;

// Every notification does nothing unless overridden; the names say what an
// override receives.
class HOST_API AcEditorReactor {
 public:
  virtual ~AcEditorReactor() = default;
  virtual void commandWillStart([[maybe_unused]] const ACHAR* cmdStr) {}
  virtual void commandEnded([[maybe_unused]] const ACHAR* cmdStr) {}
  virtual void commandCancelled([[maybe_unused]] const ACHAR* cmdStr) {}
  virtual void commandFailed([[maybe_unused]] const ACHAR* cmdStr) {}
  virtual void beginSave([[maybe_unused]] AcDbDatabase* db,
                         [[maybe_unused]] const ACHAR* intendedName) {}
  virtual void saveComplete([[maybe_unused]] AcDbDatabase* db,
                            [[maybe_unused]] const ACHAR* actualName) {}
  virtual void beginWblock([[maybe_unused]] AcDbDatabase* db,
                           [[maybe_unused]] const ACHAR* intendedName) {}
  virtual void lispWillStart([[maybe_unused]] const ACHAR* firstLine) {}
  virtual void lispEnded() {}
};

class HOST_API AcEditor {
 public:
  virtual ~AcEditor() = default;
  virtual void addReactor(AcEditorReactor* reactor) = 0;
  virtual void removeReactor(AcEditorReactor* reactor) = 0;
};

typedef void (*AcRxFunctionPtr)();

namespace ACRX_CMD {
constexpr int kModal = 0x00000000;
constexpr int kTransparent = 0x00000001;
constexpr int kUsePickSet = 0x00000002;
constexpr int kRedraw = 0x00000004;
constexpr int kNoInternalLock = 0x00100000;
constexpr int kSession = 0x00200000;  // runs in the application context
}  // namespace ACRX_CMD

class HOST_API AcEdCommandStack {
 public:
  virtual ~AcEdCommandStack() = default;
  // 0 (Acad::eOk) on success; a name already in the group is refused.
  virtual int addCommand(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName,
                         const ACHAR* cmdLocalName, int commandFlags,
                         AcRxFunctionPtr functionAddr) = 0;
  virtual int removeCmd(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName) = 0;
  virtual int removeGroup(const ACHAR* groupName) = 0;
};

extern "C" {
HOST_API AcEditor* acedEditorPtr();
HOST_API AcEdCommandStack* acedRegCmdsPtr();
// The host main window's caption.
HOST_API void acedSetMainWindowCaption(const ACHAR* caption);
HOST_API const ACHAR* acedGetMainWindowCaption();
}
// The colour dialog: nColor is the initial index in, the chosen one out (0
// BYBLOCK and 256 BYLAYER only with bAllowMetaColor); false when cancelled.
HOST_API bool acedSetColorDialog(int& nColor, bool bAllowMetaColor, int nCurLineColor);

#define acedEditor (acedEditorPtr())
#define acedRegCmds (acedRegCmdsPtr())
