#!/usr/bin/python3
"""Writes reach.2dm and the edge strings of the river-valley example.

A 2.4 km stretch of a river valley 700 m wide, falling by 1 per mill:
- a meandering main channel (material 1), 40 m wide and 3 m deep at bankfull, with a
  parabolic cross section whose thalweg moves to the outside of each bend;
- floodplains (material 2) rising gently towards the valley sides, with a little relief;
- an old meander cut off from the river (material 3), a crescent below the plain that
  the river fills through its open lower end before the plain floods;
- a low dyke (material 4) along the left bank, 1 m above the plain;
- a weir across the valley at x = 1400 m: the mesh is cut there, its two sides are the
  edge strings weir_up (x = 1400) and weir_down (x = 1404).

The mesh is a Delaunay triangulation (matplotlib's qhull) of points laid along the
channel (8 to 9 m spacing), the dyke and the old meander (10 m) and a jittered 20 m grid on
the plain. The boundary and cross-section lines carry their own nodes and a clear band
on both sides, so that consecutive nodes of a line are always joined by an edge.

The node ids of the edge strings go into strings.txt and into the STRINGDEF blocks of
river-reach.fmc (between the 'edge strings' marker comments).
"""
import os
import re

import numpy as np
from matplotlib.tri import Triangulation

HERE = os.path.dirname(os.path.abspath(__file__))
LENGTH, HALF_WIDTH = 2400.0, 350.0
WEIR_X, WEIR_GAP = 1400.0, 4.0
CROSS_X = (700.0, 2000.0)
SLOPE, Z0 = 0.001, 100.0
B, DEPTH, BANK = 20.0, 3.0, 26.0       # channel half width, bankfull depth, band with banks
AMP, WAVE = 110.0, 700.0               # meander amplitude and wavelength
DYKE_N, DYKE_H = 70.0, 1.0             # dyke crest: distance from the channel axis, height
OXBOW_C, OXBOW_R, OXBOW_W = (560.0, -235.0), 95.0, 14.0   # old meander: centre, radius, half width


def taper(x):
    """0 at the inflow, the weir and the outflow, 1 away from them (smooth)."""
    d = np.minimum.reduce([np.abs(x), np.abs(x - WEIR_X), np.abs(x - WEIR_X - WEIR_GAP),
                           np.abs(LENGTH - x)])
    t = np.clip(d / 160.0, 0.0, 1.0)
    return t * t * (3 - 2 * t)


def axis(x):
    """Channel axis y(x), its slope and a signed curvature measure."""
    y = AMP * taper(x) * np.sin(2 * np.pi * x / WAVE)
    e = 0.5
    dy = (AMP * taper(x + e) * np.sin(2 * np.pi * (x + e) / WAVE)
          - AMP * taper(x - e) * np.sin(2 * np.pi * (x - e) / WAVE)) / (2 * e)
    return y, dy, -np.sin(2 * np.pi * x / WAVE) * taper(x)


def normal_dist(x, y):
    yc, dy, _ = axis(x)
    return (y - yc) / np.sqrt(1 + dy * dy)


def plain(x, y):
    relief = 0.25 * np.sin(x / 137.0 + 1.3) * np.cos(y / 91.0) + 0.2 * np.sin(x / 311.0 + y / 173.0)
    return Z0 - SLOPE * x + 0.003 * np.abs(y) + relief * np.clip(np.abs(normal_dist(x, y)) / 60.0, 0, 1)


def bed(x, y):
    n = normal_dist(x, y)
    z = plain(x, y)
    # channel: parabola with the thalweg shifted towards the outside of the bend
    _, _, curv = axis(x)
    s = 0.35 * curv
    eta = n / B
    t = np.where(eta > s, (eta - s) / (1 - s), (eta - s) / (1 + s))
    z = z - DEPTH * np.clip(1 - t * t, 0, None) * (np.abs(eta) < 1)
    # dyke along the left bank (n > 0), lowered to nothing at the ends of the reach
    z = z + DYKE_H * np.clip(1 - np.abs(n - DYKE_N) / 9.0, 0, None) * np.clip(
        np.minimum(x, LENGTH - x) / 60.0, 0, 1)
    # old meander: a crescent 1.6 m below the plain, open towards the river downstream
    r = np.hypot(x - OXBOW_C[0], y - OXBOW_C[1])
    ang = np.arctan2(y - OXBOW_C[1], x - OXBOW_C[0])
    on_arc = (ang > -0.2 * np.pi) | (ang < -0.75 * np.pi)
    dig = 1.6 * np.clip(1 - ((r - OXBOW_R) / OXBOW_W) ** 2, 0, None) * on_arc
    return np.minimum(z, z - dig + 0.0 * n)


def material(x, y):
    n = normal_dist(x, y)
    r = np.hypot(x - OXBOW_C[0], y - OXBOW_C[1])
    ang = np.arctan2(y - OXBOW_C[1], x - OXBOW_C[0])
    m = np.full(x.shape, 2)
    m[(np.abs(r - OXBOW_R) < OXBOW_W) & ((ang > -0.2 * np.pi) | (ang < -0.75 * np.pi))] = 3
    m[(np.abs(n - DYKE_N) < 9.0)] = 4
    m[np.abs(n) < B] = 1
    return m


def spacing(x, y):
    n = np.abs(normal_dist(x, y))
    return np.where(n < BANK + 4, 8.0, np.where(n < 95.0, 10.0, 20.0))


def line_nodes(x0, y0, y1):
    """Nodes up a line x = x0 from y0 to y1 with the local spacing (graded)."""
    ys = [y0]
    while ys[-1] < y1:
        ys.append(ys[-1] + float(spacing(np.array([x0]), np.array([ys[-1]]))[0]))
    ys = np.array(ys)
    ys = y0 + (ys - y0) * (y1 - y0) / (ys[-1] - y0)   # end exactly at y1
    return np.column_stack([np.full(len(ys), x0), ys])


def clear_band(pts, lx, ly_nodes):
    """Drops points inside the diametral circles of the segments of line x = lx."""
    ys = ly_nodes[:, 1]
    k = np.clip(np.searchsorted(ys, pts[:, 1]) - 1, 0, len(ys) - 2)
    seg = ys[k + 1] - ys[k]
    return pts[np.abs(pts[:, 0] - lx) >= 0.65 * seg]


def interior_points(rng):
    pts = []
    # along the channel and its banks: lines normal to the axis
    xs = np.linspace(-40, LENGTH + 40, 4000)
    yc, dy, _ = axis(xs)
    arc = np.concatenate([[0], np.cumsum(np.hypot(np.diff(xs), np.diff(yc)))])

    def along(offsets, ds):
        s = np.arange(0, arc[-1], ds)
        x = np.interp(s, arc, xs)
        yy, d, _ = axis(x)
        nx, ny = -d / np.sqrt(1 + d * d), 1 / np.sqrt(1 + d * d)
        for o in offsets:
            pts.append(np.column_stack([x + o * nx, yy + o * ny]))

    along(np.linspace(-BANK, BANK, 7), 9.0)
    along([-34, -43, -53, -64, -76, -88, 34, 43, 52, 61, 70, 79, 88], 10.0)
    # old meander: rings of points
    for rr in (OXBOW_R - 20, OXBOW_R - 10, OXBOW_R, OXBOW_R + 10, OXBOW_R + 20):
        a = np.arange(0, 2 * np.pi, 9.0 / rr)
        p = np.column_stack([OXBOW_C[0] + rr * np.cos(a), OXBOW_C[1] + rr * np.sin(a)])
        pts.append(p[np.abs(normal_dist(p[:, 0], p[:, 1])) > 95])
    inner = np.concatenate(pts)
    # the plain: jittered 20 m grid away from the refined bands
    gx, gy = np.meshgrid(np.arange(10, LENGTH, 20.0), np.arange(-HALF_WIDTH + 10, HALF_WIDTH, 20.0))
    g = np.column_stack([gx.ravel(), gy.ravel()]) + rng.uniform(-4, 4, (gx.size, 2))
    n = np.abs(normal_dist(g[:, 0], g[:, 1]))
    r = np.hypot(g[:, 0] - OXBOW_C[0], g[:, 1] - OXBOW_C[1])
    g = g[(n > 100) & (np.abs(r - OXBOW_R) > 28)]
    return np.concatenate([inner, g])


def main():
    rng = np.random.default_rng(7)
    inner = interior_points(rng)
    inner = inner[(np.abs(inner[:, 1]) < HALF_WIDTH - 10) & (inner[:, 0] > 0) & (inner[:, 0] < LENGTH)]
    vlines = {"inlet": 0.0, "weir_up": WEIR_X, "weir_down": WEIR_X + WEIR_GAP, "outlet": LENGTH,
              "cross_a": CROSS_X[0], "cross_b": CROSS_X[1]}
    lines = {k: line_nodes(x, -HALF_WIDTH, HALF_WIDTH) for k, x in vlines.items()}
    for k, x in vlines.items():
        inner = clear_band(inner, x, lines[k])
    inner = inner[(inner[:, 0] < WEIR_X - 2) | (inner[:, 0] > WEIR_X + WEIR_GAP + 2)]

    nodes, elems, strings = [], [], {}
    for x0, x1, left, right, cross in ((0.0, WEIR_X, "inlet", "weir_up", "cross_a"),
                                        (WEIR_X + WEIR_GAP, LENGTH, "weir_down", "outlet", "cross_b")):
        part = inner[(inner[:, 0] > x0) & (inner[:, 0] < x1)]
        sides = []
        for y in (-HALF_WIDTH, HALF_WIDTH):   # bottom and top valley sides, 20 m
            xs = np.linspace(x0, x1, int(np.ceil((x1 - x0) / 20.0)) + 1)[1:-1]
            xs = xs[np.abs(xs - vlines[cross]) > 5]   # the cross section ends there already
            sides.append(np.column_stack([xs, np.full(len(xs), y)]))
        part = part[np.abs(part[:, 1]) < HALF_WIDTH - 12]
        first = len(nodes)
        ids = {}
        blocks = [("#" + left, lines[left]), ("#" + right, lines[right]), ("#" + cross, lines[cross]),
                  ("", np.concatenate(sides)), ("", part)]
        pts = []
        for name, p in blocks:
            if name:
                ids[name[1:]] = first + len(pts) + np.arange(len(p)) + 1
            pts.extend(p.tolist())
        pts = np.array(pts)
        fixed = len(pts) - len(part)   # line and side nodes stay; interior points may go
        for _ in range(6):
            # where points of different spacings meet, slivers appear (they would set a tiny
            # time step): drop the interior corners of thin triangles and triangulate again
            tri = Triangulation(pts[:, 0], pts[:, 1]).triangles
            a, b, c = pts[tri[:, 0]], pts[tri[:, 1]], pts[tri[:, 2]]
            area = 0.5 * ((b[:, 0] - a[:, 0]) * (c[:, 1] - a[:, 1]) - (b[:, 1] - a[:, 1]) * (c[:, 0] - a[:, 0]))
            per = np.linalg.norm(a - b, axis=1) + np.linalg.norm(b - c, axis=1) + np.linalg.norm(c - a, axis=1)
            cen = (a + b + c) / 3
            thin = (2 * np.abs(area) / per < 0.12 * spacing(cen[:, 0], cen[:, 1])) & (np.abs(area) > 1e-3)
            drop = np.unique(tri[thin].ravel())
            drop = drop[drop >= fixed]
            if len(drop) == 0:
                break
            pts = np.delete(pts, drop, axis=0)
        tri = Triangulation(pts[:, 0], pts[:, 1]).triangles
        a, b, c = pts[tri[:, 0]], pts[tri[:, 1]], pts[tri[:, 2]]
        area = 0.5 * ((b[:, 0] - a[:, 0]) * (c[:, 1] - a[:, 1]) - (b[:, 1] - a[:, 1]) * (c[:, 0] - a[:, 0]))
        tri = tri[np.abs(area) > 1e-3]
        area = area[np.abs(area) > 1e-3]
        tri[area < 0] = tri[area < 0][:, [0, 2, 1]]   # counter-clockwise
        cen = pts[tri].mean(axis=1)
        mat = material(cen[:, 0], cen[:, 1])
        for t, m in zip(tri, mat):
            elems.append((t + first + 1, m))
        nodes.extend(pts.tolist())
        strings.update(ids)

    nodes = np.array(nodes)
    z = bed(nodes[:, 0], nodes[:, 1])
    with open(os.path.join(HERE, "reach.2dm"), "w") as f:
        f.write("MESH2D\n")
        for k, (t, m) in enumerate(elems, 1):
            f.write(f"E3T {k} {t[0]} {t[1]} {t[2]} {m}\n")
        for k, ((x, y), zz) in enumerate(zip(nodes, z), 1):
            f.write(f"ND {k} {x:.3f} {y:.3f} {zz:.4f}\n")
    # orientation as the solver expects: inflow and weir_down run down the valley side
    order = {"inlet": -1, "weir_up": 1, "weir_down": 1, "outlet": 1, "cross_a": 1, "cross_b": 1}
    strings = {k: [int(i) for i in strings[k][::order[k]]] for k in order}
    with open(os.path.join(HERE, "strings.txt"), "w") as f:
        for name, ids in strings.items():
            f.write(f"{name}: ( {' '.join(map(str, ids))} )\n")
    fmc = os.path.join(HERE, "river-reach.fmc")
    with open(fmc) as f:
        text = f.read()
    blocks = ""
    for name, ids in strings.items():
        extra = "            upstream_direction = right\n" if name.startswith("cross") else ""
        blocks += (f"         STRINGDEF {{\n            name = {name}\n"
                   f"            node_ids = ( {' '.join(map(str, ids))} )\n{extra}         }}\n")
    text = re.sub(r"(// edge strings: written by make-mesh.py\n).*?(\s*// end of edge strings)",
                  lambda m: m.group(1) + blocks.rstrip("\n") + m.group(2), text, flags=re.S)
    with open(fmc, "w") as f:
        f.write(text)
    counts = np.bincount([m for _, m in elems], minlength=5)
    print(f"reach.2dm: {len(nodes)} nodes, {len(elems)} triangles "
          f"(channel {counts[1]}, plain {counts[2]}, old meander {counts[3]}, dyke {counts[4]})")


if __name__ == "__main__":
    main()
