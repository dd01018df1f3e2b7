(defun carre (x) (* x x))
(carre 12.5)
