;;; LandXML demo, after terrain.lsp: a road alignment (a straight, then a
;;; curve) is laid out on the terrain project, the mesh and the alignment go
;;; out as terrain.xml, and the file's surface comes back as 3D faces, whose
;;; volume against the mesh's own faces is nil.

(princ "\n=== Échange LandXML ===\n")
(setq pas (car MNT-PAS) R (* 8.0 pas) L1 (* 10.0 pas) L2 (* 6.0 pas)
      depart (demo-point -10.0 0.0))
;; The alignment's axis at abscissa s: along x, then turning left on radius R.
(defun axe-xy (s / a)
  (if (<= s L1)
    (list (+ (car depart) s) (cadr depart))
    (progn (setq a (/ (- s L1) R))
           (list (+ (car depart) L1 (* R (sin a))) (+ (cadr depart) (- R (* R (cos a))))))))
(defun axe-z (s) (caddr (zpoint (append (axe-xy s) '(0.0)))))

(setq LTABUL nil s 0.0)
(while (<= s (+ L1 L2 0.001))
  (setq LTABUL (cons (append (axe-xy s) (list (axe-z s) s 1 0.0 0.0)) LTABUL)
        s (+ s (* 0.5 pas))))
(setq LTABUL (reverse LTABUL))
(setq NMAXE-P "RD12" PLAN-CONS "AXE_RD12" ABSCD 0.0 ABSCF (+ L1 L2) PREMPROF 1 NB-EAXP 2
      PBG-ZE (append (axe-xy 0.0) '(0.0)) PHD-ZE (append (axe-xy (+ L1 L2)) '(0.0)) VIT-REF "70"
      LAXE-P (list (list "DROITE" 0.0 1 L1) (list "ARC" L1 2 L2)))
(ecri_info_0)
(setq NB-PTAB (length LTABUL) NB-PT (length LTABUL) PAS-NPRO 1)
(ecri_info_1 "RD12")
(setq NB-AXL 1 NMAXE-L "PL1" ABSCL 0.0 SMAXL (+ L1 L2)
      LAXE-L (list (list "S1" 0.0 (axe-z 0.0) 1 0.0) (list "S2" L1 (+ (axe-z L1) 2.0) 1 0.0)
                   (list "S3" (+ L1 L2) (axe-z (+ L1 L2)) 1 0.0)))
(ecri_info_3 "RD12" nil)

;; The axis drawn in blue on its construction layer, one vertex per station.
(entmake '((0 . "LAYER") (100 . "AcDbSymbolTableRecord") (100 . "AcDbLayerTableRecord")
           (2 . "AXE_RD12") (70 . 0) (62 . 5) (6 . "CONTINUOUS")))
(entmake '((0 . "POLYLINE") (8 . "AXE_RD12") (66 . 1) (70 . 8)))
(foreach p LTABUL
  (entmake (list '(0 . "VERTEX") '(8 . "AXE_RD12") '(70 . 32)
                 (list 10 (car p) (cadr p) (caddr p)))))
(entmake '((0 . "SEQEND") (8 . "AXE_RD12")))

(exportlandxml "terrain.xml")
;; The surface read back goes on a layer that is off: the plot shows the mesh.
(entmake '((0 . "LAYER") (100 . "AcDbSymbolTableRecord") (100 . "AcDbLayerTableRecord")
           (2 . "TN_LANDXML") (70 . 0) (62 . -8) (6 . "CONTINUOUS")))
(importlandxml "terrain.xml" "TN_LANDXML")
(cubeterrain "MAILLAGE_TN" "TN_LANDXML" "surfaces")
(princ (strcat "Maillage contre sa relecture LandXML : déblai " (rtos CUBEDEB 2 3)
               " m3, remblai " (rtos CUBEREMB 2 3) " m3\n"))
(princ "=== Fin de l'échange LandXML ===\n")
(princ)
