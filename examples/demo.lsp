;;; Demo: a small survey drawing -- surveyed points on layer TOPO_PTS, two
;;; breaklines as 3D polylines on layer TOPO_LIGNES -- then a selection report.

(princ "\n=== Levé topographique de démonstration ===\n")

;; A grid of surveyed points on a gentle slope.
(setq i 0)
(repeat 5
  (setq j 0)
  (repeat 4
    (entmake (list '(0 . "POINT") '(8 . "TOPO_PTS")
                   (list 10 (* i 10.0) (* j 10.0) (+ 100.0 (* i 0.5) (* j 0.25)))))
    (setq j (1+ j)))
  (setq i (1+ i)))

;; The foot of an embankment, made vertex by vertex.
(entmake '((0 . "POLYLINE") (8 . "TOPO_LIGNES") (66 . 1) (70 . 8)))
(foreach p '((0.0 5.0 100.1) (20.0 5.5 101.2) (40.0 6.0 102.3))
  (entmake (list '(0 . "VERTEX") '(8 . "TOPO_LIGNES") '(70 . 32) (cons 10 p))))
(entmake '((0 . "SEQEND") (8 . "TOPO_LIGNES")))

;; A ditch line drawn with the host's 3DPOLY command on the current layer.
(setvar "CLAYER" "TOPO_LIGNES")
(command "_3DPOLY" '(0.0 25.0 100.8) '(20.0 24.0 101.6) '(40.0 23.0 102.9) "")
(setvar "CLAYER" "0")

;; Report: what each layer holds.
(defun rapport-calque (calque / ss n)
  (setq ss (ssget "X" (list (cons 8 calque))))
  (setq n (if ss (sslength ss) 0))
  (princ (strcat "Calque " calque " : " (itoa n) " objet(s)\n"))
  ss)

(rapport-calque "TOPO_PTS")
(setq lignes (rapport-calque "TOPO_LIGNES"))

;; Each breakline with its vertices, walked with entnext.
(setq k 0)
(while (< k (sslength lignes))
  (setq e (ssname lignes k) nv 0 zmin nil zmax nil)
  (setq v (entnext e))
  (while (= (cdr (assoc 0 (entget v))) "VERTEX")
    (setq z (nth 3 (assoc 10 (entget v))))
    (setq zmin (if zmin (min zmin z) z) zmax (if zmax (max zmax z) z) nv (1+ nv))
    (setq v (entnext v)))
  (princ (strcat "  polyligne 3D " (itoa (1+ k)) " : " (itoa nv) " sommets, z de "
                 (rtos zmin 2 2) " à " (rtos zmax 2 2) "\n"))
  (setq k (1+ k)))

;; Points inside a window, and those above 101 m by a filter on the drawing.
(setq fen (ssget "C" '(5.0 5.0) '(25.0 25.0) '((0 . "POINT"))))
(princ (strcat "Points dans la fenêtre (5,5)-(25,25) : " (itoa (sslength fen)) "\n"))
(setq hauts 0 tous (ssget "X" '((0 . "POINT"))) k 0)
(repeat (sslength tous)
  (if (> (nth 3 (assoc 10 (entget (ssname tous k)))) 101.0) (setq hauts (1+ hauts)))
  (setq k (1+ k)))
(princ (strcat "Points au-dessus de 101 m : " (itoa hauts) "\n"))
(princ "=== Fin du rapport ===\n")

;; The loaded modules answer their help command: the function list goes to
;; lstfonction.txt and the product information dialog opens; the scripted
;; user closes it with its OK button.
(if (boundp 'c:aproposde)
  (progn
    (user-input '(dialog "OK"))
    (c:aproposde)
    (princ "\nFonctions du module (lstfonction.txt) :\n")
    (setq f (open "lstfonction.txt" "r"))
    (while (setq ligne (read-line f))
      (if (/= ligne "") (princ (strcat "  " ligne "\n"))))
    (close f)))
(princ)
