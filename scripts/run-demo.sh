#!/usr/bin/env bash
# Runs the bundled example and says where its results are.
set -euo pipefail
bin=$(realpath "$1")
cd "$(dirname "$0")/../examples/river-reach"
[ reach.2dm -nt make-mesh.py ] || /usr/bin/python3 ./make-mesh.py
"$bin" -b -f river-reach.fmc
echo
echo "Results are in $(pwd):"
echo "  reach_vtk<t>.vtk (ParaView), reach_nds_*.sol with reach.2dm (SMS, QGIS),"
echo "  reach_stringdef_*_th.dat (discharge and level at two cross sections),"
echo "  reach_boundary_*_th.dat (inflow, outflow, weir discharge), river-reach.log."
echo "  'make demo-png' draws flood.png, flood.gif and hydrograph.png there."
