// The host's generic dialog, for the dialogs a module builds itself.
//
// A module adds named controls (labels, edit fields, lists, check boxes,
// buttons, progress bars), then either runs the dialog modally with doModal()
// or shows it modeless with create() / destroy(), as a progress window.
//
// Modal dialogs take one answer from the scripted user, as DCL dialogs do:
// a dialog answer is a sequence of actions on controls by name, applied in
// order:
//   (name, value)  edit field: its text; check box: "1"/"0" (or true/false,
//                  yes/no, oui/non); list: the item's text or its index.
//                  Then the control's change handler runs.
//   (name)         presses a button, or flips a check box.
// A pressed button runs its handler; a button without handler ends the dialog
// with IDOK when it is the default button, IDCANCEL when it is the cancel
// button. The dialog ends as soon as endDialog() is called. When the actions
// run out it ends as by Escape (IDCANCEL). An Enter answer presses the default
// button; an Escape answer (or an empty queue) gives IDCANCEL. Actions on a
// disabled control, on a missing name, or that a control cannot take are
// written on the command line and skipped.
//
// A modeless dialog takes no answer. While one with a progress bar is shown
// and standard error is a terminal, the host draws its bar there.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "adsdef.h"

#ifndef IDOK
#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7
#endif

class HOST_API AcUiDialog {
 public:
  using Handler = std::function<void(AcUiDialog&)>;
  enum class ButtonRole { Normal, Default, Cancel };

  // `resourceId` identifies the dialog for the module; the host keeps it only.
  explicit AcUiDialog(int resourceId = 0, const char* title = "");
  ~AcUiDialog();  // a dialog still shown modeless is destroyed
  AcUiDialog(const AcUiDialog&) = delete;
  AcUiDialog& operator=(const AcUiDialog&) = delete;

  // ---- Building. Names are unique within the dialog: adding a name that is
  // already there fails. A null text counts as "".
  bool addLabel(const char* name, const char* text);
  bool addEdit(const char* name, const char* text);
  bool addList(const char* name, const std::vector<std::string>& items, int selected = -1);
  bool addCheck(const char* name, const char* label, bool checked);
  bool addButton(const char* name, const char* label, Handler onPress = {},
                 ButtonRole role = ButtonRole::Normal);
  bool addProgress(const char* name);  // position 0..255, starting at 0
  // Runs after the user changed an edit field, a list selection or a check box.
  bool onChange(const char* name, Handler handler);

  // ---- Controls. Setters fail (false) on a missing name or a control that
  // does not have that property; getters then answer "", -1, false.
  bool hasControl(const char* name) const;
  // Label and edit: their text; button and check box: their label;
  // list: the selected item's text (setText selects the item with that text).
  bool setText(const char* name, const char* text);
  std::string text(const char* name) const;
  bool setChecked(const char* name, bool checked);
  bool isChecked(const char* name) const;
  bool setItems(const char* name, const std::vector<std::string>& items, int selected = -1);
  std::vector<std::string> items(const char* name) const;
  bool setSelection(const char* name, int index);  // -1: nothing selected
  int selection(const char* name) const;
  bool setProgress(const char* name, int position);  // clamped to 0..255
  int progress(const char* name) const;
  bool enable(const char* name, bool enabled);
  bool isEnabled(const char* name) const;

  void setTitle(const char* title);
  std::string title() const;
  int resourceId() const;

  // ---- Modal use. doModal answers IDOK, IDCANCEL or the value given to
  // endDialog; -1 when the dialog is already running or shown modeless.
  int doModal();
  void endDialog(int result);

  // ---- Modeless use (progress windows). create fails when already shown or
  // running modally.
  bool create();
  void destroy();
  bool isShown() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
