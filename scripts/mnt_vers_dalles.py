#!/usr/bin/python3
"""Turns a real elevation model (Debian's python-matplotlib-data sample
jacksboro_fault_dem.npz, 344 x 403 nodes, heights in metres) into the text
tiles that Dremet imports ("alti1.z" ...), split in 2 x 2 tiles, with a few
runs of nodes without data (a patch and part of a row); and a LISP file that
gives the demo the tile directory, a window and a planned line.

The tiles have one step for both axes: nodes are placed every STEP metres
(the data's own cells are about 74 x 93 m).

    mnt_vers_dalles.py DOSSIER SORTIE.lsp
"""
import os
import sys

import numpy as np

MNT = "/usr/share/matplotlib/mpl-data/sample_data/jacksboro_fault_dem.npz"
X0, Y0 = 600000, 6500000  # national-grid position of the south-west node
STEP = 80


def rows_to_text(z):
    """One line per row, no-data (negative) nodes written as runs -n."""
    lines = []
    for row in z:
        words, run = [], 0
        for v in row:
            if v < 0:
                run += 1
                continue
            if run:
                words.append(str(-run))
                run = 0
            words.append(str(int(v)))
        if run:
            words.append(str(-run))
        lines.append(" ".join(words))
    return "\n".join(lines) + "\n"


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    folder, lisp = sys.argv[1], sys.argv[2]
    with np.load(MNT) as d:
        z = d["elevation"].astype(np.int64)
    z = z[::-1].copy()  # the file's first row is its north edge; tiles go south to north
    nrows, ncols = z.shape
    z[200:212, 150:170] = -1  # a patch without data
    z[40, 10:60] = -1         # part of a row
    os.makedirs(folder, exist_ok=True)
    n = 1
    rsplit, csplit = nrows // 2, ncols // 2
    for r0, r1 in ((0, rsplit), (rsplit, nrows)):
        for c0, c1 in ((0, csplit), (csplit, ncols)):
            tile = z[r0:r1, c0:c1]
            header = "%d %d %d %d %d\n" % (X0 + c0 * STEP, Y0 + r0 * STEP, r1 - r0, c1 - c0, STEP)
            with open(os.path.join(folder, "alti%d.z" % n), "w") as f:
                f.write(header + rows_to_text(tile))
            n += 1

    # A window across all four tiles and the patch, and a line across the
    # fault, in national-grid coordinates.
    def xy(r, c):
        return "(%d.0 %d.0)" % (X0 + c * STEP, Y0 + r * STEP)

    with open(lisp, "w", encoding="utf-8") as f:
        f.write(";; Généré par scripts/mnt_vers_dalles.py\n")
        f.write('(setq MNT-DALLES "%s" MNT-BG \'%s MNT-HD \'%s\n' % (folder, xy(110, 120), xy(250, 260)))
        f.write("      MNT-TRACE '(%s %s %s %s))\n"
                % (xy(120, 130), xy(180, 170), xy(200, 240), xy(240, 250)))
    print("MNT jacksboro : %d x %d noeuds en 4 dalles de %s, pas %d m, z de %d à %d m"
          % (nrows, ncols, folder, STEP, z[z >= 0].min(), z.max()))


if __name__ == "__main__":
    main()
