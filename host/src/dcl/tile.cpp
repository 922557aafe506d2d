#include "dcl/tile.h"

#include <strings.h>
#include <algorithm>
#include <array>

namespace dcl {

const Value* Tile::attribute(std::string_view name) const {
  auto it = attributes.find(name);
  return it == attributes.end() ? nullptr : &it->second;
}

std::string Tile::text(std::string_view name) const {
  const Value* v = attribute(name);
  return v ? v->text : std::string();
}

bool Tile::flag(std::string_view name) const {
  const Value* v = attribute(name);
  return v && strcasecmp(v->text.c_str(), "true") == 0;
}

bool isBuiltinType(std::string_view type) {
  static constexpr std::array<std::string_view, 23> kTypes = {
      "dialog",        "button",       "edit_box",     "list_box",        "popup_list",
      "toggle",        "radio_button", "text",         "image",           "image_button",
      "slider",        "spacer",       "row",          "column",          "boxed_row",
      "boxed_column",  "radio_row",    "radio_column", "boxed_radio_row", "boxed_radio_column",
      "concatenation", "paragraph",    "text_part"};
  return std::find(kTypes.begin(), kTypes.end(), type) != kTypes.end();
}

bool isRadioCluster(std::string_view type) {
  return type == "radio_row" || type == "radio_column" || type == "boxed_radio_row" ||
         type == "boxed_radio_column";
}

bool isListType(std::string_view type) { return type == "list_box" || type == "popup_list"; }

bool isImageType(std::string_view type) { return type == "image" || type == "image_button"; }

}  // namespace dcl
