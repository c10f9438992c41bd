#!/usr/bin/python3
"""Pictures of the demo's results, with matplotlib (no X server needed):

flood.png      the bed as a hillshade in elevation colours under the water depth of the
               last result, with colour bars, a scale bar, the weir and the inflow marked
flood.gif      the flood as an animation of all reach_vtk<t>.vtk results
hydrograph.png inflow, outflow and weir discharge against time from the boundary histories
"""
import glob
import os
import re
import sys

import matplotlib
matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402
from matplotlib.colors import LightSource, ListedColormap  # noqa: E402
from matplotlib.tri import Triangulation, LinearTriInterpolator  # noqa: E402
from PIL import Image  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))


def read_vtk(path):
    """Points (x, y, z), triangles and the cell scalars of a legacy ASCII VTK file."""
    with open(path) as f:
        tok = f.read().split()
    i, pts, cells, data = 0, None, None, {}
    while i < len(tok):
        t = tok[i]
        if t == "POINTS":
            n = int(tok[i + 1])
            pts = np.array(tok[i + 3:i + 3 + 3 * n], float).reshape(n, 3)
            i += 3 + 3 * n
        elif t == "CELLS":
            n, size = int(tok[i + 1]), int(tok[i + 2])
            raw = np.array(tok[i + 3:i + 3 + size], int)
            i += 3 + size
            if size == 4 * n:
                cells = raw.reshape(n, 4)[:, 1:]
            else:  # mixed: split quadrilaterals into two triangles
                out, k = [], 0
                while k < size:
                    m = raw[k]
                    v = raw[k + 1:k + 1 + m]
                    out.append(v[:3])
                    if m == 4:
                        out.append(v[[0, 2, 3]])
                    k += m + 1
                cells = np.array(out)
        elif t == "SCALARS":
            name = tok[i + 1]
            i += 6  # SCALARS name type 1 LOOKUP_TABLE default
            n = len(cells)
            data[name] = np.array(tok[i:i + n], float)
            i += n
        elif t == "VECTORS":
            name = tok[i + 1]
            n = len(cells)
            data[name] = np.array(tok[i + 3:i + 3 + 3 * n], float).reshape(n, 3)
            i += 3 + 3 * n
        else:
            i += 1
    return pts, cells, data


def read_strings():
    s = {}
    with open(os.path.join(HERE, "strings.txt")) as f:
        for line in f:
            name, ids = line.split(":", 1)
            s[name.strip()] = [int(v) - 1 for v in ids.strip().strip("()").split()]
    return s


def results():
    r = glob.glob(os.path.join(HERE, "reach_vtk*.vtk"))
    return sorted(r, key=lambda p: float(re.findall(r"vtk([0-9.eE+-]+)\.vtk$", p)[0]))


def hillshade_image(pts, tri, extent, res=2.0):
    """Bed elevation on a regular grid, shaded, as an RGB image."""
    x0, x1, y0, y1 = extent
    gx, gy = np.meshgrid(np.arange(x0, x1, res), np.arange(y0, y1, res))
    z = LinearTriInterpolator(tri, pts[:, 2])(gx, gy).filled(np.nan)
    z = np.where(np.isnan(z), np.nanmax(z), z)
    ls = LightSource(azdeg=315, altdeg=35)
    rgb = ls.shade(z, cmap=plt.get_cmap("gist_earth"), vert_exag=6, blend_mode="soft",
                   vmin=np.percentile(z, 1) - 1.5, vmax=np.percentile(z, 99) + 1.0)
    return rgb, z


class Scene:
    def __init__(self):
        self.files = results()
        if not self.files:
            sys.exit("render: no reach_vtk*.vtk results; run 'make demo' first")
        pts, cells, _ = read_vtk(self.files[0])
        self.pts, self.cells = pts, cells
        self.tri = Triangulation(pts[:, 0], pts[:, 1], cells)
        self.extent = (pts[:, 0].min(), pts[:, 0].max(), pts[:, 1].min(), pts[:, 1].max())
        self.shade, self.z = hillshade_image(pts, self.tri, self.extent)
        self.strings = read_strings()
        self.hmax = 1.0

    def draw(self, path, title, fig_w=13.0):
        _, _, data = read_vtk(path)
        depth = data["depth"]
        x0, x1, y0, y1 = self.extent
        fig_h = fig_w * 0.34
        fig = plt.figure(figsize=(fig_w, fig_h), dpi=100)
        # the map keeps its true aspect; the colour bars are as tall as the map
        map_h = 0.76 * fig_w * (y1 - y0) / (x1 - x0) / fig_h
        bottom = 0.5 * (1 - map_h) + 0.02
        ax = fig.add_axes([0.05, bottom, 0.76, map_h])
        ax.imshow(self.shade, extent=self.extent, origin="lower", interpolation="bilinear")
        wet = np.ma.masked_less(depth, 0.05)
        # shallow water must still read as water: the depth colours start at a clear blue
        blues = ListedColormap(plt.get_cmap("Blues")(np.linspace(0.3, 1.0, 256)))
        pc = ax.tripcolor(self.tri, facecolors=wet, cmap=blues, vmin=0, vmax=self.hmax,
                          alpha=0.7, edgecolors="none", antialiased=False)
        # structures and boundaries
        for name, style, label in (("weir_up", "r-", "weir"), ("inlet", "m-", "inflow"),
                                   ("outlet", "k--", "outflow (h-Q)")):
            p = self.pts[self.strings[name]]
            ax.plot(p[:, 0], p[:, 1], style, lw=3, label=label)
        p = self.pts[self.strings["inlet"]]
        ax.annotate("", xy=(160, 0), xytext=(20, 0),
                    arrowprops=dict(arrowstyle="-|>", color="m", lw=3, mutation_scale=25))
        ax.text(25, -25, "inflow", color="m", fontsize=12, weight="bold", va="top")
        wp = self.pts[self.strings["weir_up"]]
        ax.text(wp[0, 0] + 15, y0 + 25, "weir", color="r", fontsize=12, weight="bold")
        # scale bar
        sx, sy = x1 - 560, y0 + 40
        ax.add_patch(plt.Rectangle((sx - 20, sy - 25), 540, 70, color="white", alpha=0.8))
        ax.plot([sx, sx + 500], [sy, sy], "k-", lw=4)
        for k in range(6):
            ax.plot([sx + 100 * k] * 2, [sy - 6, sy + 6], "k-", lw=2)
        ax.text(sx + 250, sy + 12, "500 m", ha="center", va="bottom", fontsize=12)
        ax.set_xlim(x0, x1)
        ax.set_ylim(y0, y1)
        ax.set_aspect("equal")
        ax.set_xlabel("x [m], down the valley")
        ax.set_ylabel("y [m]")
        ax.set_title(title, fontsize=14)
        ax.legend(loc="upper left", fontsize=10, framealpha=0.85)
        cax = fig.add_axes([0.84, bottom, 0.015, map_h])
        cb = fig.colorbar(pc, cax=cax)
        cb.set_label("water depth [m]", fontsize=12)
        cax2 = fig.add_axes([0.92, bottom, 0.015, map_h])
        zl = np.percentile(self.z, [1, 99])
        sm = plt.cm.ScalarMappable(cmap="gist_earth",
                                   norm=plt.Normalize(zl[0] - 1.5, zl[1] + 1.0))
        cb2 = fig.colorbar(sm, cax=cax2)
        cb2.set_label("bed elevation [m]", fontsize=12)
        return fig


def hydrograph():
    series = {}
    for name, label in (("inflow", "inflow"), ("outflow", "outflow"), ("valley_weir", "over the weir")):
        path = os.path.join(HERE, f"reach_boundary_{name}_th.dat")
        if os.path.exists(path):
            series[label] = np.loadtxt(path, skiprows=1, ndmin=2)
    if not series:
        return None
    fig, ax = plt.subplots(figsize=(9, 4.5), dpi=100)
    for label, d in series.items():
        ax.plot(d[:, 0] / 60.0, np.abs(d[:, 1]), lw=2, label=label)
    ax.set_xlabel("time [min]")
    ax.set_ylabel("discharge [m³/s]")
    ax.set_title("Flood wave through the valley")
    ax.grid(alpha=0.4)
    ax.legend()
    out = os.path.join(HERE, "hydrograph.png")
    fig.tight_layout()
    fig.savefig(out)
    plt.close(fig)
    return out


def main():
    s = Scene()
    last = s.files[-1]
    _, _, data = read_vtk(last)
    s.hmax = max(1.0, float(np.ceil(np.percentile(data["max_depth"], 99.5))))
    t = float(re.findall(r"vtk([0-9.eE+-]+)\.vtk$", last)[0])
    fig = s.draw(last, f"Water depth at t = {t / 60:.0f} min over the valley bed")
    fig.savefig(os.path.join(HERE, "flood.png"))
    plt.close(fig)
    frames = []
    for p in s.files:
        t = float(re.findall(r"vtk([0-9.eE+-]+)\.vtk$", p)[0])
        fig = s.draw(p, f"Flood in the valley: t = {t / 60:4.0f} min", fig_w=9.0)
        fig.canvas.draw()
        frames.append(Image.fromarray(np.asarray(fig.canvas.buffer_rgba())[:, :, :3]))
        plt.close(fig)
    gif = os.path.join(HERE, "flood.gif")
    pal = [f.quantize(colors=128, method=Image.Quantize.MEDIANCUT) for f in frames]
    pal[0].save(gif, save_all=True, append_images=pal[1:], duration=400, loop=0)
    hyd = hydrograph()
    print(f"render: {os.path.join(HERE, 'flood.png')}, {gif} ({len(frames)} frames), {hyd}")


if __name__ == "__main__":
    main()
