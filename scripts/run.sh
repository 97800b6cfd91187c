#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tamsoret on a folder
# (the current folder when none is given).
# Usage: scripts/run.sh [folder]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
folder=${1:-$PWD}
folder=$(cd "$folder" && pwd)
bash "$here/scripts/setup.sh" >/dev/null
cmake -S "$here" -B "$here/build" -G Ninja >/dev/null
cmake --build "$here/build" --target tamsoret
exec "$here/build/tamsoret" "$folder"
