(defun c:essai (/ a b)
  (setq a (list 1 2.5 "texte \"cite\"" (quote sym) (cons 1 2)))
  (foreach b a (princ b))
  ; commentaire
  (if (> (length a) 3) (strcat "a" "b") nil))
