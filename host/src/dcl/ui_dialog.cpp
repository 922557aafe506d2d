#include <algorithm>

#include "acuidialog.h"
#include "dcl/dialog_log.h"
#include "dcl/ui_dialog_impl.h"

namespace {

std::string textOf(const char* s) { return s ? std::string(s) : std::string(); }

}  // namespace

UiControl* AcUiDialog::Impl::find(const char* name) const {
  if (!name) return nullptr;
  for (const auto& c : controls)
    if (c->name == name) return c.get();
  return nullptr;
}

bool AcUiDialog::Impl::add(UiControl control) {
  if (control.name.empty() || find(control.name.c_str())) return false;
  controls.push_back(std::make_unique<UiControl>(std::move(control)));
  changed();
  return true;
}

void AcUiDialog::Impl::run(const AcUiDialog::Handler& handler, const std::string& controlName) {
  if (!handler) return;
  const AcUiDialog::Handler copy = handler;  // the handler may replace itself
  try {
    copy(*self);
  } catch (...) {
    dcl::log::callbackFailed(title, controlName);
  }
}

void AcUiDialog::Impl::changed() {
  if (state == State::Modeless) dcl::modelessChanged(this);
}

dcl::ModelessSnapshot AcUiDialog::Impl::snapshot() const {
  dcl::ModelessSnapshot s;
  s.title = title;
  for (const auto& c : controls) {
    if (c->kind == UiControl::Progress)
      s.progress.emplace_back(c->name, c->progress);
    else if (c->kind == UiControl::Label || c->kind == UiControl::Edit)
      s.texts.emplace_back(c->name, c->text);
  }
  return s;
}

AcUiDialog::AcUiDialog(int resourceId, const char* title) : impl_(std::make_unique<Impl>()) {
  impl_->self = this;
  impl_->resourceId = resourceId;
  impl_->title = textOf(title);
}

AcUiDialog::~AcUiDialog() { destroy(); }

bool AcUiDialog::addLabel(const char* name, const char* text) {
  UiControl c;
  c.kind = UiControl::Label;
  c.name = textOf(name);
  c.text = textOf(text);
  return impl_->add(std::move(c));
}

bool AcUiDialog::addEdit(const char* name, const char* text) {
  UiControl c;
  c.kind = UiControl::Edit;
  c.name = textOf(name);
  c.text = textOf(text);
  return impl_->add(std::move(c));
}

bool AcUiDialog::addList(const char* name, const std::vector<std::string>& items, int selected) {
  UiControl c;
  c.kind = UiControl::List;
  c.name = textOf(name);
  c.items = items;
  c.selection = selected >= 0 && static_cast<size_t>(selected) < items.size() ? selected : -1;
  return impl_->add(std::move(c));
}

bool AcUiDialog::addCheck(const char* name, const char* label, bool checked) {
  UiControl c;
  c.kind = UiControl::Check;
  c.name = textOf(name);
  c.text = textOf(label);
  c.checked = checked;
  return impl_->add(std::move(c));
}

bool AcUiDialog::addButton(const char* name, const char* label, Handler onPress, ButtonRole role) {
  UiControl c;
  c.kind = UiControl::Button;
  c.name = textOf(name);
  c.text = textOf(label);
  c.onPress = std::move(onPress);
  c.role = role;
  return impl_->add(std::move(c));
}

bool AcUiDialog::addProgress(const char* name) {
  UiControl c;
  c.kind = UiControl::Progress;
  c.name = textOf(name);
  return impl_->add(std::move(c));
}

bool AcUiDialog::onChange(const char* name, Handler handler) {
  UiControl* c = impl_->find(name);
  if (!c ||
      (c->kind != UiControl::Edit && c->kind != UiControl::List && c->kind != UiControl::Check))
    return false;
  c->onChange = std::move(handler);
  return true;
}

bool AcUiDialog::hasControl(const char* name) const { return impl_->find(name) != nullptr; }

bool AcUiDialog::setText(const char* name, const char* text) {
  UiControl* c = impl_->find(name);
  if (!c || c->kind == UiControl::Progress) return false;
  const std::string t = textOf(text);
  if (c->kind == UiControl::List) {
    auto it = std::find(c->items.begin(), c->items.end(), t);
    if (it == c->items.end()) return false;
    c->selection = static_cast<int>(it - c->items.begin());
  } else {
    c->text = t;
  }
  impl_->changed();
  return true;
}

std::string AcUiDialog::text(const char* name) const {
  const UiControl* c = impl_->find(name);
  if (!c || c->kind == UiControl::Progress) return {};
  if (c->kind == UiControl::List)
    return c->selection >= 0 ? c->items[static_cast<size_t>(c->selection)] : std::string();
  return c->text;
}

bool AcUiDialog::setChecked(const char* name, bool checked) {
  UiControl* c = impl_->find(name);
  if (!c || c->kind != UiControl::Check) return false;
  c->checked = checked;
  return true;
}

bool AcUiDialog::isChecked(const char* name) const {
  const UiControl* c = impl_->find(name);
  return c && c->kind == UiControl::Check && c->checked;
}

bool AcUiDialog::setItems(const char* name, const std::vector<std::string>& items, int selected) {
  UiControl* c = impl_->find(name);
  if (!c || c->kind != UiControl::List) return false;
  c->items = items;
  c->selection = selected >= 0 && static_cast<size_t>(selected) < items.size() ? selected : -1;
  return true;
}

std::vector<std::string> AcUiDialog::items(const char* name) const {
  const UiControl* c = impl_->find(name);
  return c && c->kind == UiControl::List ? c->items : std::vector<std::string>{};
}

bool AcUiDialog::setSelection(const char* name, int index) {
  UiControl* c = impl_->find(name);
  if (!c || c->kind != UiControl::List) return false;
  if (index < -1 || (index >= 0 && static_cast<size_t>(index) >= c->items.size())) return false;
  c->selection = index;
  return true;
}

int AcUiDialog::selection(const char* name) const {
  const UiControl* c = impl_->find(name);
  return c && c->kind == UiControl::List ? c->selection : -1;
}

bool AcUiDialog::setProgress(const char* name, int position) {
  UiControl* c = impl_->find(name);
  if (!c || c->kind != UiControl::Progress) return false;
  c->progress = std::clamp(position, 0, 255);
  impl_->changed();
  return true;
}

int AcUiDialog::progress(const char* name) const {
  const UiControl* c = impl_->find(name);
  return c && c->kind == UiControl::Progress ? c->progress : -1;
}

bool AcUiDialog::enable(const char* name, bool enabled) {
  UiControl* c = impl_->find(name);
  if (!c) return false;
  c->enabled = enabled;
  return true;
}

bool AcUiDialog::isEnabled(const char* name) const {
  const UiControl* c = impl_->find(name);
  return c && c->enabled;
}

void AcUiDialog::setTitle(const char* title) {
  impl_->title = textOf(title);
  impl_->changed();
}

std::string AcUiDialog::title() const { return impl_->title; }

int AcUiDialog::resourceId() const { return impl_->resourceId; }

int AcUiDialog::doModal() {
  if (impl_->state != Impl::State::Idle) return -1;
  impl_->state = Impl::State::Modal;
  impl_->ended = false;
  impl_->result = IDCANCEL;
  try {
    impl_->answer();
  } catch (...) {
    impl_->ended = true;
    impl_->result = IDCANCEL;
  }
  impl_->state = Impl::State::Idle;
  return impl_->result;
}

void AcUiDialog::endDialog(int result) {
  if (impl_->state == Impl::State::Modal) {
    impl_->ended = true;
    impl_->result = result;
  } else if (impl_->state == Impl::State::Modeless) {
    destroy();
  }
}

bool AcUiDialog::create() {
  if (impl_->state != Impl::State::Idle) return false;
  impl_->state = Impl::State::Modeless;
  dcl::modelessShown(impl_.get());
  return true;
}

void AcUiDialog::destroy() {
  if (impl_->state != Impl::State::Modeless) return;
  impl_->state = Impl::State::Idle;
  dcl::modelessHidden(impl_.get());
}

bool AcUiDialog::isShown() const { return impl_->state == Impl::State::Modeless; }
