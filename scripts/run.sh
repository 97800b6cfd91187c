#!/usr/bin/env bash
# Installs what building and running need, builds, and starts Tamsoret on a folder
# (the current folder when none is given). The tests' packages are left to test.sh.
# Usage: scripts/run.sh [folder]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
folder=${1:-$PWD}
folder=$(cd "$folder" && pwd)
bash "$here/scripts/setup.sh" run
# A first build here needs no GoogleTest; a build folder that test.sh made keeps its tests.
tests=()
[ -f "$here/build/CMakeCache.txt" ] || tests=(-DTAMSORET_TESTS=OFF)
echo "run.sh: configuring the build in $here/build"
cmake -S "$here" -B "$here/build" -G Ninja "${tests[@]}"
echo "run.sh: building tamsoret"
cmake --build "$here/build" --target tamsoret
exec "$here/build/tamsoret" "$folder"
