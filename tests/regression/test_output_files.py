"""Result files of a 2-D run: a dam break in a closed channel writes VTK
files, a stringdef history and a balance; the volume stays constant and the
history discharge matches the balance of the deep side."""
import glob
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from flumtest import run, workdir, check, finish  # noqa: E402

d = workdir()
nx = 20
with open(os.path.join(d, "mesh.2dm"), "w") as f:
    f.write("MESH2D\n")
    for i in range(nx):
        f.write(f"E4Q {i + 1} {i + 1} {i + 2} {nx + 1 + i + 2} {nx + 1 + i + 1} {1 if i < nx // 2 else 2}\n")
    for j in range(2):
        for i in range(nx + 1):
            f.write(f"ND {j * (nx + 1) + i + 1} {i * 0.5} {j * 0.5} 0.0\n")

fmc = f"""PROJECT {{
  title = outputs
}}
DOMAIN {{
  FLUMPLANE_2D {{
    region_name = channel
    GEOMETRY {{
      type = 2dm
      file = mesh.2dm
      STRINGDEF {{
        name = dam
        node_ids = ( {nx // 2 + 1} {nx + 1 + nx // 2 + 1} )
        upstream_direction = left
      }}
    }}
    HYDRAULICS {{
      PARAMETER {{
        minimum_water_depth = 0.001
        riemann_solver = hllc
      }}
      FRICTION {{
        type = manning
        default_friction = 0.0
      }}
      INITIAL {{
        type = index_table
        index = ( 1 2 )
        h = ( 1.0 0.4 )
      }}
    }}
    TIMESTEP {{
      total_run_time = 2.0
      CFL = 0.9
    }}
    OUTPUT {{
      output_time_step = 0.5
      SPECIAL_OUTPUT {{
        type = element_centered
        format = vtk
        values = ( depth velocity max[depth] )
      }}
      SPECIAL_OUTPUT {{
        type = stringdef_history
        stringdefs = ( dam )
        stringdef_values = ( Q integrate[Q] )
        output_time_step = 0
      }}
      SPECIAL_OUTPUT {{
        type = balance
        balance_values = ( water_volume )
        output_time_step = 0
      }}
    }}
  }}
}}
"""
open(os.path.join(d, "case.fmc"), "w").write(fmc)
rc, out, err = run(["-b", "-f", "case.fmc"], cwd=d, env={"HOME": d})
check("run exit code", rc == 0, out[-2000:] + err[-500:])
check("finalizing message", "Finalizing Output nr. 3 of 3 finished." in out, out[-1000:])

vtk = sorted(glob.glob(os.path.join(d, "channel_vtk*.vtk")))
check("a VTK file per output time and the end", len(vtk) >= 5, str(vtk))
if vtk:
    text = open(vtk[-1]).read()
    check("VTK cells", f"CELLS {nx} {5 * nx}" in text and text.count("\n9\n") + text.count("CELL_TYPES") >= 1)
    check("VTK values", "SCALARS depth FLOAT 1" in text and "VECTORS velocity FLOAT" in text and "SCALARS max_depth FLOAT 1" in text)


def rows(name):
    path = os.path.join(d, name)
    if not os.path.exists(path):
        return []
    return [line.split() for line in open(path).read().splitlines()[1:] if line.strip() and not line.startswith("Run Time")]


bal = rows("channel_balance.dat")
hist = rows("channel_stringdef_dam_th.dat")
check("balance rows", len(bal) > 10, str(len(bal)))
check("history rows match balance rows", len(hist) == len(bal), f"{len(hist)} {len(bal)}")
if bal:
    v0 = float(bal[0][1])
    check("water volume constant", all(abs(float(r[1]) - v0) <= 1e-12 * v0 for r in bal))
    check("initial volume", abs(v0 - (5.0 * 0.5 * 1.0 + 5.0 * 0.5 * 0.4)) < 1e-12)
track = rows("channel_stringdef_dam_track.dat")
if hist and track:
    # integrate[Q] is the volume that left the deep side: less than it held.
    moved = float(track[-1][1])
    qsum = sum(float(hist[k][1]) * (float(hist[k][0]) - float(hist[k - 1][0])) for k in range(1, len(hist)))
    check("integrated discharge", abs(moved - qsum) <= 1e-9 * abs(qsum) and 0.0 < moved < 2.5, f"{moved} {qsum}")
finish()
