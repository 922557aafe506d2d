// Prototypes shared by the test dialogs.
short_edit : edit_box { edit_width = 12; edit_limit = 8; }
checked_toggle : toggle { value = "1"; /* on unless told otherwise */ }
