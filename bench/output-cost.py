#!/usr/bin/python3
"""Share of the bundled example's run time spent writing its outputs.

Runs the river-reach example three ways: without special outputs, with its
outputs at the default interval (100 s; the key removed), and as shipped.
Each variant runs `--repeat` times, alternating, and the fastest run counts,
which a machine shared with other work disturbs least. Wall and CPU seconds
are both shown: on a shared machine the CPU seconds (all threads) vary less.

    output-cost.py <flumaris binary> [--repeat N] [--threads N]
"""
import argparse
import os
import re
import resource
import shutil
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def variant(text, kind):
    if kind == "none":
        return re.sub(r"\n\s*SPECIAL_OUTPUT \{.*?\n\s*\}", "", text, flags=re.S)
    if kind == "default":
        return re.sub(r"(SPECIAL_OUTPUT \{.*?)\n\s*output_time_step = [0-9.]+", r"\1", text, flags=re.S)
    return text


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("binary")
    ap.add_argument("--repeat", type=int, default=5)
    ap.add_argument("--threads", type=int, default=2)
    a = ap.parse_args()
    work = tempfile.mkdtemp(prefix="flum_outcost_")
    src = os.path.join(ROOT, "examples", "river-reach")
    for f in os.listdir(src):
        if f.endswith((".fmc", ".txt", ".py")):
            shutil.copy(os.path.join(src, f), work)
    subprocess.run(["/usr/bin/python3", "make-mesh.py"], cwd=work, check=True, stdout=subprocess.DEVNULL)
    text = open(os.path.join(work, "river-reach.fmc")).read()
    text = re.sub(r"number_threads = \d+", f"number_threads = {a.threads}", text)
    kinds = ["none", "default", "shipped"]
    for k in kinds:
        open(os.path.join(work, f"{k}.fmc"), "w").write(variant(text, k))
    best = {k: float("inf") for k in kinds}
    cpu = {k: float("inf") for k in kinds}
    env = dict(os.environ, HOME=work)
    for _ in range(a.repeat):
        for k in kinds:
            r0 = resource.getrusage(resource.RUSAGE_CHILDREN)
            t0 = time.perf_counter()
            p = subprocess.run([os.path.abspath(a.binary), "-b", "-f", f"{k}.fmc"], cwd=work, env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            dt = time.perf_counter() - t0
            r1 = resource.getrusage(resource.RUSAGE_CHILDREN)
            if p.returncode != 0:
                sys.exit(f"output-cost: the '{k}' run failed with exit code {p.returncode} (in {work})")
            best[k] = min(best[k], dt)
            cpu[k] = min(cpu[k], (r1.ru_utime - r0.ru_utime) + (r1.ru_stime - r0.ru_stime))
    print(f"river-reach example, {a.threads} thread(s), fastest of {a.repeat} runs; share of the run spent on outputs:")
    print(f"  {'':<34} {'wall[s]':>8} {'share':>6} {'cpu[s]':>8} {'share':>6}")
    print(f"  {'without special outputs':<34} {best['none']:8.2f} {'':>6} {cpu['none']:8.2f}")
    for k, label in (("default", "outputs at the default 100 s"), ("shipped", "outputs as shipped (300 s / 60 s)")):
        wall = (best[k] - best["none"]) / best[k] * 100.0
        used = (cpu[k] - cpu["none"]) / cpu[k] * 100.0
        print(f"  {label:<34} {best[k]:8.2f} {wall:5.1f}% {cpu[k]:8.2f} {used:5.1f}%")
    shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
