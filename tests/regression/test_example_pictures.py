"""The pictures of 'make demo-png' are readable images: the expected size, many colours
(a hillshade, not a blank frame), water pixels on the flood map, an animation whose frames
differ as the flood rises, curves on the hydrograph. Skipped when the demo pictures have
not been made or Pillow is missing."""
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from flumtest import TESTS, check, finish  # noqa: E402

try:
    from PIL import Image, ImageChops
except ImportError:
    print("skipped: Pillow (python3-pil) is not installed")
    sys.exit(77)

example = os.path.join(TESTS, os.pardir, "examples", "river-reach")
paths = {n: os.path.join(example, n) for n in ("flood.png", "flood.gif", "hydrograph.png")}
if not all(os.path.exists(p) for p in paths.values()):
    print("skipped: run 'make demo-png' first")
    sys.exit(77)


def colours(img):
    small = img.convert("RGB").resize((img.width // 2, img.height // 2))
    return small, len(set(small.getdata()))


def water_share(img):
    """Share of pixels that are clearly blue (the depth colours over the bed)."""
    px = list(img.getdata())
    return sum(1 for r, g, b in px if b > r + 40 and b > g + 10) / len(px)


# flood map: large, rich in colour, with water on it but not drowned in it
flood = Image.open(paths["flood.png"])
check("flood.png size", flood.width >= 1000 and flood.height >= 400, str(flood.size))
small, n = colours(flood)
check("flood.png has a hillshade, not flat colours", n > 2000, f"{n} colours")
w = water_share(small)
check("flood.png shows water", 0.02 < w < 0.8, f"water share {w:.3f}")

# animation: several frames, the first and the last differ (the flood moves)
gif = Image.open(paths["flood.gif"])
frames = getattr(gif, "n_frames", 1)
check("flood.gif is animated", frames >= 5, f"{frames} frames")
gif.seek(0)
first = gif.convert("RGB")
gif.seek(frames - 1)
last = gif.convert("RGB")
diff = ImageChops.difference(first, last).convert("L")
changed = sum(1 for v in diff.getdata() if v > 30) / (diff.width * diff.height)
check("flood.gif frames change as the valley floods", changed > 0.01, f"{changed:.4f} changed")
check("flood.gif frames show water", water_share(last.resize((last.width // 2, last.height // 2))) > 0.02)

# hydrograph: a plot with coloured curves on white
hyd = Image.open(paths["hydrograph.png"]).convert("RGB")
check("hydrograph.png size", hyd.width >= 600 and hyd.height >= 300, str(hyd.size))
px = list(hyd.resize((hyd.width // 2, hyd.height // 2)).getdata())
coloured = sum(1 for r, g, b in px if max(r, g, b) - min(r, g, b) > 80) / len(px)
check("hydrograph.png has curves", coloured > 0.005, f"{coloured:.4f} coloured")
finish()
