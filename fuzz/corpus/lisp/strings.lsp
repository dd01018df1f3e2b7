(strcat "Café" (itoa 42) (rtos 3.14159 2 3) (angtos 1.2 1 4))
(substr "abcdef" 2 3)
(strcase "été" t)
(wcmatch "P12" "P#*")
