// Running a DCL dialog with the scripted user's answer.
//
// The dialog takes one answer (the request is its title):
//   a dialog answer   its actions in order: ("key", value) sets the tile as the
//                     user would, then runs its action with CBR_SELECT;
//                     ("key") presses a button, flips a toggle, selects a radio
//                     button, or runs the action of another active tile. A
//                     button without action ends the dialog: DLGOK for
//                     "accept" or is_default, DLGCANCEL for "cancel" or
//                     is_cancel. The dialog ends as soon as an action calls
//                     done_dialog; when the actions run out it ends as by
//                     Escape (DLGCANCEL), with a line saying so.
//   Enter             presses the default button.
//   a text            presses the tile with that key.
//   Escape            DLGCANCEL.
// What the user sets: an edit box takes the text (cut at edit_limit, 132 by
// default); a list takes indexes ("0", "1 3") or an item's text; a toggle or
// radio button "0" or "1"; a radio cluster the key of one of its buttons; a
// slider a number; an image button "x,y", the point clicked. An action on a
// missing, disabled, or unsuitable tile is written and skipped.
#pragma once

namespace dcl {

class Dialog;

// Returns the status the dialog ended with.
int runDialog(Dialog& dialog);

}  // namespace dcl
