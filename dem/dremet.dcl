// Dialogs of the elevation-model import: the main dialog, the colour bands
// and the regular altitude steps.

dremet : dialog {
  label = "Import du modèle numérique de terrain";
  : boxed_column {
    label = "Données";
    : edit_box { key = "dirz"; label = "Répertoire :"; edit_width = 40; edit_limit = 1024; }
    : edit_box { key = "extz"; label = "Extension :"; edit_width = 8; edit_limit = 1024; }
  }
  : boxed_column {
    label = "Fenêtre";
    : row {
      : text { label = "Bas gauche"; width = 12; }
      : text { key = "x1"; width = 16; }
      : text { key = "y1"; width = 16; }
    }
    : row {
      : text { label = "Haut droit"; width = 12; }
      : text { key = "x2"; width = 16; }
      : text { key = "y2"; width = 16; }
    }
    : row {
      : text { label = "Colonnes"; width = 12; }
      : text { key = "col"; width = 8; }
      : text { label = "Rangées"; width = 10; }
      : text { key = "rang"; width = 8; }
    }
    : button { key = "fene"; label = "Choisir la fenêtre <"; }
  }
  : button { key = "tbc"; label = "Table des couleurs..."; }
  : boxed_row {
    label = "Dessin";
    : button { key = "face"; label = "Faces 3D"; }
    : button { key = "ligne"; label = "Lignes 3D"; }
    : button { key = "virtu"; label = "Vecteurs"; }
    : button { key = "point"; label = "Points 3D"; }
    : button { key = "poly3d"; label = "Polyligne 3D <"; }
  }
  cancel_button;
  errtile;
}

mntcol : dialog {
  label = "Couleurs par tranche d'altitude";
  : row {
    : column {
    : row {
      : text { label = " 0"; width = 3; }
      : edit_box { key = "alti0"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col0"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima0"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = " 1"; width = 3; }
      : edit_box { key = "alti1"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col1"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima1"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = " 2"; width = 3; }
      : edit_box { key = "alti2"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col2"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima2"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = " 3"; width = 3; }
      : edit_box { key = "alti3"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col3"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima3"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = " 4"; width = 3; }
      : edit_box { key = "alti4"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col4"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima4"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = " 5"; width = 3; }
      : edit_box { key = "alti5"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col5"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima5"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = " 6"; width = 3; }
      : edit_box { key = "alti6"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col6"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima6"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = " 7"; width = 3; }
      : edit_box { key = "alti7"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col7"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima7"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = " 8"; width = 3; }
      : edit_box { key = "alti8"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col8"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima8"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = " 9"; width = 3; }
      : edit_box { key = "alti9"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col9"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima9"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = "10"; width = 3; }
      : edit_box { key = "alti10"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col10"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima10"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = "11"; width = 3; }
      : edit_box { key = "alti11"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col11"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima11"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = "12"; width = 3; }
      : edit_box { key = "alti12"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col12"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima12"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = "13"; width = 3; }
      : edit_box { key = "alti13"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col13"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima13"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = "14"; width = 3; }
      : edit_box { key = "alti14"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col14"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima14"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    }
    : column {
    : row {
      : text { label = "15"; width = 3; }
      : edit_box { key = "alti15"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col15"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima15"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = "16"; width = 3; }
      : edit_box { key = "alti16"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col16"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima16"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = "17"; width = 3; }
      : edit_box { key = "alti17"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col17"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima17"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = "18"; width = 3; }
      : edit_box { key = "alti18"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col18"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima18"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = "19"; width = 3; }
      : edit_box { key = "alti19"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col19"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima19"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = "20"; width = 3; }
      : edit_box { key = "alti20"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col20"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima20"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = "21"; width = 3; }
      : edit_box { key = "alti21"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col21"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima21"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = "22"; width = 3; }
      : edit_box { key = "alti22"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col22"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima22"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = "23"; width = 3; }
      : edit_box { key = "alti23"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col23"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima23"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = "24"; width = 3; }
      : edit_box { key = "alti24"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col24"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima24"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = "25"; width = 3; }
      : edit_box { key = "alti25"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col25"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima25"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = "26"; width = 3; }
      : edit_box { key = "alti26"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col26"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima26"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = "27"; width = 3; }
      : edit_box { key = "alti27"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col27"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima27"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = "28"; width = 3; }
      : edit_box { key = "alti28"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col28"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima28"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    : row {
      : text { label = "29"; width = 3; }
      : edit_box { key = "alti29"; edit_width = 7; edit_limit = 11; }
      : edit_box { key = "col29"; edit_width = 4; edit_limit = 4; }
      : image_button { key = "ima29"; width = 4; height = 1; aspect_ratio = 0.5; color = 0; }
    }
    }
  }
  : row {
    : button { key = "degrade"; label = "Dégradé"; }
    : button { key = "degrade2"; label = "Dégradé entre deux"; }
    : button { key = "pasalti"; label = "Pas d'altitude..."; }
  }
  ok_cancel;
  errtile;
}

pasalti : dialog {
  label = "Pas d'altitude";
  : edit_box { key = "altimin"; label = "Altitude basse :"; edit_width = 8; }
  : edit_box { key = "pasinter"; label = "Pas :"; edit_width = 8; }
  : edit_box { key = "altimax"; label = "Altitude haute :"; edit_width = 8; }
  ok_cancel;
}
