"""Batch runs through the domain: the log, subdomain times, couplings, exit codes."""
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "bench"))
from flumtest import run, workdir, check, finish  # noqa: E402
from meshgen import write_2dm  # noqa: E402


def plane(name, total, extra=""):
    return f"""   FLUMPLANE_2D {{
      region_name = {name}
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
            h = ( 0.5 0.1 )
         }}
      }}
      TIMESTEP {{
         total_run_time = {total}
      }}
{extra}   }}
"""


def case(body, name="case"):
    d = workdir()
    write_2dm(os.path.join(d, "mesh.2dm"), 20, 2, 20.0, 2.0, "quad", material=lambda x, y: 1 if x < 10 else 2)
    with open(os.path.join(d, name + ".fmc"), "w") as f:
        f.write("PROJECT {\n   title = test\n}\nDOMAIN {\n" + body + "}\n")
    return d


# One subdomain without couplings runs; the log holds the echo outside its comment.
d = case(plane("reach", 10))
rc, out, _ = run(["-b", "-f", "case.fmc"], cwd=d, env={"HOME": d})
check("single subdomain runs", rc == 0, out[-400:])
check("reaches its final time", "reached t = 10 s" in out, out[-600:])
log = open(os.path.join(d, "case.log")).read()
check("log header", log.startswith("// --------------------------------------------------\n// FLUMARIS log file:\n"))
check("echo outside the comment block", "*/\nPROJECT {" in log and "region_name = reach" in log)
check("log ends its comment", log.endswith("\n*/\n"))
os.rename(os.path.join(d, "case.log"), os.path.join(d, "fromlog.fmc"))
rc, out, _ = run(["-t", "-f", "fromlog.fmc"], cwd=d, env={"HOME": d})
check("the log parses as a command file", rc == 0 and "your input file is syntactically correct" in out, out[-800:])

# Two subdomains of one name would write into the same files.
d = case(plane("reach", 10) + plane("reach", 10))
rc, out, _ = run(["-b", "-f", "case.fmc"], cwd=d, env={"HOME": d})
flat = " ".join(out.replace("\n   ", " ").split())
check("a repeated region_name stops", rc == 1 and "Error: Two subdomains are named 'reach' (line 26 of the command file)." in flat, flat[-500:])
check("a repeated region_name stops before any result", not [f for f in os.listdir(d) if f.startswith("reach_")])

# Two subdomains need couplings.
d = case(plane("a", 10) + plane("b", 10))
rc, out, _ = run(["-b", "-f", "case.fmc"], cwd=d, env={"HOME": d})
check("two subdomains without COUPLINGS stop", rc == 1 and
      "-> Error: more than one Subdomain requires\n   the definition of appropriate coupling conditions.\n"
      "   Please correct the command file and restart the simulation." in out, out[-600:])

# Final times 100 and 50: the run ends at 50 after the warning.
d = case(plane("a", 100) + plane("b", 50) + "   COUPLINGS {\n      PARAMETER {\n         max_time_level = 4\n      }\n   }\n")
rc, out, _ = run(["-b", "-f", "case.fmc"], cwd=d, env={"HOME": d})
check("different final times warn", "The smallest final simulation time of all subdomains ('50')" in out, out[-900:])
check("both stop at 50", rc == 0 and out.count("reached t = 50") == 2, out[-900:])

# A final time of zero stops the run.
d = case(plane("a", 0))
rc, out, _ = run(["-b", "-f", "case.fmc"], cwd=d, env={"HOME": d})
check("zero final time", rc == 1 and "Final simulation time of all subdomains may never get zero or negative." in out, out[-600:])

# Coupling types: the misspelling printed in the message is not a type.
for word, known in (("rieman", False), ("riemann", True)):
    body = plane("a", 10) + plane("b", 10) + f"""   COUPLINGS {{
      COUPLING {{
         type = {word}
         upstream_subdomain = a
         downstream_subdomain = b
      }}
   }}
"""
    d = case(body)
    rc, out, _ = run(["-b", "-f", "case.fmc"], cwd=d, env={"HOME": d})
    unknown = f"The coupling type '{word}' is unknown." in out or "Allowed values" in out
    check(f"coupling type {word}", rc == 1 and unknown != known, out[-700:])

# Blocks of parts that are not built get a clear message, not a crash.
d = case(plane("a", 10) + "   FLUMSUB {\n   }\n")
rc, out, _ = run(["-b", "-f", "case.fmc"], cwd=d, env={"HOME": d})
check("subsurface model rejected", rc == 1 and "FLUMSUB" in out and "not part of this build" in out, out[-600:])

finish()
