#!/usr/bin/env bash
# Runs the bundled example and says where its results are.
set -euo pipefail
bin=$(realpath "$1")
cd "$(dirname "$0")/../examples/river-reach"
[ -f reach.2dm ] || /usr/bin/python3 ./make-mesh.py
"$bin" -b -f river-reach.fmc
echo
echo "Results are in $(pwd):"
echo "  reach_vtk<t>.vtk (ParaView), reach_nds_*.sol with reach.2dm (SMS, QGIS),"
echo "  reach_stringdef_*_th.dat (discharge and level at two cross sections), river-reach.log."
echo "  'make demo-png' renders the flood to $(pwd)/flood.png."
