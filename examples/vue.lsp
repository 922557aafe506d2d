;;; Map-view demo, on the survey drawing: the surroundings of the survey are
;;; taken from the source drawings in sources/ (alias SIG) by Omvala,
;;; through cadhost's mapping service, inside a boundary around the survey.

(princ "\n=== Vue cartographique ===\n")
(setq alias "SIG&sources"
      sources "SIG:\\cadastre.dxf;SIG:\\reseaux.dxf;SIG:\\ancien.dxf"
      limite '((-20.0 -20.0) (60.0 -20.0) (60.0 50.0) (-20.0 50.0)))
(PrepareVue alias sources)
(GenereVue "" sources limite)
(foreach c '("PARCELLES" "EAU" "ELEC" "ANCIEN_LEVE" "TOPO_PTS")
  (setq ss (ssget "X" (list (cons 8 c))))
  (princ (strcat "Calque " c " : " (itoa (if ss (sslength ss) 0)) " objet(s)\n")))
(princ "=== Fin de la vue ===\n")
(princ)
