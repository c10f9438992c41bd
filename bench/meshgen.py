#!/usr/bin/python3
"""Writes rectangular 2dm meshes of quadrilaterals or triangles (counter-clockwise nodes).

Used by the benchmarks and the end-to-end tests:
    meshgen.py out.2dm --nx 400 --ny 20 --lx 1000 --ly 50 --kind tri [--slope 0.001] [--mat-split 500]
"""
import argparse


def write_2dm(path, nx, ny, lx, ly, kind="quad", z=None, material=None, x0=0.0, y0=0.0):
    """z(x, y) gives the bed, material(xc, yc) the material index of an element (default 1)."""
    z = z or (lambda x, y: 0.0)
    material = material or (lambda x, y: 1)
    dx, dy = lx / nx, ly / ny
    lines = ["MESH2D\n"]
    nid = lambda i, j: j * (nx + 1) + i + 1  # noqa: E731
    eid = 1
    for j in range(ny):
        yc = y0 + (j + 0.5) * dy
        for i in range(nx):
            xc = x0 + (i + 0.5) * dx
            m = material(xc, yc)
            a, b, c, d = nid(i, j), nid(i + 1, j), nid(i + 1, j + 1), nid(i, j + 1)
            if kind == "quad":
                lines.append(f"E4Q {eid} {a} {b} {c} {d} {m}\n")
                eid += 1
            else:
                # Alternate diagonals so that the mesh has no preferred direction.
                if (i + j) % 2 == 0:
                    lines.append(f"E3T {eid} {a} {b} {c} {m}\n")
                    lines.append(f"E3T {eid + 1} {a} {c} {d} {m}\n")
                else:
                    lines.append(f"E3T {eid} {a} {b} {d} {m}\n")
                    lines.append(f"E3T {eid + 1} {b} {c} {d} {m}\n")
                eid += 2
    for j in range(ny + 1):
        y = y0 + j * dy
        for i in range(nx + 1):
            x = x0 + i * dx
            lines.append(f"ND {nid(i, j)} {x:.10g} {y:.10g} {z(x, y):.10g}\n")
    with open(path, "w") as f:
        f.writelines(lines)
    return eid - 1


def main():
    p = argparse.ArgumentParser(description=__doc__)
    p.add_argument("out")
    p.add_argument("--nx", type=int, required=True)
    p.add_argument("--ny", type=int, required=True)
    p.add_argument("--lx", type=float, required=True)
    p.add_argument("--ly", type=float, required=True)
    p.add_argument("--kind", choices=["quad", "tri"], default="quad")
    p.add_argument("--slope", type=float, default=0.0, help="bed falls by slope per metre in x")
    p.add_argument("--mat-split", type=float, default=None, help="x below it: material 1, above: 2")
    a = p.parse_args()
    zf = (lambda x, y: -a.slope * x) if a.slope else None
    mf = (lambda x, y: 1 if x < a.mat_split else 2) if a.mat_split is not None else None
    n = write_2dm(a.out, a.nx, a.ny, a.lx, a.ly, a.kind, zf, mf)
    print(f"{a.out}: {n} elements")


if __name__ == "__main__":
    main()
