// DCL dialogs from LISP: load_dialog unload_dialog new_dialog start_dialog
// done_dialog term_dialog action_tile client_data_tile set_tile get_tile
// get_attr mode_tile start_list add_list end_list. Each one is the host's ads_*
// call of the same name on the dialog the program is driving, the innermost
// one made by new_dialog and not yet over.
#include <climits>
#include <cmath>
#include <optional>
#include <string>

#include "adsdlg.h"
#include "dcl/dialog_actions.h"
#include "lisp/args.h"
#include "lisp/error.h"
#include "lisp/host_link.h"
#include "lisp/subr.h"

namespace lisp {

namespace {

ads_hdlg current(const Args& a) {
  const DialogFrame* f = currentDialog(a.env());
  return f ? f->dialog : nullptr;
}

// A LISP integer the host takes as a short; nullopt when it does not fit.
std::optional<short> shortArg(const Args& a, size_t i) {
  const int32_t v = a.integer(i);
  if (v < SHRT_MIN || v > SHRT_MAX) return std::nullopt;
  return static_cast<short>(v);
}

Value textOrNil(const std::optional<std::string>& text) {
  return text ? makeString(*text) : Value();
}

// (load_dialog file): the file's id, or a negative number when it cannot be read.
Value sLoadDialog(Args& a) {
  int id = 0;
  if (ads_load_dialog(a.string(0).c_str(), &id) != RTNORM || id <= 0) return Value::integer(-1);
  return Value::integer(id);
}

Value sUnloadDialog(Args& a) {
  ads_unload_dialog(a.integer(0));
  return Value();
}

// (new_dialog name id [action [screen-pt]]): T once the dialog is made, else nil.
Value sNewDialog(Args& a) {
  const std::string& name = a.string(0);
  const int32_t id = a.integer(1);
  std::string action = a.given(2) ? a.string(2) : std::string();
  double pt[3] = {-1, -1, 0};
  if (a.given(3)) a.point(3, pt);
  auto coordinate = [](double v) {
    return std::isfinite(v) && std::fabs(v) < INT_MAX ? static_cast<int>(std::lround(v)) : -1;
  };
  ads_hdlg h = nullptr;
  if (ads_new_positioned_dialog(name.c_str(), id, runTileAction, coordinate(pt[0]),
                                coordinate(pt[1]), &h) != RTNORM)
    return Value();
  pushDialog(a.env(), h, std::move(action));
  // OK and Cancel close the dialog themselves unless they hold an action: the
  // one their DCL gives must reach the callback.
  for (const char* key : {"accept", "cancel"}) {
    char unused[2];
    if (ads_get_attr(h, key, "action", unused, sizeof unused) == RTNORM)
      ads_action_tile(h, key, runTileAction);
  }
  return a.truth(true);
}

// (start_dialog): the status the dialog ended with (1 OK, 0 Cancel, -1 after
// term_dialog, or what done_dialog gave); nil without a dialog to start.
Value sStartDialog(Args& a) {
  DialogFrame* f = currentDialog(a.env());
  if (!f || f->started) return Value();
  f->started = true;
  int status = DLGCANCEL;
  const int rc = ads_start_dialog(f->dialog, &status);
  std::optional<LispError> error = std::move(f->error);
  popDialog(*f);
  if (error) throw std::move(*error);
  return rc == RTNORM ? Value::integer(status) : Value();
}

// (done_dialog [status]): the dialog's position (x y); nil without a dialog.
Value sDoneDialog(Args& a) {
  const int status = a.given(0) ? a.integer(0) : DLGCANCEL;
  int x = 0, y = 0;
  if (ads_done_positioned_dialog(current(a), status, &x, &y) != RTNORM) return Value();
  return cons(Value::integer(x), cons(Value::integer(y), Value()));
}

Value sTermDialog(Args&) {
  ads_term_dialog();
  return Value();
}

// (action_tile key expression): T when the dialog has that tile.
Value sActionTile(Args& a) {
  const std::string& key = a.string(0);
  const std::string& expression = a.string(1);
  DialogFrame* f = currentDialog(a.env());
  if (!f || ads_action_tile(f->dialog, key.c_str(), runTileAction) != RTNORM) return Value();
  f->actions[key] = expression;
  return a.truth(true);
}

// (client_data_tile key data): what $data holds in that tile's action. The
// engine's own slot takes a pointer, so the text stays here and the call only
// checks that the tile exists.
Value sClientDataTile(Args& a) {
  const std::string& key = a.string(0);
  const std::string& data = a.string(1);
  DialogFrame* f = currentDialog(a.env());
  if (f && ads_client_data_tile(f->dialog, key.c_str(), nullptr) == RTNORM) f->data[key] = data;
  return Value();
}

// (set_tile key value): the value, or nil when there is no such tile.
Value sSetTile(Args& a) {
  const std::string& key = a.string(0);
  const std::string& value = a.string(1);
  return ads_set_tile(current(a), key.c_str(), value.c_str()) == RTNORM ? a[1] : Value();
}

Value sGetTile(Args& a) {
  const std::string& key = a.string(0);
  const ads_hdlg h = current(a);
  return textOrNil(
      hostText([&](ACHAR* out, int len) { return ads_get_tile(h, key.c_str(), out, len); }));
}

// (get_attr key attribute): the attribute's text as the DCL file gives it.
Value sGetAttr(Args& a) {
  const std::string& key = a.string(0);
  const std::string& attr = a.string(1);
  const ads_hdlg h = current(a);
  return textOrNil(hostText(
      [&](ACHAR* out, int len) { return ads_get_attr(h, key.c_str(), attr.c_str(), out, len); }));
}

// (mode_tile key mode): 0 enable, 1 disable, 2 focus, 3 select the text, 4 flip the image.
Value sModeTile(Args& a) {
  const std::string& key = a.string(0);
  if (auto mode = shortArg(a, 1)) ads_mode_tile(current(a), key.c_str(), *mode);
  return Value();
}

// (start_list key [operation [index]]): operation 1 changes the item at index,
// 2 appends, 3 (the default) starts a new list. The key, or nil.
Value sStartList(Args& a) {
  const std::string& key = a.string(0);
  const std::optional<short> operation = a.given(1) ? shortArg(a, 1) : short{LIST_NEW};
  const std::optional<short> index = a.given(2) ? shortArg(a, 2) : short{0};
  if (!operation || !index) return Value();
  return ads_start_list(current(a), key.c_str(), *operation, *index) == RTNORM ? a[0] : Value();
}

Value sAddList(Args& a) { return ads_add_list(a.string(0).c_str()) == RTNORM ? a[0] : Value(); }

Value sEndList(Args&) {
  ads_end_list();
  return Value();
}

const Subr kSubrs[] = {
    {"LOAD_DIALOG", sLoadDialog, nullptr, 1, 1},
    {"UNLOAD_DIALOG", sUnloadDialog, nullptr, 1, 1},
    {"NEW_DIALOG", sNewDialog, nullptr, 2, 4},
    {"START_DIALOG", sStartDialog, nullptr, 0, 0},
    {"DONE_DIALOG", sDoneDialog, nullptr, 0, 1},
    {"TERM_DIALOG", sTermDialog, nullptr, 0, 0},
    {"ACTION_TILE", sActionTile, nullptr, 2, 2},
    {"CLIENT_DATA_TILE", sClientDataTile, nullptr, 2, 2},
    {"SET_TILE", sSetTile, nullptr, 2, 2},
    {"GET_TILE", sGetTile, nullptr, 1, 1},
    {"GET_ATTR", sGetAttr, nullptr, 2, 2},
    {"MODE_TILE", sModeTile, nullptr, 2, 2},
    {"START_LIST", sStartList, nullptr, 1, 3},
    {"ADD_LIST", sAddList, nullptr, 1, 1},
    {"END_LIST", sEndList, nullptr, 0, 0},
};

void registerDialogSubrs(Environment& env) { env.define(kSubrs, std::size(kSubrs)); }

const SubrGroup kGroup(registerDialogSubrs);

}  // namespace

}  // namespace lisp
