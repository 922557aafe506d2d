;;; Elevation-model demo: Dremet imports a window of a real elevation model
;;; (tiles written by scripts/mnt_vers_dalles.py) as 3D faces coloured by
;;; altitude band on layer MNT, then drapes a planned line on it as a 3D
;;; polyline on layer TRACE_3D.

(princ "\n=== Import du MNT (Dremet) ===\n")
(entmake '((0 . "LAYER") (2 . "MNT") (70 . 0) (62 . 7)))
(entmake '((0 . "LAYER") (2 . "TRACE_3D") (70 . 0) (62 . 1)))
(setvar "CLAYER" "MNT")

;; The data directory typed in the dialog, the window picked, then 3D faces.
(user-input (list 'dialog (cons "dirz" MNT-DALLES) "fene") MNT-BG MNT-HD '(dialog "face"))
(c:dremet)
(setq faces (ssget "X" '((0 . "3DFACE") (8 . "MNT"))) i 0 couleurs nil)
(repeat (sslength faces)
  (setq c (cdr (assoc 62 (entget (ssname faces i)))) i (1+ i))
  (if (not (member c couleurs)) (setq couleurs (cons c couleurs))))
(princ (strcat "\nFaces 3D sur MNT : " (itoa (sslength faces)) ", "
               (itoa (length couleurs)) " couleurs de tranche\n"))

;; A planned line drawn in plan, then draped on the data.
(setvar "CLAYER" "TRACE_3D")
(setvar "CMDECHO" 0)  ; the draped vertices go to 3DPOLY without their echo
(entmake (append '((0 . "LWPOLYLINE") (100 . "AcDbEntity") (8 . "TRACE_3D")
                   (100 . "AcDbPolyline") (90 . 4) (70 . 0))
                 (mapcar '(lambda (p) (cons 10 p)) MNT-TRACE)))
(setq trace (entlast))
(user-input '(dialog "poly3d") (list trace (car MNT-TRACE)))
(c:dremet)
(setq e (entnext (ssname (ssget "X" '((0 . "POLYLINE") (8 . "TRACE_3D"))) 0)) n 0 zmin 1e9 zmax -1e9)
(while (= (cdr (assoc 0 (entget e))) "VERTEX")
  (setq z (caddr (cdr (assoc 10 (entget e)))) n (1+ n) zmin (min zmin z) zmax (max zmax z)
        e (entnext e)))
(princ (strcat "\nPolyligne drapée : " (itoa n) " sommets, z de " (rtos zmin 2 1) " à "
               (rtos zmax 2 1) " m\n"))
(princ)
