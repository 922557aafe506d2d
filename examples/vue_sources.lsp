;;; Source drawings of the map-view demo, one per run, chosen by SOURCE:
;;; "cadastre" (parcel limits around the survey), "reseaux" (a water main and
;;; a power line crossing it) or "ancien" (an old survey far away).

(defun calque (nom couleur)
  (entmake (list '(0 . "LAYER") '(100 . "AcDbSymbolTableRecord") '(100 . "AcDbLayerTableRecord")
                 (cons 2 nom) '(70 . 0) (cons 62 couleur) '(6 . "CONTINUOUS"))))
(defun ligne (nom a b)
  (entmake (list '(0 . "LINE") (cons 8 nom) (cons 10 a) (cons 11 b))))

(cond
  ((= SOURCE "cadastre")
   (calque "PARCELLES" 3)
   ;; A grid of parcels 30 m wide over 300 m.
   (setq x -120.0)
   (while (<= x 180.0)
     (ligne "PARCELLES" (list x -120.0 0.0) (list x 150.0 0.0))
     (setq x (+ x 30.0)))
   (setq y -120.0)
   (while (<= y 150.0)
     (ligne "PARCELLES" (list -120.0 y 0.0) (list 180.0 y 0.0))
     (setq y (+ y 30.0))))
  ((= SOURCE "reseaux")
   (calque "EAU" 5)
   (calque "ELEC" 1)
   (ligne "EAU" '(-200.0 12.0 0.0) '(250.0 18.0 0.0))
   (ligne "ELEC" '(15.0 -200.0 0.0) '(25.0 220.0 0.0))
   (entmake '((0 . "POINT") (8 . "EAU") (10 10.0 12.5 0.0)))
   (entmake '((0 . "POINT") (8 . "EAU") (10 5000.0 12.5 0.0))))
  ((= SOURCE "ancien")
   (calque "ANCIEN_LEVE" 8)
   (ligne "ANCIEN_LEVE" '(5000.0 5000.0 0.0) '(5100.0 5050.0 0.0))))
(princ)
