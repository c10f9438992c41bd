"""The 1-D solver end to end: a reach with an inflow hydrograph, an inner gate,
a lateral inflow and a downstream weir runs to its end with either scheme and
its water stays put; every configuration mistake of the hydraulics blocks
stops with its message (exit code 1)."""
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from flumtest import run, workdir, check, finish  # noqa: E402

SECTIONS = "".join(
    f"""CROSS_SECTION {{
   name = s{k}
   distance_coord = {k * 0.02:.2f}
   node_coords = ( (0 {406 - 0.02 * k:.2f}) (0 {400 - 0.02 * k:.2f}) (8 {400 - 0.02 * k:.2f}) (8 {406 - 0.02 * k:.2f}) )
}}
""" for k in range(11))

BASE = {
    "bounds": """         BOUNDARY {
            name = inflow
            string = upstream
            type = hydrograph
            file = inflow.txt
            slope = 1.0
         }
         BOUNDARY {
            name = outlet
            string = downstream
            type = weir
            level = 401.0
            width = 8.0
         }""",
    "inner": """         INNER_BOUNDARY {
            type = gate
            cross_section_name_1 = s4
            cross_section_name_2 = s5
            level = 399.92
            width = 8
            gate_elevation = 401.5
         }""",
    "source": """         SOURCE {
            EXTERNAL_SOURCE {
               name = brook
               type = qlateral
               file = inflow.txt
               cross_section = s7
            }
         }""",
    "initial": """         INITIAL {
            type = backwater
            q_out = 10.0
            WSE_out = 401.8
         }""",
    "scheme": "explicit",
}

FMC = """PROJECT {{
   title = reach
}}
DOMAIN {{
   FLUMCHAIN_1D {{
      region_name = river
      GEOMETRY {{
         type = flumaris
         file = reach.fmg
         cross_section_order = ( s0 s1 s2 s3 s4 s5 s6 s7 s8 s9 s10 )
      }}
      HYDRAULICS {{
{bounds}
{inner}
{source}
{initial}
         FRICTION {{
            type = strickler
            default_friction = 35
         }}
         PARAMETER {{
            simulation_scheme = {scheme}
            SECTION_COMPUTATION {{
               type = table
            }}
         }}
      }}
      TIMESTEP {{
         initial_time_step = 20
         total_run_time = 1800
      }}
   }}
}}
"""


def case(**change):
    d = workdir()
    parts = dict(BASE)
    parts.update(change)
    open(os.path.join(d, "reach.fmg"), "w").write(SECTIONS)
    open(os.path.join(d, "inflow.txt"), "w").write("0 10\n1800 12\n")
    open(os.path.join(d, "reach.fmc"), "w").write(FMC.format(**parts))
    return d


def stops_with(name, text, **change):
    d = case(**change)
    rc, out, _ = run(["-b", "-f", "reach.fmc"], cwd=d)
    flat = " ".join(out.replace("->", " ").split())
    check(name, rc == 1 and " ".join(text.split()) in flat, out[-1200:])


for scheme in ("explicit", "implicit"):
    d = case(scheme=scheme)
    rc, out, _ = run(["-b", "-f", "reach.fmc"], cwd=d)
    check(f"{scheme} run ends", rc == 0 and "Finished simulation." in out, out[-1500:])

stops_with("missing downstream end", "The 'downstream' boundary condition is missing",
           bounds=BASE["bounds"].split("         BOUNDARY {\n            name = outlet")[0])
stops_with("boundary names unique", "The boundary named inflow is not unique!",
           bounds=BASE["bounds"].replace("name = outlet", "name = inflow"))
stops_with("weir needs a width",
           "Boundary condition 'outlet' needs either a 'width' for constant width or a 'file' containing varying width in time.",
           bounds=BASE["bounds"].replace("            width = 8.0\n", ""))
stops_with("weir needs a level", "There is neither a level, nor a level_file nor a controller defining the weir level.",
           bounds=BASE["bounds"].replace("            level = 401.0\n", ""))
stops_with("h-Q needs slope or file", "Boundary condition 'hqrelation' needs either slope or a file",
           bounds=BASE["bounds"].replace("type = weir\n            level = 401.0\n            width = 8.0", "type = hqrelation"))
stops_with("water level needs a series", "The zhydograph must have an input serie. Program cannot continue.",
           bounds=BASE["bounds"].replace("type = weir\n            level = 401.0\n            width = 8.0", "type = zhydrograph"))
stops_with("inner structure between neighbours",
           "The two cross sections for an inner boundary of type 'gate' have to adjacent and are not!",
           inner=BASE["inner"].replace("s5", "s6"))
stops_with("qlateral needs a series",
           "For the qlateral source, you have either to define the qseries via a series file or have a controller defining the inflow.",
           source=BASE["source"].replace("               file = inflow.txt\n", ""))
stops_with("source names unique", "The source named brook is not unique!",
           source=BASE["source"][:-len("         }")] + """            EXTERNAL_SOURCE {
               name = brook
               type = qlateral
               file = inflow.txt
               cross_section = s2
            }
         }""")
off = """         SOURCE {
            EXTERNAL_SOURCE {
               name = pond
               type = off_channel
               cross_sections = ( %s )
            }
         }"""
stops_with("off-channel sections differ",
           "Both cross sections for offchannel EXTERNAL SOURCE are identical. You have to provide two different "
           "cross_sections as defined in GEOMETRY. The offchannel will act between these two cross sections.",
           source=off % "s3 s3")
stops_with("off-channel sections in order", "' for offchannel EXTERNAL SOURCE are not in successive order.",
           source=off % "s5 s3")
stops_with("off-channel needs two", "For off-channel source, 2 cross sections must be specified, but only 1 is given!",
           source=off % "s3")
d = case(initial="""         INITIAL {
            type = continue
            file = start.txt
         }""")
open(os.path.join(d, "start.txt"), "w").write("#time: 100\ns0 10 5\nnot_there 1 1\n#end\n")
rc, out, _ = run(["-b", "-f", "reach.fmc"], cwd=d)
check("continue names known sections", rc == 1 and "FCInitialFile: Unknown cross section name 'not_there'." in out,
      out[-800:])

stops_with("no coupled hydrograph downstream",
           "There is an attempt to couple to a Hydrograph as a downstream boundary. This is nonsense.",
           bounds=BASE["bounds"].replace("type = weir\n            level = 401.0\n            width = 8.0",
                                         "type = coupling_hydrograph\n            slope = 1.0"))

d = case(initial="""         INITIAL {
            type = continue
            file = start.txt
         }""")
open(os.path.join(d, "start.txt"), "w").write(
    "#time: 600\n" + "".join(f"s{k} 12.0 10.0 10.0\n" for k in range(11)) + "#end\n")
rc, out, _ = run(["-b", "-f", "reach.fmc"], cwd=d)
check("continue from a restart file", rc == 0 and "Finished simulation." in out, out[-1500:])

d = case(bounds=BASE["bounds"].replace("slope = 1.0", "slope = 0.5"))
rc, out, _ = run(["-b", "-f", "reach.fmc"], cwd=d)
check("per-mill slope warning", rc == 0 and "The slope you defined (0.5) is very small." in " ".join(out.split()),
      out[-1500:])
finish()
