(defun carre (x) (* x c¦¦ x xx)
)(carre 12.5)
