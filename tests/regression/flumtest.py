"""Small helpers shared by the end-to-end tests: run the binary, compare, report."""
import os
import subprocess
import sys
import tempfile

BINARY = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else "flumaris"
TESTS = os.path.abspath(sys.argv[2]) if len(sys.argv) > 2 else os.path.dirname(os.path.dirname(__file__))
_failures = []
_passed = 0


def run(args, cwd=None, env=None, stdin=subprocess.DEVNULL, timeout=300):
    e = dict(os.environ)
    e.pop("HOMEDRIVE", None)
    e.pop("HOMEPATH", None)
    if env:
        e.update(env)
    p = subprocess.run([BINARY] + args, cwd=cwd, env=e, stdin=stdin, capture_output=True, timeout=timeout)
    return p.returncode, p.stdout.decode("utf-8", "replace"), p.stderr.decode("utf-8", "replace")


def workdir():
    return tempfile.mkdtemp(prefix="flum_")


def check(name, cond, detail=""):
    global _passed
    if cond:
        _passed += 1
    else:
        _failures.append(name)
        print(f"FAILED: {name} {detail}")


def finish():
    print(f"{_passed} passed, {len(_failures)} failed")
    sys.exit(1 if _failures else 0)
