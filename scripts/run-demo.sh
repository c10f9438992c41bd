#!/usr/bin/env bash
# Runs the bundled example and says where its results are.
set -euo pipefail
bin=$(realpath "$1")
cd "$(dirname "$0")/../examples/river-reach"
if [ -x ./make-mesh.py ] && [ ! -f reach.2dm ]; then /usr/bin/python3 ./make-mesh.py; fi
"$bin" -b -f river-reach.fmc
echo
echo "Results are in $(pwd)/results (log: $(pwd)/river-reach.log)."
