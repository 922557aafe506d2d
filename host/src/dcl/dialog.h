// A dialog made by new_dialog: the state of its tiles (values, enabled state,
// callbacks, list contents, image drawings) while the program drives it.
#pragma once
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "adsdlg.h"
#include "dcl/tile.h"

namespace dcl {

// One drawing call recorded on an image tile. Fill: (x1, y1) and width x2,
// height y2; vector: from (x1, y1) to (x2, y2).
struct ImageOp {
  enum Kind { Fill, Vector };
  Kind kind = Fill;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int color = 0;
};

struct TileState {
  std::string type;
  std::string key;
  std::map<std::string, Value, std::less<>> attributes;
  std::string value;
  bool enabled = true;
  bool highlighted = false;  // MODE_FLIP on an image button
  CLIENTFUNC action = nullptr;
  void* clientData = nullptr;
  std::vector<std::string> items;  // list_box, popup_list
  std::vector<ImageOp> image;      // image, image_button
  TileState* parent = nullptr;
  std::vector<std::unique_ptr<TileState>> children;

  std::string attribute(std::string_view name) const;  // "" when missing
  bool hasAttribute(std::string_view name) const;
  bool flag(std::string_view name) const;
  bool isButton() const { return type == "button"; }
  // Enabled, and so is every cluster around it.
  bool usable() const;
};

class Dialog {
 public:
  enum class State { Created, Running, Ended };

  Dialog(const Tile& definition, std::string name, CLIENTFUNC defaultAction, int x, int y);

  const std::string& name() const { return name_; }
  std::string title() const;  // its label, else its name
  TileState& root() { return *root_; }
  TileState* find(std::string_view key);  // the first tile with that key
  bool owns(const void* tile) const;
  CLIENTFUNC defaultAction() const { return defaultAction_; }
  // The button Enter presses: is_default, else the key "accept".
  TileState* defaultButton();

  // Sets a value as the program does: a radio button and its cluster stay
  // consistent (one button on, the cluster's value is that button's key).
  void setValue(TileState& tile, const std::string& value);

  State state() const { return state_; }
  void setRunning() { state_ = State::Running; }
  bool ended() const { return state_ == State::Ended; }
  void end(int status);
  // Whether it ended before it was started (done_dialog before start_dialog).
  bool endRequested() const { return endRequested_; }
  int status() const { return status_; }
  int x() const { return x_; }
  int y() const { return y_; }

 private:
  std::unique_ptr<TileState> build(const Tile& t, TileState* parent);
  void selectRadio(TileState& cluster, const std::string& key);

  std::string name_;
  std::unique_ptr<TileState> root_;
  std::vector<TileState*> tiles_;  // every tile, in reading order
  CLIENTFUNC defaultAction_;
  State state_ = State::Created;
  bool endRequested_ = false;
  int status_ = DLGCANCEL;
  int x_, y_;
};

// Width and height of a tile in pixels, as dimensions_tile gives them.
void tileDimensions(const TileState& tile, short& cx, short& cy);

}  // namespace dcl
