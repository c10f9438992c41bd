#!/usr/bin/env bash
# Runs the performance cases and prints their table.
set -euo pipefail
build=$1
if [ -x "$build/bench/flumbench" ]; then "$build/bench/flumbench"; else echo "bench: no benchmark built yet"; fi
