#include "dcl/dialog.h"

#include <strings.h>
#include <algorithm>
#include <charconv>
#include <cmath>

namespace dcl {

std::string TileState::attribute(std::string_view name) const {
  auto it = attributes.find(name);
  return it == attributes.end() ? std::string() : it->second.text;
}

bool TileState::hasAttribute(std::string_view name) const {
  return attributes.find(name) != attributes.end();
}

bool TileState::flag(std::string_view name) const {
  auto it = attributes.find(name);
  return it != attributes.end() && strcasecmp(it->second.text.c_str(), "true") == 0;
}

bool TileState::usable() const {
  for (const TileState* t = this; t; t = t->parent)
    if (!t->enabled) return false;
  return true;
}

Dialog::Dialog(const Tile& definition, std::string name, CLIENTFUNC defaultAction, int x, int y)
    : name_(std::move(name)), defaultAction_(defaultAction), x_(x), y_(y) {
  root_ = build(definition, nullptr);
  // A radio cluster's value names its selected button; either side may be
  // what the file set.
  for (TileState* t : tiles_) {
    if (!isRadioCluster(t->type)) continue;
    std::string selected = t->value;
    if (selected.empty())
      for (auto& c : t->children)
        if (c->type == "radio_button" && c->value == "1") selected = c->key;
    selectRadio(*t, selected);
  }
}

std::unique_ptr<TileState> Dialog::build(const Tile& t, TileState* parent) {
  auto s = std::make_unique<TileState>();
  s->type = t.type;
  s->key = t.key();
  s->attributes = t.attributes;
  s->parent = parent;
  s->value = t.text("value");
  if (s->value.empty() && (t.type == "toggle" || t.type == "radio_button")) s->value = "0";
  if (!t.attribute("value") && t.type == "text") s->value = t.text("label");  // what it shows
  if (const Value* v = t.attribute("is_enabled"); v && strcasecmp(v->text.c_str(), "false") == 0)
    s->enabled = false;
  if (isListType(t.type) && t.attribute("list")) {
    const std::string list = t.text("list");
    size_t start = 0;
    while (start <= list.size()) {
      size_t end = list.find('\n', start);
      if (end == std::string::npos) end = list.size();
      s->items.push_back(list.substr(start, end - start));
      start = end + 1;
    }
  }
  tiles_.push_back(s.get());
  for (const Tile& c : t.children) s->children.push_back(build(c, s.get()));
  return s;
}

std::string Dialog::title() const {
  std::string label = root_->attribute("label");
  return label.empty() ? name_ : label;
}

TileState* Dialog::find(std::string_view key) {
  if (key.empty()) return nullptr;
  for (TileState* t : tiles_)
    if (t->key == key) return t;
  return nullptr;
}

bool Dialog::owns(const void* tile) const {
  return std::find(tiles_.begin(), tiles_.end(), tile) != tiles_.end();
}

TileState* Dialog::defaultButton() {
  for (TileState* t : tiles_)
    if (t->isButton() && t->flag("is_default")) return t;
  TileState* accept = find("accept");
  return accept && accept->isButton() ? accept : nullptr;
}

void Dialog::selectRadio(TileState& cluster, const std::string& key) {
  bool found = false;
  for (auto& c : cluster.children) {
    if (c->type != "radio_button") continue;
    const bool on = !key.empty() && c->key == key && !found;
    found = found || on;
    c->value = on ? "1" : "0";
  }
  cluster.value = found ? key : std::string();
}

void Dialog::setValue(TileState& tile, const std::string& value) {
  if (isRadioCluster(tile.type)) {
    selectRadio(tile, value);
    return;
  }
  TileState* cluster = tile.parent && isRadioCluster(tile.parent->type) ? tile.parent : nullptr;
  if (tile.type == "radio_button" && cluster) {
    if (value == "1")
      selectRadio(*cluster, tile.key);
    else if (cluster->value == tile.key)
      selectRadio(*cluster, "");
    else
      tile.value = value;
    return;
  }
  tile.value = value;
}

void Dialog::end(int status) {
  if (state_ == State::Created)
    endRequested_ = true;
  else
    state_ = State::Ended;
  status_ = status;
}

void tileDimensions(const TileState& tile, short& cx, short& cy) {
  // Character cells of 8 x 16 pixels; an image with only one size gets the
  // other from its aspect ratio (height / width).
  constexpr double kCellWidth = 8, kCellHeight = 16;
  auto number = [&](std::string_view name) {
    const std::string text = tile.attribute(name);
    double v = 0;
    std::from_chars(text.data(), text.data() + text.size(), v);  // C locale, whatever the user's
    return std::isfinite(v) ? v : 0.0;
  };
  double w = number("width") * kCellWidth;
  double h = number("height") * kCellHeight;
  const double ratio = number("aspect_ratio");
  if (ratio > 0 && w > 0 && h <= 0) h = w * ratio;
  if (ratio > 0 && h > 0 && w <= 0) w = h / ratio;
  auto clamp = [](double v) { return static_cast<short>(std::clamp(std::lround(v), 0L, 32767L)); };
  cx = clamp(w);
  cy = clamp(h);
}

}  // namespace dcl
