// The host's dialog functions for modules: DCL (ads_*) and acedAlert.
// Every entry point catches: a fault inside the host becomes RTERROR.
#include <cstring>
#include <string>

#include "acedads.h"
#include "adsdlg.h"
#include "base/guarded_call.h"
#include "core/session.h"
#include "dcl/dialog_log.h"
#include "dcl/dialog_manager.h"

namespace {

// Copies at most len - 1 bytes and the final zero.
int copyOut(const std::string& text, ACHAR* out, int len) {
  if (!out || len <= 0) return RTERROR;
  const size_t n = std::min(text.size(), static_cast<size_t>(len - 1));
  std::memcpy(out, text.data(), n);
  out[n] = '\0';
  return RTNORM;
}

dcl::TileState* tileOf(ads_hdlg hdlg, const ACHAR* key) {
  dcl::Dialog* d = dcl::dialogs().dialog(hdlg);
  return d && key ? d->find(key) : nullptr;
}

int attributeOf(const dcl::TileState* t, const ACHAR* attr, ACHAR* value, int len) {
  if (!t || !attr || !t->hasAttribute(attr)) return RTERROR;
  return copyOut(t->attribute(attr), value, len);
}

int newDialog(const ACHAR* name, int dclId, CLIENTFUNC def, int x, int y, ads_hdlg* hdlg) {
  if (!name || !hdlg) return RTERROR;
  *hdlg = nullptr;
  dcl::Dialog* d = dcl::dialogs().newDialog(name, dclId, def, x, y);
  if (!d) return RTERROR;
  *hdlg = d;
  return RTNORM;
}

}  // namespace

using host::guardedCall;

extern "C" {

int acedAlert(const ACHAR* text) {
  return guardedCall(__func__, [&] {
    if (!text) return RTERROR;
    host::session().print(std::string("[alerte] ") + text + "\n");
    return RTNORM;
  });
}

int ads_load_dialog(const ACHAR* dclfile, int* dcl_id) {
  return guardedCall(__func__, [&] {
    if (!dclfile || !dcl_id) return RTERROR;
    *dcl_id = dcl::dialogs().loadFile(dclfile);
    return *dcl_id > 0 ? RTNORM : RTERROR;
  });
}

int ads_unload_dialog(int dcl_id) {
  return guardedCall(__func__,
                     [&] { return dcl::dialogs().unloadFile(dcl_id) ? RTNORM : RTERROR; });
}

int ads_new_dialog(const ACHAR* dlgname, int dcl_id, CLIENTFUNC def_callback, ads_hdlg* hdlg) {
  return guardedCall(__func__,
                     [&] { return newDialog(dlgname, dcl_id, def_callback, -1, -1, hdlg); });
}

int ads_new_positioned_dialog(const ACHAR* dlgname, int dcl_id, CLIENTFUNC def_callback, int x,
                              int y, ads_hdlg* hdlg) {
  return guardedCall(__func__,
                     [&] { return newDialog(dlgname, dcl_id, def_callback, x, y, hdlg); });
}

int ads_start_dialog(ads_hdlg hdlg, int* status) {
  return guardedCall(__func__, [&] {
    dcl::Dialog* d = dcl::dialogs().dialog(hdlg);
    if (!d || d->state() != dcl::Dialog::State::Created) return RTERROR;
    const int s = dcl::dialogs().start(*d);
    if (status) *status = s;
    return RTNORM;
  });
}

int ads_done_dialog(ads_hdlg hdlg, int status) {
  return guardedCall(__func__, [&] {
    dcl::Dialog* d = dcl::dialogs().dialog(hdlg);
    if (!d || d->ended()) return RTERROR;
    d->end(status);
    return RTNORM;
  });
}

int ads_done_positioned_dialog(ads_hdlg hdlg, int status, int* x_result, int* y_result) {
  return guardedCall(__func__, [&] {
    dcl::Dialog* d = dcl::dialogs().dialog(hdlg);
    if (!d || d->ended()) return RTERROR;
    if (x_result) *x_result = d->x();
    if (y_result) *y_result = d->y();
    d->end(status);
    return RTNORM;
  });
}

int ads_term_dialog(void) {
  return guardedCall(__func__, [&] {
    dcl::dialogs().terminateAll();
    return RTNORM;
  });
}

int ads_set_tile(ads_hdlg hdlg, const ACHAR* key, const ACHAR* value) {
  return guardedCall(__func__, [&] {
    dcl::Dialog* d = dcl::dialogs().dialog(hdlg);
    dcl::TileState* t = d && key ? d->find(key) : nullptr;
    if (!t || !value) return RTERROR;
    d->setValue(*t, value);
    if (*value && t->flag("is_error_tile")) dcl::log::errorShown(d->title(), value);
    return RTNORM;
  });
}

int ads_get_tile(ads_hdlg hdlg, const ACHAR* key, ACHAR* value, int maxlen) {
  return guardedCall(__func__, [&] {
    dcl::TileState* t = tileOf(hdlg, key);
    return t ? copyOut(t->value, value, maxlen) : RTERROR;
  });
}

int ads_action_tile(ads_hdlg hdlg, const ACHAR* key, CLIENTFUNC tilefunc) {
  return guardedCall(__func__, [&] {
    dcl::TileState* t = tileOf(hdlg, key);
    if (!t) return RTERROR;
    t->action = tilefunc;
    return RTNORM;
  });
}

int ads_mode_tile(ads_hdlg hdlg, const ACHAR* key, short mode) {
  return guardedCall(__func__, [&] {
    dcl::TileState* t = tileOf(hdlg, key);
    if (!t) return RTERROR;
    switch (mode) {
      case MODE_ENABLE: t->enabled = true; break;
      case MODE_DISABLE: t->enabled = false; break;
      case MODE_SETFOCUS:
      case MODE_SETSEL: break;  // nothing is shown: focus and selection do not matter
      case MODE_FLIP: t->highlighted = !t->highlighted; break;
      default: return RTERROR;
    }
    return RTNORM;
  });
}

int ads_get_attr(ads_hdlg hdlg, const ACHAR* key, const ACHAR* attr, ACHAR* value, int len) {
  return guardedCall(__func__, [&] { return attributeOf(tileOf(hdlg, key), attr, value, len); });
}

int ads_get_attr_string(ads_htile tile, const ACHAR* attr, ACHAR* value, int len) {
  return guardedCall(__func__,
                     [&] { return attributeOf(dcl::dialogs().tile(tile), attr, value, len); });
}

int ads_client_data_tile(ads_hdlg hdlg, const ACHAR* key, void* clientdata) {
  return guardedCall(__func__, [&] {
    dcl::TileState* t = tileOf(hdlg, key);
    if (!t) return RTERROR;
    t->clientData = clientdata;
    return RTNORM;
  });
}

int ads_start_list(ads_hdlg hdlg, const ACHAR* key, short operation, short index) {
  return guardedCall(__func__, [&] {
    dcl::TileState* t = tileOf(hdlg, key);
    return t && dcl::dialogs().startList(*t, operation, index) ? RTNORM : RTERROR;
  });
}

int ads_add_list(const ACHAR* item) {
  return guardedCall(__func__,
                     [&] { return item && dcl::dialogs().addListItem(item) ? RTNORM : RTERROR; });
}

int ads_end_list(void) {
  return guardedCall(__func__, [&] { return dcl::dialogs().endList() ? RTNORM : RTERROR; });
}

int ads_dimensions_tile(ads_hdlg hdlg, const ACHAR* key, short* cx, short* cy) {
  return guardedCall(__func__, [&] {
    dcl::TileState* t = tileOf(hdlg, key);
    if (!t || !cx || !cy) return RTERROR;
    dcl::tileDimensions(*t, *cx, *cy);
    return RTNORM;
  });
}

int ads_start_image(ads_hdlg hdlg, const ACHAR* key) {
  return guardedCall(__func__, [&] {
    dcl::TileState* t = tileOf(hdlg, key);
    return t && dcl::dialogs().startImage(*t) ? RTNORM : RTERROR;
  });
}

int ads_fill_image(int x1, int y1, int width, int height, int color) {
  return guardedCall(__func__, [&] {
    return dcl::dialogs().addImageOp({dcl::ImageOp::Fill, x1, y1, width, height, color}) ? RTNORM
                                                                                         : RTERROR;
  });
}

int ads_vector_image(int x1, int y1, int x2, int y2, int color) {
  return guardedCall(__func__, [&] {
    return dcl::dialogs().addImageOp({dcl::ImageOp::Vector, x1, y1, x2, y2, color}) ? RTNORM
                                                                                    : RTERROR;
  });
}

int ads_end_image(void) {
  return guardedCall(__func__, [&] { return dcl::dialogs().endImage() ? RTNORM : RTERROR; });
}

}  // extern "C"
