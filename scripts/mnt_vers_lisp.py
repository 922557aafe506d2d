#!/usr/bin/python3
"""Turns a window of a real elevation model (Debian's python-matplotlib-data
sample jacksboro_fault_dem.npz) into a LISP script that draws the surveyed
ground on layer "TN": one 3D POINT a node, two crossing breaklines and a short
retaining wall given by its foot and its top (the same x, y at two heights).

    mnt_vers_lisp.py SORTIE.lsp [--ligne L] [--colonne C] [--taille N]
"""
import argparse
import math
import sys

import numpy as np

MNT = "/usr/share/matplotlib/mpl-data/sample_data/jacksboro_fault_dem.npz"
X0, Y0 = 600000.0, 6500000.0  # national-grid offsets of the window's south-west node
METRES_PAR_DEGRE = 111320.0
HAUTEUR_MUR = 2.0


def principal():
    a = argparse.ArgumentParser()
    a.add_argument("sortie")
    a.add_argument("--ligne", type=int, default=120)
    a.add_argument("--colonne", type=int, default=280)
    a.add_argument("--taille", type=int, default=60)
    args = a.parse_args()

    with np.load(MNT) as d:
        z = d["elevation"].astype(float)
        dx, dy = float(d["dx"]), float(d["dy"])
        latitude = (float(d["ymin"]) + float(d["ymax"])) / 2.0
    n, l0, c0 = args.taille, args.ligne, args.colonne
    if n < 8 or l0 < 0 or c0 < 0 or l0 + n > z.shape[0] or c0 + n > z.shape[1]:
        sys.exit("Fenêtre hors du MNT %dx%d" % z.shape)
    fenetre = z[l0:l0 + n, c0:c0 + n]
    # Node spacing as the file gives it (degrees), in metres at its latitude.
    pas_x = round(dx * METRES_PAR_DEGRE * math.cos(math.radians(latitude)), 2)
    pas_y = round(dy * METRES_PAR_DEGRE, 2)

    # Row 0 of the file is its north edge.
    def xy(i, j):
        return X0 + j * pas_x, Y0 + (n - 1 - i) * pas_y

    def hauteur(i, j):
        """Bilinear height at fractional node (i, j)."""
        i0, j0 = min(int(i), n - 2), min(int(j), n - 2)
        fi, fj = i - i0, j - j0
        h = fenetre
        return ((1 - fi) * (1 - fj) * h[i0, j0] + (1 - fi) * fj * h[i0, j0 + 1]
                + fi * (1 - fj) * h[i0 + 1, j0] + fi * fj * h[i0 + 1, j0 + 1])

    def point3d(x, y, zz):
        return "(%.3f %.3f %.3f)" % (x, y, zz)

    lignes = [";; Généré par scripts/mnt_vers_lisp.py : MNT jacksboro_fault_dem, fenêtre "
              "%dx%d depuis la ligne %d, colonne %d, pas %.2f x %.2f m" % (n, n, l0, c0, pas_x, pas_y),
              "(defun tn-point (p) (entmake (list '(0 . \"POINT\") '(8 . \"TN\") (cons 10 p))))",
              "(defun tn-poly3d (sommets)",
              "  (entmake '((0 . \"POLYLINE\") (8 . \"TN\") (66 . 1) (70 . 8)))",
              "  (foreach p sommets",
              "    (entmake (list '(0 . \"VERTEX\") '(8 . \"TN\") '(70 . 32) (cons 10 p))))",
              "  (entmake '((0 . \"SEQEND\") (8 . \"TN\"))))"]
    for i in range(n):
        for j in range(n):
            x, y = xy(i, j)
            lignes.append("(tn-point '%s)" % point3d(x, y, fenetre[i, j]))

    # Two breaklines along the diagonals, a vertex at every node they pass
    # (a node left on a segment would get the segment's height as a second Z):
    # they cross between nodes, where the mesher splits them.
    diagonale = [point3d(*xy(k, k), fenetre[k, k]) for k in range(2, n - 2)]
    antidiagonale = [point3d(*xy(k, n - 1 - k), fenetre[k, n - 1 - k]) for k in range(2, n - 2)]
    lignes.append("(tn-poly3d '(%s))" % " ".join(diagonale))
    lignes.append("(tn-poly3d '(%s))" % " ".join(antidiagonale))

    # A retaining wall between two rows of nodes: its foot on the ground, its
    # top 2 m higher, vertex for vertex at the same x, y.
    i_mur = n // 4 + 0.5
    pied, tete = [], []
    for j in [n // 4 + k * 0.5 for k in range(9)]:
        x = X0 + j * pas_x
        y = Y0 + (n - 1 - i_mur) * pas_y
        zp = round(hauteur(i_mur, j), 3)
        pied.append(point3d(x, y, zp))
        tete.append(point3d(x, y, zp + HAUTEUR_MUR))
    lignes.append("(tn-poly3d '(%s))" % " ".join(pied))
    lignes.append("(tn-poly3d '(%s))" % " ".join(tete))
    centre = xy(n // 2, n // 2)
    lignes.append("(setq MNT-CENTRE '(%.3f %.3f) MNT-PAS '(%.2f %.2f) MNT-TAILLE %d)"
                  % (centre[0], centre[1], pas_x, pas_y, n))
    lignes.append("(princ \"MNT : %d points, 2 lignes de rupture, 1 mur de %d sommets sur TN\\n\")"
                  % (n * n, len(pied)))
    with open(args.sortie, "w", encoding="utf-8") as f:
        f.write("\n".join(lignes) + "\n")
    print("MNT jacksboro : fenêtre %dx%d, pas %.2f x %.2f m, z de %.0f à %.0f m -> %s"
          % (n, n, pas_x, pas_y, fenetre.min(), fenetre.max(), args.sortie))


if __name__ == "__main__":
    principal()
