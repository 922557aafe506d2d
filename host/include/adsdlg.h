// Programmable dialog boxes (DCL): load a DCL file, run its dialogs, drive tiles.
#pragma once
#include "adsdef.h"

typedef void* ads_hdlg;
typedef void* ads_htile;

struct ads_callback_packet {
  ads_hdlg dialog;
  ads_htile tile;
  ACHAR* value;
  void* client_data;
  int reason;
  long x, y;
};
typedef void (*CLIENTFUNC)(ads_callback_packet* cpkt);

#define NULLCB ((CLIENTFUNC)0)

// Callback reasons.
#define CBR_SELECT 1
#define CBR_LOST_FOCUS 2
#define CBR_DRAG 3
#define CBR_DOUBLE_CLICK 4

// Status handed to ads_done_dialog / returned by ads_start_dialog.
#define DLGCANCEL 0
#define DLGOK 1
#define DLGALLDONE (-1)
#define DLGSTATUS 2

// Modes of ads_mode_tile.
#define MODE_ENABLE 0
#define MODE_DISABLE 1
#define MODE_SETFOCUS 2
#define MODE_SETSEL 3
#define MODE_FLIP 4

// List operations of ads_start_list.
#define LIST_CHANGE 1
#define LIST_APPEND 2
#define LIST_NEW 3

#define TILE_STR_LIMIT 255

extern "C" {
HOST_API int ads_load_dialog(const ACHAR* dclfile, int* dcl_id);
HOST_API int ads_unload_dialog(int dcl_id);
HOST_API int ads_new_dialog(const ACHAR* dlgname, int dcl_id, CLIENTFUNC def_callback,
                            ads_hdlg* hdlg);
HOST_API int ads_new_positioned_dialog(const ACHAR* dlgname, int dcl_id, CLIENTFUNC def_callback,
                                       int x, int y, ads_hdlg* hdlg);
HOST_API int ads_start_dialog(ads_hdlg hdlg, int* status);
HOST_API int ads_done_dialog(ads_hdlg hdlg, int status);
HOST_API int ads_done_positioned_dialog(ads_hdlg hdlg, int status, int* x_result, int* y_result);
HOST_API int ads_term_dialog(void);
HOST_API int ads_set_tile(ads_hdlg hdlg, const ACHAR* key, const ACHAR* value);
HOST_API int ads_get_tile(ads_hdlg hdlg, const ACHAR* key, ACHAR* value, int maxlen);
HOST_API int ads_action_tile(ads_hdlg hdlg, const ACHAR* key, CLIENTFUNC tilefunc);
HOST_API int ads_mode_tile(ads_hdlg hdlg, const ACHAR* key, short mode);
HOST_API int ads_get_attr(ads_hdlg hdlg, const ACHAR* key, const ACHAR* attr, ACHAR* value,
                          int len);
HOST_API int ads_get_attr_string(ads_htile tile, const ACHAR* attr, ACHAR* value, int len);
HOST_API int ads_client_data_tile(ads_hdlg hdlg, const ACHAR* key, void* clientdata);
HOST_API int ads_start_list(ads_hdlg hdlg, const ACHAR* key, short operation, short index);
HOST_API int ads_add_list(const ACHAR* item);
HOST_API int ads_end_list(void);
HOST_API int ads_dimensions_tile(ads_hdlg hdlg, const ACHAR* key, short* cx, short* cy);
HOST_API int ads_start_image(ads_hdlg hdlg, const ACHAR* key);
HOST_API int ads_fill_image(int x1, int y1, int width, int height, int color);
HOST_API int ads_vector_image(int x1, int y1, int x2, int y2, int color);
HOST_API int ads_end_image(void);
}
