;;; Outil du bureau : crée les calques que décrit calques.txt ("NOM;COULEUR"
;;; par ligne, # pour un commentaire), dans l'ordre des noms, sans s'arrêter
;;; aux lignes fautives, et note sur un point la liste des calques créés.
(vl-load-com)

(defun decoupe (texte sep / pos res)
  (while (setq pos (vl-string-search sep texte))
    (setq res (cons (substr texte 1 pos) res)
          texte (substr texte (+ pos 1 (strlen sep)))))
  (reverse (cons texte res)))

(defun lit-calques (fichier / fd ligne res)
  (if (setq fd (open fichier "r"))
    (progn
      (while (setq ligne (read-line fd))
        (setq ligne (vl-string-trim " \t" ligne))
        (if (and (/= ligne "") (/= (substr ligne 1 1) "#"))
          (setq res (cons (mapcar '(lambda (x) (vl-string-trim " " x)) (decoupe ligne ";"))
                          res))))
      (close fd)))
  (reverse res))

(defun couleur (texte / n)
  (setq n (atoi texte))
  (if (or (< n 1) (> n 255))
    (vl-exit-with-error (strcat "couleur hors limites " texte))
    n))

(defun cree-calque (def / nom)
  (setq nom (strcase (car def)))
  (if (not (snvalid nom)) (vl-exit-with-error (strcat "nom de calque invalide " nom)))
  (entmake (list '(0 . "LAYER") (cons 2 nom) '(70 . 0) (cons 62 (couleur (cadr def)))))
  nom)

(defun c:calques (/ dossier defs faits erreurs r)
  (setq dossier (getenv "DOSSIER_ESSAI")
        defs (lit-calques (strcat dossier "/" "calques.txt")))
  (foreach d (vl-sort defs '(lambda (a b) (< (strcase (car a)) (strcase (car b)))))
    (setq r (vl-catch-all-apply 'cree-calque (list d)))
    (if (vl-catch-all-error-p r)
      (setq erreurs (cons (strcat (car d) " : " (vl-catch-all-error-message r)) erreurs))
      (setq faits (cons r faits))))
  (setq faits (reverse faits))
  (regapp "BUREAU_CALQUES")
  (entmake (list '(0 . "POINT") '(10 0.0 0.0 0.0) (cons 8 (car faits))
                 (list -3 (list "BUREAU_CALQUES" (cons 1000 (vl-princ-to-string faits))
                                (cons 1070 (length faits))))))
  (princ (strcat "\nCalques créés : " (itoa (length faits))))
  (foreach e (reverse erreurs) (princ (strcat "\nLigne refusée " e)))
  (princ))

(c:calques)
