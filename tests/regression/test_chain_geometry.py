"""The 1-D subdomain end to end: -t accepts a complete 1-D command file; a run
reads the geometry, writes the section tables and runs to its end; a
geometry mistake names the file and the line."""
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from flumtest import run, workdir, check, finish  # noqa: E402

FMG = """// three surveyed sections
CROSS_SECTION {
   name = km_1.000
   distance_coord = 1.0
   node_coords = ( (0 403) (10 401.5) (12 400) (18 400) (20 401.5) (30 403) )
   main_channel_range = ( 10 20 )
   friction_coefficients = ( 35 )
   friction_ranges = ( (10 20) )
}
CROSS_SECTION {
   name = km_1.200
   distance_coord = 1.2
   reference_height = -0.2
   node_coords = ( (0 403) (10 401.5) (12 400) (18 400) (20 401.5) (30 403) )
   main_channel_slice_indexes = ( 2 4 )
   table_fixed_points = ( 401.3 )
}
CROSS_SECTION {
   name = km_1.400
   distance_coord = 1.4
   node_coords = ( (0 402.6) (12 399.6) (18 399.6) (30 402.6) )%s
}
"""

FMC = """PROJECT {
   title = reach
}
DOMAIN {
   FLUMCHAIN_1D {
      region_name = river
      GEOMETRY {
         type = flumaris
         file = reach.fmg
         cross_section_order = ( km_1.000 km_1.200 km_1.400 )
         dump_crosssections = yes
      }
      HYDRAULICS {
         BOUNDARY {
            name = inflow
            string = upstream
            type = hydrograph
            file = inflow.txt
            slope = 1.5
         }
         BOUNDARY {
            name = weir
            string = downstream
            type = weir
            level = 400.5
            width = 6.0
         }
         INNER_BOUNDARY {
            type = gate
            cross_section_name_1 = km_1.000
            cross_section_name_2 = km_1.200
            level = 400.0
            width = 4
            gate_elevation = 401.0
         }
         SOURCE {
            EXTERNAL_SOURCE {
               name = brook
               type = qlateral
               file = inflow.txt
               cross_section = km_1.200
               side = left
            }
         }
         INITIAL {
            type = backwater
            q_out = 12.0
            WSE_out = 401.0
         }
         FRICTION {
            type = manning
            default_friction = 0.04
         }
         PARAMETER {
            minimum_water_depth = 0.001
            riemann_solver = roe
            SECTION_COMPUTATION {
               type = %s
               internal_levees = yes
               min_interval = 0.05
               max_interval = 0.2
            }
         }
      }
      TIMESTEP {
         CFL = 0.8
         total_run_time = 3600
      }
      OUTPUT {
         output_time_step = 600
         SPECIAL_OUTPUT {
            type = monitor
            cross_sections = ( km_1.000 km_1.400 )
            Q = ( time max )
            wse = ( time )
         }
      }
   }
}
"""


def case(mode="table", extra=""):
    d = workdir()
    open(os.path.join(d, "reach.fmg"), "w").write(FMG % extra)
    open(os.path.join(d, "inflow.txt"), "w").write("0 5\n3600 20\n")
    open(os.path.join(d, "reach.fmc"), "w").write(FMC % mode)
    return d


d = case()
rc, out, _ = run(["-t", "-b", "-f", "reach.fmc"], cwd=d)
check("-t accepts the 1-D command file", rc == 0 and "successfully parsed" in out, out[-1500:])

rc, out, _ = run(["-b", "-f", "reach.fmc"], cwd=d)
check("run goes to its end", rc == 0 and "Finished simulation." in out, out[-1500:])
check("grid built first", "Grid: building grid using 3 cross sections" in out, out[-3000:])
tables = os.path.join(d, "riverTables.txt")
check("Tables.txt written", os.path.exists(tables))
if os.path.exists(tables):
    text = open(tables).read()
    check("one table per section", text.count("cross section: ") == 3, text[:300])
    check("levee rows 0.1 mm apart", "401.5000" in text and "401.5001" in text, text[:2000])
check("section dump", open(os.path.join(d, "dump_crosssection_km_1.200.dat")).read().startswith("sectionName_ = km_1.200\n"))

d = case(mode="iteration")
rc, out, _ = run(["-b", "-f", "reach.fmc"], cwd=d)
check("iteration mode writes no tables", rc == 0 and not os.path.exists(os.path.join(d, "riverTables.txt")), out[-800:])

d = case(mode="tables")
rc, out, _ = run(["-t", "-b", "-f", "reach.fmc"], cwd=d)
check("-t lists the section modes", rc == 1 and "Allowed values are table, iteration" in out, out[-800:])

d = case(extra="\n   friction_coefficients = ( 30 30 )")
rc, out, _ = run(["-b", "-f", "reach.fmc"], cwd=d)
check("geometry mistake with file and line",
      rc == 1 and "Error in the geometry file '" in out and "reach.fmg' on line 22:" in out
      and "There are 0 friction ranges defined and 2 coefficients." in out, out[-1500:])
finish()
