#!/usr/bin/env bash
# Installs the Debian packages that building, testing and the demo need,
# only those that are missing.
set -euo pipefail
pkgs=(g++ cmake make pkg-config libgomp1 libfmt-dev libcgns-dev libshp-dev liblapacke-dev
      libgtest-dev libgmock-dev libbenchmark-dev python3 python3-numpy python3-matplotlib python3-meshio cgns-convert)
# python3-matplotlib: its triangulation makes the example's mesh (make demo).
# Extra package names on the command line are installed as well (make fuzz).
pkgs+=("$@")
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && { echo "deps: all packages present"; exit 0; }
echo "deps: installing ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then SUDO=sudo; else
    echo "deps: these Debian packages are missing: ${missing[*]}" >&2
    echo "deps: run 'make deps' as root (or install them with apt-get) and try again." >&2
    exit 1
  fi
else SUDO=; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
