"""The river-reach example opens in QGIS: its 2dm mesh as a mesh layer, the node-centred
SMS solution files as extra datasets with time, read headless through the QGIS Python
bindings. Skipped where the bindings are not installed."""
import datetime
import glob
import os
import re
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(__file__))
from flumtest import TESTS, run, workdir, check, finish  # noqa: E402

os.environ["QT_QPA_PLATFORM"] = "offscreen"
try:
    from qgis.core import QgsApplication, QgsDateTimeRange, QgsMeshDatasetIndex, QgsMeshLayer, QgsProviderRegistry
except ImportError:
    print("skipped: QGIS Python bindings (python3-qgis) are not installed")
    sys.exit(77)  # ctest reports it as skipped


def read_2dm(path):
    counts = {"ND": 0, "E3T": 0, "E4Q": 0}
    with open(path) as f:
        for line in f:
            card = line.split(maxsplit=1)[0] if line.strip() else ""
            if card in counts:
                counts[card] += 1
    return counts["ND"], counts["E3T"] + counts["E4Q"]


def read_sol(path):
    """Header cards, then per TS line the time and its value rows (lists of floats)."""
    head, steps = {}, []
    with open(path) as f:
        for line in f:
            parts = line.split()
            if not parts:
                continue
            if parts[0] == "TS":
                steps.append((float(parts[2]), []))
            elif parts[0] == "ENDDS":
                break
            elif steps:
                steps[-1][1].append([float(v) for v in parts])
            else:
                head[parts[0]] = parts[1:]
    return head, steps


def julian_to_utc(jd):
    return datetime.datetime(1970, 1, 1, tzinfo=datetime.timezone.utc) + datetime.timedelta(days=jd - 2440587.5)


def close(a, b):
    return abs(a - b) <= 1e-6 * max(1.0, abs(b))


# The example, shortened to a few node outputs, run in a scratch copy.
example = os.path.join(TESTS, os.pardir, "examples", "river-reach")
d = workdir()
for p in glob.glob(os.path.join(example, "*.txt")) + glob.glob(os.path.join(example, "*.fmc")):
    shutil.copy(p, d)
shutil.copy(os.path.join(example, "make-mesh.py"), d)
subprocess.run(["/usr/bin/python3", os.path.join(d, "make-mesh.py")], check=True, capture_output=True)
fmc = os.path.join(d, "river-reach.fmc")
text, n = re.subn(r"total_run_time\s*=\s*[0-9.]+", "total_run_time = 900", open(fmc).read())
check("example run time shortened", n == 1, f"{n} total_run_time lines")
# One thread: with two, the run slows down many times over when another test shares the cores.
text = re.sub(r"number_threads\s*=\s*\d+", "number_threads = 1", text)
open(fmc, "w").write(text)
rc, out, err = run(["-b", "-f", "river-reach.fmc"], cwd=d, env={"HOME": d})
check("example run exit code", rc == 0, out[-2000:] + err[-500:])

mesh = os.path.join(d, "reach.2dm")
sols = sorted(glob.glob(os.path.join(d, "reach_nds_*.sol")))
check("node solution files written", {os.path.basename(s) for s in sols} >=
      {"reach_nds_depth.sol", "reach_nds_velocity.sol", "reach_nds_wse.sol"}, str(sols))
n_nodes, n_elems = read_2dm(mesh)

# Keep the QGIS profile, settings and runtime files out of the user's home.
for var in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"):
    os.environ[var] = os.path.join(d, "qgis-" + var.lower())
    os.makedirs(os.environ[var], mode=0o700, exist_ok=True)
app = QgsApplication([], False, os.path.join(d, "qgis-profile"))
app.initQgis()
check("mdal provider available", "mdal" in QgsProviderRegistry.instance().providerList())

# The mesh alone.
layer = QgsMeshLayer(mesh, "reach", "mdal")
prov = layer.dataProvider()
check("mesh layer valid", layer.isValid() and prov is not None)
if layer.isValid():
    check("vertex count", prov.vertexCount() == n_nodes, f"{prov.vertexCount()} != {n_nodes}")
    check("face count", prov.faceCount() == n_elems, f"{prov.faceCount()} != {n_elems}")

    # Each solution file as an extra dataset, the way the layer properties add them.
    files = {}
    for s in sols:
        head, steps = read_sol(s)
        files[head["NAME"][0].strip('"')] = (head, steps)
        check(f"{os.path.basename(s)} accepted", layer.addDatasets(s))

    groups = {}
    for g in layer.datasetGroupsIndexes():
        meta = layer.datasetGroupMetadata(QgsMeshDatasetIndex(g, 0))
        groups[meta.name()] = (g, meta)
    for name, (head, steps) in files.items():
        check(f"{name}: at least three output times", len(steps) >= 3, f"{len(steps)}")
        check(f"{name}: dataset group present", name in groups, str(sorted(groups)))
        if name not in groups:
            continue
        g, meta = groups[name]
        vector = "BEGVEC" in head
        check(f"{name}: scalar or vector as written", meta.isVector() == vector)
        check(f"{name}: values on vertices", meta.dataType() == meta.DataOnVertices)
        check(f"{name}: reference time from RT_JULIAN",
              meta.referenceTime().toSecsSinceEpoch() == round(julian_to_utc(float(head["RT_JULIAN"][0])).timestamp()),
              meta.referenceTime().toString())
        check(f"{name}: time step count", layer.datasetCount(QgsMeshDatasetIndex(g, 0)) == len(steps),
              f"{layer.datasetCount(QgsMeshDatasetIndex(g, 0))} != {len(steps)}")
        times = [layer.datasetMetadata(QgsMeshDatasetIndex(g, i)).time() * 3600.0 for i in range(len(steps))]
        # QGIS keeps dataset times to the millisecond.
        check(f"{name}: times match the TS lines", all(abs(a - t) <= 1e-3 for a, (t, _) in zip(times, steps)),
              f"{times} vs {[t for t, _ in steps]}")

        # Every value of every time, read back through QGIS.
        bad = []
        for i, (t, rows) in enumerate(steps):
            block = layer.datasetValues(QgsMeshDatasetIndex(g, i), 0, n_nodes)
            for v in range(min(n_nodes, len(rows))):
                got = block.value(v)
                want = rows[v]
                ok = close(got.x(), want[0]) and close(got.y(), want[1]) if vector else close(got.scalar(), want[0])
                if not ok:
                    bad.append((t, v + 1, want, got.x(), got.y()))
        check(f"{name}: one value row per vertex", all(len(rows) == n_nodes for _, rows in steps))
        check(f"{name}: values read back equal the file", not bad, str(bad[:3]))
        last = steps[-1][1]
        wet = max(range(len(last)), key=lambda v: abs(last[v][0]))
        check(f"{name}: last time is not all zero", abs(last[wet][0]) > 0.0)

    # Time: the provider and the layer are temporal, and the time controller lands on the
    # right dataset at the first and the last output time.
    check("provider has temporal capabilities", prov.temporalCapabilities().hasTemporalCapabilities())
    tp = layer.temporalProperties()
    check("layer temporal properties active", tp.isActive())
    if "depth" in files and "depth" in groups:
        steps = files["depth"][1]
        ref = tp.referenceTime()
        ext = tp.timeExtent()
        check("layer time extent spans the outputs",
              ext.begin().msecsTo(ext.end()) == round(1000 * (steps[-1][0] - steps[0][0])),
              f"{ext.begin().toString()} .. {ext.end().toString()}")
        g = groups["depth"][0]
        for i in (0, len(steps) - 1):
            at = ref.addMSecs(round(1000 * steps[i][0]))
            got = layer.datasetIndexAtTime(QgsDateTimeRange(at, at), g).dataset()
            check(f"dataset at output time {steps[i][0]:g} s", got == i, f"{got} != {i}")

app.exitQgis()
shutil.rmtree(d, ignore_errors=True)
finish()
