;;; Demo of the 3D drafting tools on the demo drawing: the platform edge and
;;; its slope hatching beside road RN7, and the faces of a patch of surveyed
;;; points.

(if (boundp 'c3d_dep)
  (progn
    (princ "\n=== Outils 3D ===\n")
    (defun calque (nom)
      (if (not (tblsearch "LAYER" nom))
        (entmake (list '(0 . "LAYER") (cons 2 nom) '(70 . 0) '(62 . 7) '(6 . "Continuous"))))
      (setvar "CLAYER" nom))
    (defun derniere-polyligne (/ ss) (setq ss (ssget "X" '((0 . "POLYLINE"))))
      (ssname ss (1- (sslength ss))))
    ;; The alignment at its stations, the edge lying to its left.
    (setq LTABUL '((0.0 5.0 100.0 0.0 1 0.0 0.0) (50.0 10.0 101.0 50.0 1 0.0 0.0)
                   (100.0 30.0 102.0 100.0 1 0.0 0.0))
          gauche (+ (angle '(0.0 5.0) '(50.0 10.0)) (/ pi 2))
          gauche2 (+ (angle '(50.0 10.0) '(100.0 30.0)) (/ pi 2)))
    (setq axe (list (list 0.0 gauche 0.0 5.0 100.0) (list 25.0 gauche 25.0 7.5 100.5)
                    (list 50.0 (/ (+ gauche gauche2) 2) 50.0 10.0 101.0)
                    (list 75.0 gauche2 75.0 20.0 101.5) (list 100.0 gauche2 100.0 30.0 102.0)))
    ;; The platform: 5 m wide at the start, 6 m at the end, its edge 0.5 m lower there.
    (calque "PLATEFORME")
    (c3d_dep axe '((0.0 (5.0 0.0)) (100.0 (6.0 -0.5))))
    (setq crete (derniere-polyligne))
    ;; The toe of the embankment, 4 m farther and 2 m lower.
    (command "_3DPOLY")
    (foreach p axe
      (command (polar (list (caddr p) (cadddr p) (- (nth 4 p) 2.0)) (cadr p)
                      (+ 9.0 (/ (car p) 100.0)))))
    (command "")
    (setq pied (derniere-polyligne))
    (calque "TALUS")
    (setq ECHL&& 500 COEFLGT 0.5)
    (talus_arx crete (ssadd pied))
    (princ (strcat "Talus : " (itoa (sslength (ssget "X" '((0 . "LINE") (8 . "TALUS")))))
                   " traits de hachure\n"))
    ;; A patch of surveyed points east of the road, triangulated into 3D faces.
    (calque "LEVE_SEMIS")
    (setq i 0)
    (repeat 10
      (setq j 0)
      (repeat 8
        (setq x (+ 120.0 (* 5.0 i) (* 1.3 (sin (+ (* 1.7 i) (* 2.3 j)))))
              y (+ (* 5.0 j) (* 1.1 (cos (+ (* 2.1 i) (* 0.7 j))))))
        (entmake (list '(0 . "POINT")
                       (list 10 x y (+ 100.0 (* 0.05 x) (* 0.25 (sin (* 0.3 y)))))))
        (setq j (1+ j)))
      (setq i (1+ i)))
    (calque "TRIANGULATION")
    (setq DRAYMIN 9.0)
    (user-input "W" '(117.0 -3.0) '(172.0 40.0) nil)
    (tria_ads)
    (princ (strcat "\nTriangulation : "
                   (itoa (sslength (ssget "X" '((0 . "3DFACE") (8 . "TRIANGULATION")))))
                   " faces 3D sur 80 points\n"))
    (setvar "CLAYER" "0")
    (princ "=== Fin des outils 3D ===\n")))
(princ)
