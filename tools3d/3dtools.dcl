// Dialogs of the 3D drafting tools.

// Offset of a 3D polyline: its figures, the offset and the height ramp.
decale : dialog {
  label = "Décalage d'une polyligne 3D";
  : boxed_column {
    label = "Polyligne";
    : row {
      : text { key = "lgd"; label = "Longueur 3D :"; width = 12; }
      : text { key = "lgp"; label = "Longueur plane :"; width = 12; }
    }
    : row {
      : text { key = "plp3d"; label = "Calque :"; width = 20; }
      : text { key = "nbrsom"; label = "Sommets :"; width = 8; }
    }
  }
  : boxed_column {
    label = "Partie à décaler";
    : radio_row {
      : radio_button { key = "total"; label = "Toute la polyligne"; }
      : radio_button { key = "partiel"; label = "Une partie"; }
    }
    : row {
      : text { key = "xsom1"; label = "Départ X"; width = 12; }
      : text { key = "ysom1"; label = "Y"; width = 12; }
      : text { key = "zsom1"; label = "Z"; width = 12; }
    }
    : row {
      : text { key = "xsom2"; label = "Fin X"; width = 12; }
      : text { key = "ysom2"; label = "Y"; width = 12; }
      : text { key = "zsom2"; label = "Z"; width = 12; }
    }
    : button { key = "saisie"; label = "Cliquer les points <"; }
  }
  : boxed_column {
    label = "Décalage";
    : edit_box { key = "didec"; label = "Distance :"; edit_width = 10; }
    : edit_box { key = "deltaz1"; label = "Delta Z au départ :"; edit_width = 10; }
    : edit_box { key = "deltaz2"; label = "Delta Z à la fin :"; edit_width = 10; }
  }
  ok_cancel_help_errtile;
}
