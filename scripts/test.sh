#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
# Usage: scripts/test.sh [build-dir] [extra cmake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
bash scripts/setup.sh
cmake -S . -B "$build" -G Ninja "$@"
cmake --build "$build"
cd "$build"
ctest --output-on-failure --timeout 600
