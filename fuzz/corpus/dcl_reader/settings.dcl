@include "protos.dcl"

// One dialog with every kind of tile the host knows.
settings : dialog {
  label = "Paramètres \"projet\"";
  : column {
    : short_edit { key = "name"; label = "Nom :"; value = "Route 1"; }
    : edit_box { key = "width"; label = "Largeur"; value = "7.5"; }
    : checked_toggle { key = "draft"; label = "Brouillon"; }
    : radio_row {
      key = "side";
      : radio_button { key = "left"; label = "Gauche"; }
      : radio_button { key = "right"; label = "Droite"; value = "1"; }
    }
    : list_box { key = "layers"; label = "Calques"; list = "0\nAxe\nBord"; multiple_select = true; }
    : popup_list { key = "units"; }
    : slider { key = "zoom"; min_value = 0; max_value = 100; value = "50"; }
    : image_button { key = "preview"; width = 10; aspect_ratio = 0.5; color = 0; }
    : image { key = "logo"; width = 4; height = 2; }
    : button { key = "more"; label = "Plus..."; }
    : text { key = "status"; label = "Prêt"; }
  }
  ok_cancel_help_errtile;
}

confirm : dialog {
  label = "Confirmer";
  : text { key = "msg"; label = "Continuer ?"; }
  ok_only;
}
