#!/usr/bin/env bash
# Runs the performance cases and prints their table. The dam-break meshes are
# generated once into <build>/meshes and reused by later runs.
#   run-bench.sh <build> [extra flumbench options]
set -euo pipefail
build=$1
shift
root=$(cd "$(dirname "$0")/.." && pwd)
bench="$build/bench/flumbench"
if [ ! -x "$bench" ]; then echo "bench: $bench is not built"; exit 1; fi

# 1-D chain: building a 10,000-section chain, one table look-up, explicit and
# implicit steps on 10,000 and 100,000 sections (section-updates per second).
"$build/bench/chainbench"
echo

meshes="$build/meshes"
mkdir -p "$meshes"
# name nx ny kind: 1000 m x 200 m channels; triangles come two per cell
cases=(
  "quad_50k 500 100 quad"
  "quad_200k 1000 200 quad"
  "quad_800k 2000 400 quad"
  "tri_50k 500 50 tri"
  "tri_200k 1000 100 tri"
  "tri_800k 2000 200 tri"
)
files=()
for c in "${cases[@]}"; do
  read -r name nx ny kind <<<"$c"
  f="$meshes/$name.2dm"
  if [ ! -s "$f" ]; then
    /usr/bin/python3 "$root/bench/meshgen.py" "$f.tmp" --nx "$nx" --ny "$ny" --lx 1000 --ly 200 \
      --kind "$kind" --mat-split 500 >/dev/null
    mv "$f.tmp" "$f"
  fi
  files+=("$f")
done
"$bench" "$@" "${files[@]}"
echo
/usr/bin/python3 "$root/bench/output-cost.py" "$build/flumaris"
