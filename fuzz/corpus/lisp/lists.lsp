(setq l (list 1 2.5 "trois" (quote quatre)))
(mapcar (quote (lambda (x) (type x))) l)
(assoc 2 (list (cons 1 "a") (cons 2 "b")))
