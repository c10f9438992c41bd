"""The command line: switches, their order, messages and exit codes."""
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from flumtest import run, workdir, check, finish  # noqa: E402

END = "\nEnd of program FLUMARIS.\n"

rc, out, _ = run(["-version"])
check("version exit code", rc == 0)
check("version text", out == "-> \n   FLUMARIS version 2.5.3\n   Release dat: October-2015\n   Revision number: 2396\n   \n" + END, repr(out))

rc, out, _ = run(["-version", "-h"])
check("-version wins over -h", rc == 0 and "Following command line" not in out)

rc, out, _ = run(["-h"])
check("help exit code", rc == 0)
lines = out.split("\n")
check("help starts with an empty line", lines[0] == "" and lines[1] == "Following command line arguments are supported: ")
check("help tab layout", "\t-f \"filename.fmc\" \t : name of commandfile to be executed (1 arg)" in lines)
check("help log line", "\t-log \t\t\t: log level of output (1 arg, [2-6])" in lines)
check("help ends with end line", out.endswith("----------------------------------------------- \n\n" + END))

rc, out, _ = run(["-xyz"])
check("unknown switch exit 1", rc == 1)
check("unknown switch text", out == "The commandline switch '-xyz' is unknwon !!!\nProgram terminates.\n" + END, repr(out))

rc, out, _ = run(["-psnX", "-version"])
check("-psnX ignored", rc == 0 and "version 2.5.3" in out)
rc, out, _ = run(["-psn"])
check("-psn alone rejected", rc == 1 and "'-psn' is unknwon" in out)

rc, out, _ = run(["-f"])
check("-f without value", rc == 1 and "-> Not enough arguments are given.\n   The commandline switch 'file' requires one argument.\nProgram is terminated...\n" in out, repr(out))
rc, out, _ = run(["-f", "a.fmc", "b.fmc"])
check("-f with two values", rc == 1 and "Too many arguments are given.\n   The commandline switch 'file' requires one argument." in out)
rc, out, _ = run(["-log"])
check("-log without value", rc == 1 and "The commandline switch 'log' requires one argument." in out)

d = workdir()
rc, out, _ = run(["-b", "-f", "missing.fmc"], cwd=d, env={"HOME": d})
check("missing fmc exits 0", rc == 0)
check("missing fmc text", out.endswith(" No commandfile for current scenario exists!!! Program terminates.\n"), repr(out[-120:]))
check("settings box", "│                           Current Project Settings                          │" in out)
check("no fm.ini without a command file", not os.path.exists(os.path.join(d, "fm.ini")))

rc, out, _ = run(["-b"], cwd=d)
check("batch without command file", rc == 1 and "Please define a valid command file using the -f <file> command switch." in out)

# A backslash path: project directory and scenario, fm.ini in HOMEDRIVE+HOMEPATH where both are set.
os.makedirs(os.path.join(d, "proj"))
open(os.path.join(d, "proj", "case.fmc"), "w").write("// nothing\n")
home = os.path.join(d, "home")
os.makedirs(home)
rc, out, _ = run(["-t", "-f", "proj\\case.xyz"], cwd=d, env={"HOMEDRIVE": home, "HOMEPATH": "/win"})
os.makedirs(os.path.join(home, "win"), exist_ok=True)
rc, out, _ = run(["-t", "-f", "proj\\case.xyz"], cwd=d, env={"HOMEDRIVE": home, "HOMEPATH": "/win"})
check("project directory printed", " PROJECT DIRECTORY:\n\n proj\n\n SCENARIO NAME:\n\n case\n\n" in out, repr(out[:600]))
ini = os.path.join(home, "win", "fm.ini")
check("fm.ini written", os.path.exists(ini) and open(ini).read() == "proj\ncase\n")
check("-t writes no log", not os.path.exists(os.path.join(d, "proj", "case.log")))

rc, out, _ = run(["-t", "-f", "proj\\case.fmc"], cwd=d, env={"HOMEDRIVE": "/nonexistent/dir", "HOMEPATH": "/x"})
check("unwritable fm.ini only warns", " Unable to write to ini-file:\n/nonexistent/dir/x/fm.ini\n Settings not stored.\n" in out, repr(out[:800]))

# Word-valued keys and output value names are checked by -t, which lists the valid words.
MESH = "MESH2D\nND 1 0 0 0\nND 2 1 0 0\nND 3 1 1 0\nND 4 0 1 0\nE4Q 1 1 2 3 4 1\n"
CASE = """PROJECT {
   title = words
}
DOMAIN {
   FLUMPLANE_2D {
      region_name = w
      GEOMETRY {
         file = m.2dm
      }
      HYDRAULICS {
         PARAMETER {
            riemann_solver = %(solver)s
         }
         FRICTION {
            type = manning
            default_friction = 0.03
         }
         BOUNDARY {
            type = %(btype)s
            string_name = s
            wse_calc_method = %(wse)s
         }
      }
      TIMESTEP {
         total_run_time = 1
      }
      OUTPUT {
         SPECIAL_OUTPUT {
            type = element_centered
            format = vtk
            values = ( %(values)s )
         }
      }
   }
}
"""
GOOD = {"solver": "hllc", "btype": "zero_gradient", "wse": "local", "values": "depth max[wse]"}
wd = workdir()
open(os.path.join(wd, "m.2dm"), "w").write(MESH)
for key, word, expected in [
        ("solver", "roe", "Expression 'roe' is not a valid value for tag 'riemann_solver'. Allowed values are exact, hllc, hll"),
        ("wse", "foo", "Expression 'foo' is not a valid value for tag 'wse_calc_method'. Allowed values are average, local"),
        ("btype", "river", "Allowed values are hydrograph, zhydrograph, hqrelation, zero_gradient, weir, gate, wall"),
        ("values", "depth speed", "Expression 'speed' is not a valid item of tag 'values'. Allowed items are depth, velocity, wse"),
        ("values", "max[speed]", "Expression 'max[speed]' is not a valid item of tag 'values'."),
        (None, None, None)]:
    case = dict(GOOD)
    if key:
        case[key] = word
    open(os.path.join(wd, "w.fmc"), "w").write(CASE % case)
    rc, out, _ = run(["-t", "-f", "w.fmc"], cwd=wd, env={"HOME": wd})
    flat = " ".join(out.replace("\n   ", " ").split())
    if key:
        check("-t rejects %s = %s" % (key, word), rc == 1 and expected in flat, flat[-400:])
    else:
        check("-t accepts the valid words", rc == 0, flat[-400:])

finish()
