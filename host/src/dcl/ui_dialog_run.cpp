// AcUiDialog::doModal answered by the scripted user (see acuidialog.h).
#include <strings.h>
#include <charconv>

#include "core/session.h"
#include "dcl/dialog_log.h"
#include "dcl/ui_dialog_impl.h"

namespace {

std::optional<bool> parseCheck(const std::string& v) {
  for (const char* yes : {"1", "true", "yes", "oui"})
    if (strcasecmp(v.c_str(), yes) == 0) return true;
  for (const char* no : {"0", "false", "no", "non"})
    if (strcasecmp(v.c_str(), no) == 0) return false;
  return std::nullopt;
}

// The item's text first, then its index.
std::optional<int> listIndex(const UiControl& c, const std::string& v) {
  for (size_t i = 0; i < c.items.size(); ++i)
    if (c.items[i] == v) return static_cast<int>(i);
  int index = -1;
  auto r = std::from_chars(v.data(), v.data() + v.size(), index);
  if (r.ec == std::errc() && r.ptr == v.data() + v.size() && index >= 0 &&
      static_cast<size_t>(index) < c.items.size())
    return index;
  return std::nullopt;
}

}  // namespace

void AcUiDialog::Impl::answer() {
  dcl::log::opened(title);
  const host::Answer a = host::session().user().take(title);
  switch (a.kind) {
    case host::Answer::Dialog:
      for (const auto& action : a.actions) {
        if (ended) break;
        apply(action.key, action.value);
      }
      break;
    case host::Answer::Enter: {
      UiControl* def = nullptr;
      for (const auto& c : controls)
        if (c->kind == UiControl::Button && c->role == AcUiDialog::ButtonRole::Default)
          def = c.get();
      if (def)
        apply(def->name, std::nullopt);
      else
        self->endDialog(IDOK);  // Enter without a default button still means OK
      break;
    }
    case host::Answer::Text: apply(a.text, std::nullopt); break;
    case host::Answer::Cancel: self->endDialog(IDCANCEL); break;
    default:
      dcl::log::unexpectedAnswer(title);
      self->endDialog(IDCANCEL);
      break;
  }
  if (!ended) {
    dcl::log::closedWithoutActions(title);
    self->endDialog(IDCANCEL);
  }
}

void AcUiDialog::Impl::apply(const std::string& name, const std::optional<std::string>& value) {
  UiControl* c = find(name.c_str());
  if (!c) return dcl::log::skipped(title, name, "n'existe pas");
  if (!c->enabled) return dcl::log::skipped(title, name, "est désactivé");
  if (value)
    set(*c, *value);
  else
    press(*c);
}

void AcUiDialog::Impl::press(UiControl& c) {
  if (c.kind == UiControl::Button) {
    if (c.onPress)
      run(c.onPress, c.name);
    else if (c.role == AcUiDialog::ButtonRole::Default)
      self->endDialog(IDOK);
    else if (c.role == AcUiDialog::ButtonRole::Cancel)
      self->endDialog(IDCANCEL);
  } else if (c.kind == UiControl::Check) {
    c.checked = !c.checked;
    run(c.onChange, c.name);
  } else {
    dcl::log::skipped(title, c.name, "ne se presse pas");
  }
}

void AcUiDialog::Impl::set(UiControl& c, const std::string& value) {
  switch (c.kind) {
    case UiControl::Edit: c.text = value; break;
    case UiControl::Check: {
      auto on = parseCheck(value);
      if (!on) return dcl::log::skipped(title, c.name, "attend 0 ou 1");
      c.checked = *on;
      break;
    }
    case UiControl::List: {
      auto index = listIndex(c, value);
      if (!index) return dcl::log::skipped(title, c.name, "n'a pas d'article \"" + value + "\"");
      c.selection = *index;
      break;
    }
    default: return dcl::log::skipped(title, c.name, "ne prend pas de valeur");
  }
  run(c.onChange, c.name);
}
