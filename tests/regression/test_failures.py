"""Runs that go wrong say so: an unstable run stops with the element and the time,
broken meshes stop before the time loop with file, line and id, -t catches CFL > 1."""
import os
import re
import sys

sys.path.insert(0, os.path.dirname(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "bench"))
from flumtest import run, workdir, check, finish  # noqa: E402
from meshgen import write_2dm  # noqa: E402


def case(timestep="", parallel="", output="", mesh=None):
    d = workdir()
    if mesh is None:
        write_2dm(os.path.join(d, "mesh.2dm"), 20, 2, 20.0, 2.0, "quad", material=lambda x, y: 1 if x < 10 else 2)
    else:
        open(os.path.join(d, "mesh.2dm"), "w").write(mesh)
    with open(os.path.join(d, "case.fmc"), "w") as f:
        f.write(f"""PROJECT {{
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
      }}
      TIMESTEP {{
         total_run_time = 120
{timestep}      }}
{output}   }}
}}
""")
    return d


def run_case(d, *switches):
    rc, out, _ = run(["-b", *switches, "-f", "case.fmc"], cwd=d, env={"HOME": d})
    return rc, out.replace("\n   ", " ")  # the message box wraps its lines


# A dam break whose time step uses the celerity of 1 mm of water: steps far too
# long. The run stops with the element and the time; the history written up to
# the time the message trusts is complete and holds river depths.
d = case("         ignore_wave_celerity = yes\n         maximum_waterdepth = 0.001\n",
         output="      OUTPUT {\n         SPECIAL_OUTPUT {\n            type = element_history\n"
                "            element_ids = ( 5 15 )\n            element_values = ( depth )\n"
                "            output_time_step = 1\n         }\n      }\n")
rc, out = run_case(d)
m = re.search(r"has become unstable at t = ([0-9.e+-]+) s: .*?element #(\d+).*?"
              r"written at or before t = ([0-9.e+-]+) s are trustworthy", out, re.S)
check("unstable run: exit 1, element, time and trusted time", rc == 1 and m and "reached t =" not in out, out[-1500:])
check("the log has the message", "has become unstable" in open(os.path.join(d, "case.log")).read())
if m:
    rows = [[float(x) for x in line.split()] for line in open(os.path.join(d, "reach_element_5_th.dat"))
            if line.strip() and not line.lstrip().startswith("Time")]
    trusted = [r for r in rows if r[0] <= float(m.group(3)) + 1e-9]
    check("trusted history: complete records of river depths", float(m.group(3)) < float(m.group(1)) and trusted
          and all(len(r) == 2 and 0 <= r[1] < 10 for r in trusted), str(rows[-3:]))

# The same dam break with a sound time step is healthy.
rc, out = run_case(case())
check("sound dam break runs", rc == 0 and "reached t = 120 s" in out, out[-800:])

# A Courant number above 1 is an input error that -t finds; the range reads plainly.
rc, out = run_case(case("         CFL = 100\n"), "-t")
check("CFL 100 fails -t", rc == 1 and "Value '100' is not in range 0 < x <= 1" in out and "&lt;" not in out,
      out[-800:])

# Broken meshes stop before the time loop, naming the file, the line and the node.
for name, text, expected in (
        ("nan bed", "ND 1 0 0 0\nND 2 1 0 nan\nND 3 1 1 0\nE3T 1 1 2 3 1\n",
         "at line 2: node 2 has a coordinate or elevation that is not a finite number"),
        ("empty", "", "holds no elements")):
    rc, out = run_case(case(mesh=text))
    check(f"mesh {name}", rc == 1 and expected in out and "mesh.2dm" in out and
          "Computing the first time step" not in out, out[-800:])

# More threads than cores: capped with a warning, and the run goes on.
cores = len(os.sched_getaffinity(0))
rc, out = run_case(case(parallel="   PARALLEL {\n      number_threads = 1000\n   }\n"))
check("1000 threads capped", rc == 0 and "number_threads = 1000" in out and
      (f"using {cores} threads" in out if cores > 1 else "sequentially" in out), out[:2500])

# The reference keeps its HTML: the CFL range and what number_threads = 0 means.
d = workdir()
rc, _, _ = run(["-doc"], cwd=d, env={"HOME": d})
html = open(os.path.join(d, "doc_FLUMARIS.html"), encoding="utf-8").read() if rc == 0 else ""
check("-doc keeps entities and explains 0 threads", "0 &lt; x &lt;= 1" in html and "0 (or less) all cores" in html)

finish()
