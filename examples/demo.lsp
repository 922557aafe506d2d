;;; Demo: a small survey drawing -- surveyed points on layer TOPO_PTS, two
;;; breaklines as 3D polylines on layer TOPO_LIGNES -- then a selection report.

(princ "\n=== Levé topographique de démonstration ===\n")

;; The layers' colours, for the plot of the drawing (out/demo.png).
(foreach c '(("TOPO_PTS" . 1) ("TOPO_LIGNES" . 5) ("CONTOUR_LEVE" . 3) ("TALUS" . 34)
             ("TRIANGULATION" . 9) ("LEVE_SEMIS" . 1) ("PLATEFORME" . 6))
  (entmake (list '(0 . "LAYER") '(100 . "AcDbSymbolTableRecord") '(100 . "AcDbLayerTableRecord")
                 (cons 2 (car c)) '(70 . 0) (cons 62 (cdr c)) '(6 . "CONTINUOUS"))))

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

;; ---- A road project kept beside the drawing (demo_route.axs) ----
(if (boundp 'ecri_info_0)
  (progn
    (princ "\n=== Projet routier RN7 ===\n")
    (setq CHEMINOM "demo_route")
    (efface_axs)
    ;; The alignment in plan: a straight and a curve.
    (setq NMAXE-P "RN7" PLAN-CONS "AXE_RN7" ABSCD 0.0 ABSCF 100.0 PREMPROF 1 NB-EAXP 2
          PBG-ZE '(0.0 0.0 0.0) PHD-ZE '(100.0 30.0 0.0) VIT-REF "80"
          LAXE-P '(("DROITE" 0.0 1 60.0) ("ARC" 60.0 2 40.0)))
    (ecri_info_0)
    ;; Three stations: each gets a cross-section and a construction entry.
    (setq NB-PTAB 3 NB-PT 3 PAS-NPRO 1
          LTABUL '((0.0 5.0 100.0 0.0 1 0.0 0.0) (50.0 10.0 101.0 50.0 1 0.0 0.0)
                   (100.0 30.0 102.0 100.0 1 0.0 0.0)))
    (ecri_info_1 "RN7")
    ;; A vertical profile and the pavement thicknesses.
    (setq NB-AXL 1 NMAXE-L "PL1" ABSCL 0.0 SMAXL 100.0
          LAXE-L '(("S1" 0.0 100.0 1 0.0) ("S2" 100.0 102.0 1 0.0)))
    (ecri_info_3 "RN7" nil)
    (setq EPG-RL 0.06 EPD-RL 0.06 EPG-BA 0.2 EPD-BA 0.2 EPG-FD 0.3 EPD-FD 0.3)
    (ecri_info_5 "RN7")
    ;; The ground and the project surface of each cross-section.
    (foreach a '(0.0 50.0 100.0)
      (setq ABSIPRO a HANDPRO "nil" EP-DECAP 0.2 PM-DECAP 0.0
            LPT-TN (list (list "G" -10.0 0.0 (+ 99.5 (/ a 50.0))) (list "A" 0.0 0.0 (+ 100.0 (/ a 50.0)))
                         (list "D" 10.0 0.0 (+ 99.8 (/ a 50.0))))
            LPT-PJ (list (list "BG" -3.5 0.0 (+ 100.4 (/ a 50.0))) (list "BD" 3.5 0.0 (+ 100.4 (/ a 50.0))))
            LPT-RL (list (list -3.5 0.0 (+ 100.4 (/ a 50.0))) (list 3.5 0.0 (+ 100.4 (/ a 50.0)))))
      (ecri_info_8 "RN7" nil))
    ;; Read it back from the file, as the road programs do.
    (lec_info_0 "RN7" nil)
    (princ (strcat "Axe RN7 : abscisses " (rtos ABSCD 2 1) " à " (rtos ABSCF 2 1)
                   ", profils " (itoa PREMPROF) " à " (itoa FINPROF)
                   ", profil en long actif " PLONG-AC "\n"))
    (princ "Éléments en plan : ") (prin1 LAXE-P) (terpri)
    (princ "Tabulation : ") (princ (length LTABUL)) (princ " stations\n")
    (princ "Épaisseurs gauche (roulement, base, fondation, forme) : ")
    (prin1 (list EPG-RL EPG-BA EPG-FD EPG-FR)) (terpri)
    ;; The cross-sections dropped into the drawing as points on "tv_" layers.
    (talvexexppt "RN7")
    (setq tv (ssget "X" '((8 . "tv_*"))))
    (princ (strcat "Points exportés sur les calques tv_ : " (itoa (if tv (sslength tv) 0)) "\n"))))

;; The outline of the surveyed points (Quoril): the dialog gets the points'
;; layer and the layer of the outline.
(if (boundp 'c:contourpt)
  (progn
    (user-input '(dialog ("calques" . "TOPO_PTS") ("resultat" . "CONTOUR_LEVE") "ok"))
    (c:contourpt)
    (setq contour (ssget "X" '((8 . "CONTOUR_LEVE"))))
    (princ (strcat "Contour du levé : " (itoa (if contour (sslength contour) 0))
                   " polyligne(s) sur CONTOUR_LEVE\n"))))

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
