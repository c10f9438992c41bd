#!/usr/bin/env bash
# Runs the performance cases and prints their table. The dam-break meshes are
# generated once into <build>/meshes and reused by later runs.
#   run-bench.sh <build> [extra flumbench options]
set -euo pipefail
build=$1
shift
# These machines are shared: a thread that spins at a barrier takes the core from
# the thread it waits for, and a 2-thread step then costs several time slices.
# Waiting threads sleep instead (for the lean kernel too), unless the caller chose.
export OMP_WAIT_POLICY=${OMP_WAIT_POLICY:-passive}
root=$(cd "$(dirname "$0")/.." && pwd)
bench="$build/bench/flumbench"
if [ ! -x "$bench" ]; then echo "bench: $bench is not built"; exit 1; fi

# 1-D chain: building a 10,000-section chain, one table look-up, explicit and
# implicit steps on 10,000 and 100,000 sections (section-updates per second).
"$build/bench/chainbench"
echo

meshes="$build/meshes"
mkdir -p "$meshes"

# The lean kernel (the machine's yardstick for one element update) is compiled from
# the shared perf folder at bench time and run next to each mesh size, so that the
# ratios below come from the same run on the same loaded machine.
lean_src="$root/../shared/perf/lean-kernel.cpp"
lean="$build/lean-kernel"
if [ -f "$lean_src" ] && { [ ! -x "$lean" ] || [ "$lean_src" -nt "$lean" ]; }; then
  g++ -O3 -march=native -fopenmp -o "$lean" "$lean_src"
fi
# lean-rates NX NY: "1:r1,2:r2" for NX x NY cells (2 NX NY triangles), about 30 steps.
lean_rates() {
  [ -x "$lean" ] || return 0
  local out="" t r
  for t in 1 2; do
    r=$(OMP_NUM_THREADS=$t "$lean" "$1" "$2" "$(awk "BEGIN{print 3000/$1}")" 1.0 | sed -n 's/.*element-updates\/s \([0-9.e+-]*\).*/\1/p')
    out="$out${out:+,}$t:$r"
  done
  echo "$out"
}

# name nx ny kind lean-nx lean-ny: 1000 m x 200 m channels; triangles come two per cell
cases=(
  "quad_50k 500 100 quad 250 100"
  "tri_50k 500 50 tri 250 100"
  "quad_200k 1000 200 quad 500 200"
  "tri_200k 1000 100 tri 500 200"
  "quad_800k 2000 400 quad 1000 400"
  "tri_800k 2000 200 tri 1000 400"
)
echo "Dam break on a flat channel; x lean = ratio to the lean kernel with as many elements and threads"
for c in "${cases[@]}"; do
  read -r name nx ny kind lnx lny <<<"$c"
  f="$meshes/$name.2dm"
  if [ ! -s "$f" ]; then
    /usr/bin/python3 "$root/bench/meshgen.py" "$f.tmp" --nx "$nx" --ny "$ny" --lx 1000 --ly 200 \
      --kind "$kind" --mat-split 500 >/dev/null
    mv "$f.tmp" "$f"
  fi
  rates=$(lean_rates "$lnx" "$lny")
  echo "lean kernel $((2 * lnx * lny)) triangles: ${rates:-not built}"
  "$bench" ${rates:+--lean "$rates"} "$@" "$f"
done
echo

# A reservoir behind a dam in a steep V-shaped valley, walls all round: the flood
# runs about 3 km down a valley that is mostly dry; most wet edges carry tiny jumps.
echo "Valley flood"
valleys=()
for c in "valley_25k 250 50" "valley_100k 500 100"; do
  read -r name nx ny <<<"$c"
  f="$meshes/$name.2dm"
  if [ ! -s "$f" ]; then
    /usr/bin/python3 "$root/bench/valleygen.py" "$f.tmp" --nx "$nx" --ny "$ny" >/dev/null
    mv "$f.tmp" "$f"
  fi
  valleys+=("$f")
done
"$bench" --until 150 --wse 57,-1000 "$@" "${valleys[@]}"
echo
/usr/bin/python3 "$root/bench/output-cost.py" "$build/flumaris"
