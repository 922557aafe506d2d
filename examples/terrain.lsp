;;; Terrain demo: the ground drawn on layer TN by scripts/mnt_vers_lisp.py
;;; (points of a real elevation model, two breaklines, a retaining wall given
;;; by its foot and its top) is meshed by Talvex, queried, and the mesh drawn
;;; on a layer of its own.

(princ "\n=== Modèle numérique de terrain ===\n")
(setq CHEMINOM "demo_terrain")

;; A new, empty project: its 3D layers (what decoupeseg cuts) are set by the
;; layer dialog, which gets TN; the altitude dialog is accepted as computed.
(close (open (strcat CHEMINOM ".axs") "w"))
(setq OR1 0.0 LCALQ_CHEX '("TN"))
(user-input '(dialog ("autres" . "TN") "ajoute" "ok") '(dialog "ok"))
(ini3dterrain)

;; The mesh over the layers named in LSTCALQ3D.
(setq LSTCALQ3D '("TN"))
(mailleterrain "U")
(princ (strcat "Maillage : " (itoa (infomaille)) " triangles\n"))

;; Heights at a few places of the window (MNT-CENTRE, MNT-PAS from the data script).
(defun demo-point (di dj)
  (list (+ (car MNT-CENTRE) (* di (car MNT-PAS))) (+ (cadr MNT-CENTRE) (* dj (cadr MNT-PAS))) 0.0))
(foreach d '((0.0 0.0) (0.5 0.5) (-10.25 7.75) (12.3 -20.6) (100.0 100.0))
  (setq p (zpoint (apply 'demo-point d)))
  (princ (strcat "Z en " (rtos (car p) 2 2) ", " (rtos (cadr p) 2 2) " : " (rtos (caddr p) 2 3)
                 (if (< (caddr p) -9000.0) " (hors du maillage)" "") "\n")))

;; A cut across both breaklines: each crossing with its height.
(setq coupe (decoupeseg (demo-point -20.0 -5.0) (demo-point 20.0 -5.0)))
(princ (strcat "Coupe : " (itoa (length coupe)) " croisement(s) avec les lignes de rupture\n"))
(foreach c coupe
  (princ (strcat "  " (rtos (car (car c)) 2 2) ", " (rtos (cadr (car c)) 2 2) " z "
                 (rtos (caddr (car c)) 2 3) "\n")))

;; The triangles as 3D faces on their own layer.
(entmake '((0 . "LAYER") (100 . "AcDbSymbolTableRecord") (100 . "AcDbLayerTableRecord")
           (2 . "MAILLAGE_TN") (70 . 0) (62 . 9) (6 . "CONTINUOUS")))
(setvar "CLAYER" "MAILLAGE_TN")
(affichemaille 4)
(setvar "CLAYER" "0")
(setq faces (ssget "X" '((0 . "3DFACE") (8 . "MAILLAGE_TN"))))
(princ (strcat "Faces 3D sur MAILLAGE_TN : " (itoa (if faces (sslength faces) 0)) "\n"))
;; Contour lines every 5 m, every fifth one on the index layer, in browns.
(foreach c '(("COURBES" . 34) ("COURBES_MAITRESSES" . 14))
  (entmake (list '(0 . "LAYER") '(100 . "AcDbSymbolTableRecord") '(100 . "AcDbLayerTableRecord")
                 (cons 2 (car c)) '(70 . 0) (cons 62 (cdr c)) '(6 . "CONTINUOUS"))))
(courbesniveau 5.0 25.0)

(princ "=== Fin du modèle de terrain ===\n")
(princ)
