// A dialog that a LISP program drives: a name, layers filled by the program,
// a toggle, a button whose action the file gives, and a status line.
profil : dialog {
  label = "Profil en long";
  : edit_box { key = "nom"; label = "Nom :"; value = "Axe 1"; edit_limit = 12; }
  : list_box { key = "calques"; label = "Calques"; }
  : toggle { key = "brouillon"; label = "Brouillon"; }
  : button { key = "calcul"; label = "Calculer"; action = "(setq par-dcl (list $key $reason))"; }
  : text { key = "etat"; label = "Prêt"; }
  ok_cancel;
}

confirmer : dialog {
  label = "Confirmer";
  : text { key = "msg"; label = "Continuer ?"; }
  ok_cancel;
}
