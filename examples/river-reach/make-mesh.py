#!/usr/bin/python3
"""Writes reach.2dm: a 2 km river reach with floodplains, cut at x = 1000 m for a weir.

Main channel (material 1): quadrilaterals, 40 m wide, 2.5 m below the floodplains.
Floodplains (material 2): triangles, rising gently towards the valley sides.
The valley falls by 1 per mill downstream. The node columns at x = 1000 and 1004
are the two sides of the weir (STRINGDEFs weir_up and weir_down).
"""
import os

SLOPE = 0.001
Z0 = 100.0
CHANNEL_HALF = 20.0
CHANNEL_DEPTH = 2.5


def bed(x, y):
    valley = Z0 - SLOPE * x
    if abs(y) <= CHANNEL_HALF:
        # Trapezoidal-looking channel on the grid: deepest in the middle.
        return valley - CHANNEL_DEPTH + 0.5 * (abs(y) / CHANNEL_HALF) ** 2
    return valley + 0.004 * (abs(y) - CHANNEL_HALF)


def main():
    ys = [-150.0 + 10.0 * k for k in range(13)]  # left floodplain, 10 m rows
    ys += [-20.0 + 5.0 * k for k in range(9)]     # channel, 5 m rows
    ys += [30.0 + 10.0 * k for k in range(13)]    # right floodplain
    xs_up = [10.0 * i for i in range(101)]         # 0 .. 1000
    xs_dn = [1004.0 + 10.0 * i for i in range(100)] + [2000.0]
    nodes, elems = [], []

    def block(xs, first_id):
        nid = {}
        for j, y in enumerate(ys):
            for i, x in enumerate(xs):
                nid[(i, j)] = first_id + len(nid)
                nodes.append((nid[(i, j)], x, y, bed(x, y)))
        for j in range(len(ys) - 1):
            yc = 0.5 * (ys[j] + ys[j + 1])
            for i in range(len(xs) - 1):
                a, b, c, d = nid[(i, j)], nid[(i + 1, j)], nid[(i + 1, j + 1)], nid[(i, j + 1)]
                if abs(yc) < CHANNEL_HALF:
                    elems.append(("E4Q", (a, b, c, d), 1))
                elif (i + j) % 2:
                    elems.extend([("E3T", (a, b, c), 2), ("E3T", (a, c, d), 2)])
                else:
                    elems.extend([("E3T", (a, b, d), 2), ("E3T", (b, c, d), 2)])
        return nid

    up = block(xs_up, 1)
    dn = block(xs_dn, len(nodes) + 1)
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "reach.2dm"), "w") as f:
        f.write("MESH2D\n")
        for k, (card, ns, mat) in enumerate(elems, 1):
            f.write(f"{card} {k} {' '.join(map(str, ns))} {mat}\n")
        for n, x, y, z in nodes:
            f.write(f"ND {n} {x:.3f} {y:.3f} {z:.4f}\n")
    col = lambda nid, i: [nid[(i, j)] for j in range(len(ys))]  # noqa: E731
    strings = {"inlet": col(up, 0)[::-1], "weir_up": col(up, 100), "weir_down": col(dn, 0),
               "outlet": col(dn, 100), "cross_500": col(up, 50), "cross_1500": col(dn, 50)}
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "strings.txt"), "w") as f:
        for name, ids in strings.items():
            f.write(f"{name}: ( {' '.join(map(str, ids))} )\n")
    print(f"reach.2dm: {len(nodes)} nodes, {len(elems)} elements")


if __name__ == "__main__":
    main()
