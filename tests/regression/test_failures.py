"""Runs that go wrong say so: an unstable run stops with the element and the time,
broken inputs stop before the time loop with file, line and id, -t catches CFL > 1."""
import os
import re
import sys

sys.path.insert(0, os.path.dirname(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "bench"))
from flumtest import run, workdir, check, finish  # noqa: E402
from meshgen import write_2dm  # noqa: E402


def command_file(timestep="", parallel="", boundary="", output=""):
    return f"""PROJECT {{
   title = test
}}
DOMAIN {{
{parallel}   FLUMPLANE_2D {{
      region_name = reach
      GEOMETRY {{
         file = mesh.2dm
      }}
      HYDRAULICS {{
         FRICTION {{
            type = manning
            default_friction = 0.03
         }}
         INITIAL {{
            type = index_table
            index = ( 1 2 )
            h = ( 2.0 0.5 )
         }}
{boundary}      }}
      TIMESTEP {{
         total_run_time = 120
{timestep}      }}
{output}   }}
}}
"""


def case(fmc, mesh=True):
    d = workdir()
    if mesh:
        write_2dm(os.path.join(d, "mesh.2dm"), 20, 2, 20.0, 2.0, "quad", material=lambda x, y: 1 if x < 10 else 2)
    with open(os.path.join(d, "case.fmc"), "w") as f:
        f.write(fmc)
    return d


def run_case(d, *switches):
    return run(["-b", *switches, "-f", "case.fmc"], cwd=d, env={"HOME": d})


HISTORY = """      OUTPUT {
         SPECIAL_OUTPUT {
            type = element_history
            element_ids = ( 5 15 )
            element_values = ( depth )
            output_time_step = 1
         }
      }
"""

# A dam break whose time step uses the celerity of 1 mm of water: steps some
# forty times too long. The run stops with the element and the time, and the
# history written before stays readable up to the time the log calls trustworthy.
d = case(command_file("         ignore_wave_celerity = yes\n         maximum_waterdepth = 0.001\n", output=HISTORY))
rc, out, _ = run_case(d)
out = out.replace("\n   ", " ")  # the message box wraps its lines
check("unstable run exits 1", rc == 1, out[-1500:])
m = re.search(r"has become unstable at t = ([0-9.e+-]+) s: (.*?)element #(\d+)", out, re.S)
check("the message names the time and the element", m is not None, out[-1500:])
check("no end-of-run line", "reached t =" not in out)
t = re.search(r"written at or before t = ([0-9.e+-]+) s are trustworthy", out)
check("the message says which results to trust", t is not None, out[-1500:])
if m and t:
    check("trusted time before the failure", float(t.group(1)) < float(m.group(1)), m.group(0) + t.group(0))
    hist = [f for f in os.listdir(d) if "history" in f or f.endswith("_th.dat")]
    rows = []
    if hist:
        for line in open(os.path.join(d, sorted(hist)[0])):
            fields = line.split()
            try:
                rows.append([float(x) for x in fields])
            except ValueError:
                pass
    check("history readable", rows and all(len(r) == len(rows[-1]) for r in rows), str(hist))
    trusted = [r for r in rows if r[0] <= float(t.group(1)) + 1e-9]
    check("trusted records hold river depths", trusted and all(0 <= v < 10 for r in trusted for v in r[1:]),
          str(trusted[-3:]))
log = open(os.path.join(d, "case.log")).read()
check("the log has the message", "has become unstable" in log)

# The same dam break with a sound time step is healthy.
d = case(command_file())
rc, out, _ = run_case(d)
check("sound dam break runs", rc == 0 and "reached t = 120 s" in out, out[-800:])

# A Courant number above 1 is an input error that -t finds; the range reads plainly.
d = case(command_file("         CFL = 100\n"))
rc, out, _ = run_case(d, "-t")
check("CFL 100 fails -t", rc == 1 and "Value '100' is not in range 0 < x <= 1" in out, out[-800:])
check("no HTML entities on the console", "&lt;" not in out and "&gt;" not in out)

# Broken meshes stop before the time loop, naming the file, the line and the node.
broken = {
    "nan bed": ("ND 1 0 0 0\nND 2 1 0 nan\nND 3 1 1 0\nE3T 1 1 2 3 1\n",
                "line 2: node 2 has a coordinate or elevation that is not a finite number"),
    "empty": ("", "holds no elements"),
    "binary": ("\x7fELF\x02\x01\x01\x00\x00\x00\x00\x00ND 1 2\n", "is not a 2dm mesh"),
    "missing node": ("ND 1 0 0 0\nND 2 1 0 0\nND 3 1 1 0\nE3T 7 1 2 4 1\n",
                     "line 4: element #7 refers to node 4, which no ND card defines"),
}
for name, (text, expected) in broken.items():
    d = case(command_file(), mesh=False)
    with open(os.path.join(d, "mesh.2dm"), "w", encoding="latin-1") as f:
        f.write(text)
    rc, out, _ = run_case(d)
    check(f"mesh {name}: exit 1", rc == 1, out[-800:])
    check(f"mesh {name}: message", expected in out.replace("\n   ", " ") and "mesh.2dm" in out, out[-800:])
    check(f"mesh {name}: before the time loop", "Computing the first time step" not in out)

# A series with a NaN discharge names its file and line.
INFLOW = """         BOUNDARY {
            name = inflow
            type = hydrograph
            string_name = inlet
            file = q.txt
         }
"""
d = case(command_file(boundary=INFLOW).replace("file = mesh.2dm\n",
         "file = mesh.2dm\n         STRINGDEF {\n            name = inlet\n            node_ids = ( 1 22 43 )\n"
         "         }\n"))
with open(os.path.join(d, "q.txt"), "w") as f:
    f.write("// time Q\n0 1\n60 nan\n120 2\n")
rc, out, _ = run_case(d)
flat = out.replace("\n   ", " ")
check("nan in a series: exit 1", rc == 1, out[-800:])
check("nan in a series: file and line", "q.txt" in flat and "line 3" in flat and "'nan'" in flat, out[-800:])

# More threads than cores: capped with a warning, and the run goes on.
d = case(command_file(parallel="   PARALLEL {\n      number_threads = 1000\n   }\n"))
rc, out, _ = run_case(d)
check("1000 threads: runs", rc == 0, out[-800:])
check("1000 threads: warned", "number_threads = 1000" in out.replace("\n   ", " ") and
      f"using {len(os.sched_getaffinity(0))} threads" in out.replace("\n   ", " ") or
      (len(os.sched_getaffinity(0)) == 1 and "sequentially" in out), out[:2000])

# The reference keeps its HTML: the CFL range and what number_threads = 0 means.
d = workdir()
rc, out, _ = run(["-doc"], cwd=d, env={"HOME": d})
html = open(os.path.join(d, "doc_FLUMARIS.html"), encoding="utf-8").read() if rc == 0 else ""
check("-doc: CFL range in HTML", "0 &lt; x &lt;= 1" in html)
check("-doc: number_threads 0 means all cores", "0 (or less) all cores" in html)

finish()
