// Inside AcUiDialog: its controls and state.
#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "acuidialog.h"
#include "dcl/modeless_dialogs.h"

struct UiControl {
  enum Kind { Label, Edit, List, Check, Button, Progress };
  Kind kind = Label;
  std::string name;
  std::string text;  // label, edit text, button or check box label
  std::vector<std::string> items;
  int selection = -1;
  bool checked = false;
  int progress = 0;
  bool enabled = true;
  AcUiDialog::ButtonRole role = AcUiDialog::ButtonRole::Normal;
  AcUiDialog::Handler onPress;
  AcUiDialog::Handler onChange;
};

struct AcUiDialog::Impl final : dcl::ModelessSource {
  enum class State { Idle, Modal, Modeless };

  AcUiDialog* self = nullptr;
  int resourceId = 0;
  std::string title;
  // Owned one by one: a handler may add controls while another is in use.
  std::vector<std::unique_ptr<UiControl>> controls;
  State state = State::Idle;
  bool ended = false;
  int result = IDCANCEL;

  UiControl* find(const char* name) const;
  bool add(UiControl control);
  // Runs a handler of the dialog; a handler that throws is written and skipped.
  void run(const AcUiDialog::Handler& handler, const std::string& controlName);
  void changed();  // a modeless dialog redraws its bar
  dcl::ModelessSnapshot snapshot() const override;

  // The scripted user's answer to doModal.
  void answer();
  void apply(const std::string& name, const std::optional<std::string>& value);
  void press(UiControl& c);
  void set(UiControl& c, const std::string& value);
};
