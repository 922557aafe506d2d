// The host's DCL state: loaded files by id, the dialogs made from them, and
// the list or image a program is filling.
#pragma once
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dcl/dcl_file.h"
#include "dcl/dialog.h"

namespace dcl {

class DialogManager {
 public:
  // Loads a DCL file (".dcl" added when the name has no extension), found as
  // given or on the support path. Returns its id (> 0), or 0 after writing
  // the reason, with the file and line of a syntax error.
  int loadFile(std::string_view name);
  bool unloadFile(int id);
  const DclFile* file(int id) const;

  // Makes a dialog of a loaded file; nullptr (reason written) when the id or
  // the name is unknown.
  Dialog* newDialog(std::string_view name, int dclId, CLIENTFUNC defaultAction, int x, int y);
  // The dialog or tile behind a handle, only while it is alive.
  Dialog* dialog(const void* handle);
  TileState* tile(const void* handle);
  // Runs the dialog with the scripted user's answer and forgets it. Returns
  // the status it ended with.
  int start(Dialog& dialog);
  // term_dialog: every running dialog ends with DLGALLDONE, dialogs not yet
  // started are dropped.
  void terminateAll();

  // Filling a list (start_list / add_list / end_list).
  bool startList(TileState& tile, short operation, short index);
  bool addListItem(const std::string& item);
  bool endList();
  // Drawing on an image (start_image / fill_image / vector_image / end_image).
  bool startImage(TileState& tile);
  bool addImageOp(const ImageOp& op);
  bool endImage();

  // Forgets every file and every dialog not running (a new session, tests).
  void reset();

 private:
  void forgetEdits(const Dialog& dialog);

  std::map<int, std::unique_ptr<DclFile>> files_;
  std::vector<std::unique_ptr<Dialog>> dialogs_;
  int nextId_ = 1;
  TileState* list_ = nullptr;
  short listOperation_ = 0;
  size_t listIndex_ = 0;
  TileState* image_ = nullptr;
};

DialogManager& dialogs();

}  // namespace dcl
