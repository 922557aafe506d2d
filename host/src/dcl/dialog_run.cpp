#include "dcl/dialog_run.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

#include "adsdlg.h"
#include "core/session.h"
#include "dcl/dialog.h"
#include "dcl/dialog_log.h"

namespace dcl {
namespace {

constexpr size_t kDefaultEditLimit = 132;

std::optional<long> parseInt(std::string_view s) {
  long v = 0;
  auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
  return v;
}

bool isNumber(std::string_view s) {
  double v = 0;
  auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  return r.ec == std::errc() && r.ptr == s.data() + s.size() && std::isfinite(v);
}

// Cuts at `limit` bytes without splitting a UTF-8 character.
std::string cutText(const std::string& text, size_t limit) {
  if (text.size() <= limit) return text;
  size_t end = limit;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

// A list's value from what the user gave: indexes separated by blanks, or the
// text of one item. nullopt when it names nothing in the list.
std::optional<std::string> listValue(const TileState& list, const std::string& given) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start < given.size()) {
    size_t end = given.find(' ', start);
    if (end == std::string::npos) end = given.size();
    if (end > start) parts.push_back(given.substr(start, end - start));
    start = end + 1;
  }
  bool indexes = !parts.empty();
  for (const std::string& p : parts) {
    auto i = parseInt(p);
    if (!i || *i < 0 || static_cast<size_t>(*i) >= list.items.size()) indexes = false;
  }
  const bool several = list.type == "list_box" && list.flag("multiple_select");
  if (indexes && (parts.size() == 1 || several)) {
    std::string out;
    for (const std::string& p : parts)
      out += (out.empty() ? "" : " ") + std::to_string(*parseInt(p));
    return out;
  }
  for (size_t i = 0; i < list.items.size(); ++i)
    if (list.items[i] == given) return std::to_string(i);
  return std::nullopt;
}

class Run {
 public:
  explicit Run(Dialog& d) : d_(d), title_(d.title()) {}

  int go() {
    d_.setRunning();
    log::opened(title_);
    if (d_.endRequested()) {  // done_dialog came before start_dialog
      d_.end(d_.status());
      return d_.status();
    }
    host::Answer a = host::session().user().take(title_);
    switch (a.kind) {
      case host::Answer::Dialog:
        for (const auto& action : a.actions) {
          if (d_.ended()) break;
          apply(action.key, action.value);
        }
        break;
      case host::Answer::Enter:
        if (TileState* b = d_.defaultButton()) apply(b->key, std::nullopt);
        break;
      case host::Answer::Text: apply(a.text, std::nullopt); break;
      case host::Answer::Cancel: d_.end(DLGCANCEL); break;
      default:
        log::unexpectedAnswer(title_);
        d_.end(DLGCANCEL);
        break;
    }
    if (!d_.ended()) {
      log::closedWithoutActions(title_);
      d_.end(DLGCANCEL);
    }
    return d_.status();
  }

 private:
  void apply(const std::string& key, const std::optional<std::string>& value) {
    TileState* t = d_.find(key);
    if (!t) return log::skipped(title_, key, "n'existe pas");
    if (!t->usable()) return log::skipped(title_, key, "est désactivé");
    if (value)
      set(*t, *value);
    else
      press(*t);
  }

  void press(TileState& t) {
    if (t.isButton()) {
      if (t.action)
        fire(t);
      else if (t.key == "accept" || t.flag("is_default"))
        d_.end(DLGOK);
      else if (t.key == "cancel" || t.flag("is_cancel"))
        d_.end(DLGCANCEL);
      else
        fire(t);
    } else if (t.type == "toggle") {
      d_.setValue(t, t.value == "1" ? "0" : "1");
      fire(t);
    } else if (t.type == "radio_button") {
      d_.setValue(t, "1");
      fire(t);
    } else if (t.type == "image_button" || t.type == "edit_box" || isListType(t.type) ||
               t.type == "slider") {
      fire(t);
    } else {
      log::skipped(title_, t.key, "ne se presse pas");
    }
  }

  void set(TileState& t, const std::string& value) {
    if (t.type == "edit_box") {
      size_t limit = kDefaultEditLimit;
      if (auto n = parseInt(t.attribute("edit_limit")); n && *n > 0)
        limit = static_cast<size_t>(*n);
      d_.setValue(t, cutText(value, limit));
      fire(t);
    } else if (isListType(t.type)) {
      auto v = listValue(t, value);
      if (!v) return log::skipped(title_, t.key, "n'a pas d'article \"" + value + "\"");
      d_.setValue(t, *v);
      fire(t);
    } else if (t.type == "toggle" || t.type == "radio_button") {
      if (value != "0" && value != "1") return log::skipped(title_, t.key, "attend 0 ou 1");
      d_.setValue(t, value);
      fire(t);
    } else if (isRadioCluster(t.type)) {
      TileState* button = nullptr;
      for (auto& c : t.children)
        if (c->type == "radio_button" && c->key == value) button = c.get();
      if (!button) return log::skipped(title_, t.key, "n'a pas de bouton \"" + value + "\"");
      if (!button->usable()) return log::skipped(title_, value, "est désactivé");
      d_.setValue(*button, "1");
      fire(*button);
    } else if (t.type == "slider") {
      if (!isNumber(value)) return log::skipped(title_, t.key, "attend un nombre");
      d_.setValue(t, value);
      fire(t);
    } else if (t.type == "image_button") {
      const size_t comma = value.find(',');
      auto x = parseInt(value.substr(0, comma));
      auto y = comma == std::string::npos ? std::nullopt : parseInt(value.substr(comma + 1));
      if (!x || !y) return log::skipped(title_, t.key, "attend un point \"x,y\"");
      fire(t, *x, *y);
    } else {
      log::skipped(title_, t.key, "ne prend pas de valeur");
    }
  }

  // Runs the tile's action; a radio button without one runs its cluster's,
  // then the dialog's default action.
  void fire(TileState& t, long x = 0, long y = 0) {
    TileState* target = &t;
    CLIENTFUNC fn = t.action;
    if (!fn && t.type == "radio_button" && t.parent && isRadioCluster(t.parent->type) &&
        t.parent->action) {
      target = t.parent;
      fn = t.parent->action;
    }
    if (!fn) fn = d_.defaultAction();
    if (!fn) return;
    std::vector<char> value(target->value.begin(), target->value.end());
    value.push_back('\0');
    ads_callback_packet packet{};
    packet.dialog = &d_;
    packet.tile = target;
    packet.value = value.data();
    packet.client_data = target->clientData;
    packet.reason = CBR_SELECT;
    packet.x = x;
    packet.y = y;
    const std::string key = target->key;  // the action may change the tile
    try {
      fn(&packet);
    } catch (...) {
      log::callbackFailed(title_, key);
    }
  }

  Dialog& d_;
  std::string title_;
};

}  // namespace

int runDialog(Dialog& dialog) { return Run(dialog).go(); }

}  // namespace dcl
