"""The layers of the source tree: each folder includes only the folders below it,
and the parts of a subdomain (boundaries, outputs, mesh, step, flux) never
include the subdomain class itself, only its read view."""
import os
import re
import sys

sys.path.insert(0, os.path.dirname(__file__))
from flumtest import TESTS, check, finish  # noqa: E402

SRC = os.path.join(os.path.dirname(TESTS), "src")

# What each folder may include besides itself (docs/architecture.md).
ALLOWED = {
    "core": set(),
    "tools": {"core"},
    "input": {"core"},
    "physics": {"core", "input"},
    "section": {"core", "physics"},
    "plane": {"core", "input", "physics", "section", "tools"},
    "chain": {"core", "input", "physics", "section", "tools"},
    "coupling": {"core"},
    "domain": {"core", "input", "plane", "chain", "coupling"},
    "app": {"core", "domain"},
}
SUBDOMAIN_HEADERS = {"plane/FLUMplane_2d.h"}
PARTS = ("plane/boundary", "plane/output", "plane/mesh", "plane/step", "plane/flux")

include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
seen = 0
for root, _, files in os.walk(SRC):
    for f in files:
        if not f.endswith((".h", ".cpp")):
            continue
        path = os.path.join(root, f)
        rel = os.path.relpath(path, SRC).replace(os.sep, "/")
        folder = rel.split("/")[0]
        text = open(path, encoding="utf-8").read()
        for inc in include.findall(text):
            top = inc.split("/")[0]
            if "/" not in inc or top == folder:
                pass
            else:
                check(f"{rel} may include {inc}", top in ALLOWED.get(folder, set()))
            if rel.startswith(PARTS):
                check(f"{rel} includes no subdomain header ({inc})", inc not in SUBDOMAIN_HEADERS)
        seen += 1
check("source files found", seen > 100, str(seen))
finish()
