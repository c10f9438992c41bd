#!/usr/bin/python3
"""Writes a steep V-shaped valley with a reservoir behind a dam as a triangle 2dm mesh.

    valleygen.py out.2dm --nx 250 --ny 50

The valley runs 4000 m down x with a 1 % fall; its sides rise 0.15 m per metre from the
thalweg at y = 300. Elements with x < 800 (behind the dam) are material 1, the rest 2:
filled to wse 57 m and dry, the reservoir is 25 m deep at the dam. Mesh-boundary edges are
walls, so the water stays on the mesh and most of the valley is dry most of the time.
"""
import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from meshgen import write_2dm  # noqa: E402

LX, LY, DAM = 4000.0, 600.0, 800.0
RESERVOIR_WSE = 57.0


def bed(x, y):
    return 0.01 * (LX - x) + 0.15 * abs(y - 0.5 * LY)


def main():
    p = argparse.ArgumentParser(description=__doc__)
    p.add_argument("out")
    p.add_argument("--nx", type=int, required=True)
    p.add_argument("--ny", type=int, required=True)
    a = p.parse_args()
    n = write_2dm(a.out, a.nx, a.ny, LX, LY, "tri", bed, lambda x, y: 1 if x < DAM else 2)
    print(f"{a.out}: {n} elements")


if __name__ == "__main__":
    main()
