;;; Earthworks demo, after terrain.lsp: a road platform is laid on the real
;;; terrain as 3D faces, and Talvex computes cut and fill between the mesh's
;;; faces (layer MAILLAGE_TN) and the platform, then the areas of one cross-
;;; section.

(princ "\n=== Cubatures ===\n")
;; A platform some 28 m wide and 1.5 km long across the window's centre, at
;; the height of the ground there, rising 1 % along its length.
(setq z0 (caddr (zpoint (demo-point 0.0 0.0)))
      pente (* 0.01 (car MNT-PAS)))
(defun plateforme (di dj)
  (append (reverse (cdr (reverse (demo-point di dj)))) (list (+ z0 (* pente di)))))
(entmake '((0 . "LAYER") (100 . "AcDbSymbolTableRecord") (100 . "AcDbLayerTableRecord")
           (2 . "PLATEFORME") (70 . 0) (62 . 1) (6 . "CONTINUOUS")))
(setq i -10.0)
(while (< i 10.0)
  (entmake (list '(0 . "3DFACE") '(8 . "PLATEFORME")
                 (cons 10 (plateforme i -0.15)) (cons 11 (plateforme (+ i 2.5) -0.15))
                 (cons 12 (plateforme (+ i 2.5) 0.15)) (cons 13 (plateforme i 0.15))))
  (setq i (+ i 2.5)))

(cubeterrain "MAILLAGE_TN" "PLATEFORME" "surfaces")
(foreach s (list (cons "CUBEDEB" CUBEDEB) (cons "CUBEREMB" CUBEREMB) (cons "CUBESURFD" CUBESURFD)
                (cons "CUBESURFR" CUBESURFR) (cons "CUBESURF" CUBESURF) (cons "CUBE" CUBE)
                (cons "CUBES3DTN" CUBES3DTN) (cons "CUBES3RTN" CUBES3RTN)
                (cons "CUBES3DPRJ" CUBES3DPRJ) (cons "CUBES3RPRJ" CUBES3RPRJ))
  (princ (strcat "  " (car s) " = " (rtos (cdr s) 2 3) "\n")))

;; The cross-section at the platform's middle: the ground every 1/20 step
;; across it, against the platform's edge-to-edge line.
(setq sol nil j -0.5)
(while (<= j 0.5)
  (setq sol (cons (list (* j (cadr MNT-PAS)) (caddr (zpoint (demo-point 0.0 j)))) sol)
        j (+ j 0.05)))
(lignept (reverse sol)
         (list (list (* -0.15 (cadr MNT-PAS)) z0) (list (* 0.15 (cadr MNT-PAS)) z0)))
(princ (strcat "Profil en travers : déblai " (rtos SDEB 2 3) " m2, remblai " (rtos SREMB 2 3)
               " m2\n"))
(princ "=== Fin des cubatures ===\n")
(princ)
