#!/usr/bin/env python3
"""Writes the example observation files: a closed traverse of five stations measured in grades
around a parcel, and an open traverse in degrees between two known stations. The observations are
made from known coordinates, then rounded as a field book would hold them (0.1 mgr or 0.0001°,
millimetres) with a few small errors, so that both adjustments have something to share out."""
import math

def gisement(a, b, tour):
    g = math.pi / 2 - math.atan2(b[1] - a[1], b[0] - a[0])
    if g < 0:
        g += 2 * math.pi
    return g * tour / (2 * math.pi)

def angle(ici, arriere, avant, tour):
    return (gisement(ici, avant, tour) - gisement(ici, arriere, tour)) % tour

def entete(titre):
    return ["* Fichier de données pour calcul de polygonale " + titre, "* Station de depart"]

def ecrire(chemin, lignes):
    with open(chemin, "wb") as f:
        f.write(("\r\n".join(lignes) + "\r\n").encode("cp1252"))

# Closed loop: S1 (start) -> S2 -> S3 -> S4 -> S5 -> S1.
boucle = [("S1", 1000.000, 1000.000, 100.000), ("S2", 1061.412, 1118.305, 101.284),
          ("S3", 1187.930, 1140.771, 102.915), ("S4", 1232.547, 1025.338, 101.602),
          ("S5", 1126.210, 947.119, 100.471)]
erreursAngles = [0.0012, -0.0008, 0.0015, 0.0004, 0.0011]
erreursDist = [0.004, -0.003, 0.006, 0.002, -0.005]
erreursDz = [0.003, 0.004, -0.002, 0.005, 0.002]
s = entete("Fermée")
n = len(boucle)
g0 = gisement(boucle[0][1:], boucle[1][1:], 400)
s.append('\r\nNom="S1" X= %.5f Y= %.5f Z= %.5f Gis= %.5f' % (1000, 1000, 100, round(g0, 4)))
s.append("\r\n\r\nAngles: grades")
s.append("\r\n\r\nNivellement: distance")
s.append("* Nom Station\t\tAngle\t\tDistance\t\tDz")
for k in range(n):
    ici, avant, arriere = boucle[k], boucle[(k + 1) % n], boucle[(k - 1) % n]
    a = angle(ici[1:], arriere[1:], avant[1:], 400) + erreursAngles[k]
    d = math.hypot(avant[1] - ici[1], avant[2] - ici[2]) + erreursDist[k]
    dz = avant[3] - ici[3] + erreursDz[k]
    s.append('\r\n"%s"\t\t\t%.5f\t%.5f\t\t%.5f' % (avant[0], round(a, 4), round(d, 3), round(dz, 3)))
ecrire("polygonale-fermee.obs", s)

# Open traverse in degrees: reference R -> A (start) -> P1 -> P2 -> B (arrival) -> reference R2.
R, A, P1, P2, B, R2 = ((880.0, 1950.0), (1000.0, 2000.0, 50.0), (1150.214, 2080.607, 51.212),
                       (1290.751, 2010.316, 50.388), (1420.405, 2105.922, 49.105), (1500.0, 2300.0))
s = entete("Ouverte")
s.append('\r\nDepart="A" X= %.5f Y= %.5f Z= %.5f Gis= %.5f' % (A + (round(gisement(R, A[:2], 360), 4),)))
s.append('\r\nArrivee="B" X= %.5f Y= %.5f Z= %.5f Gis= %.5f' % (B + (round(gisement(B[:2], R2, 360), 4),)))
s.append("\r\nFermeture: %.4f" % (angle(B[:2], P2[:2], R2, 360) + 0.0006))
s.append("\r\n\r\nAngles: degres")
s.append("\r\n\r\nNivellement: simple")
chaine = [R, A, P1, P2, B]
for i in range(1, 4):
    ici, arriere, avant = chaine[i], chaine[i - 1], chaine[i + 1]
    a = angle(ici[:2], arriere[:2], avant[:2], 360) + 0.0005
    d = math.hypot(avant[0] - ici[0], avant[1] - ici[1]) + 0.003
    nom = {2: "P1", 3: "P2", 4: "B"}[i + 1]
    s.append('\r\n"%s"\t\t\t%.5f\t%.5f\t\t%.5f' % (nom, round(a, 4), round(d, 3), round(avant[2] - ici[2] + 0.004, 3)))
ecrire("polygonale-ouverte.obs", s)
