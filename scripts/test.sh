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
# Printing tests need a real default printer: a cups-pdf queue.
# shellcheck source=tests/e2e/printer-setup.sh
source tests/e2e/printer-setup.sh
ensure_pdf_printer || echo "test.sh: no cups-pdf default printer; printing tests will fail" >&2
cd "$build"
ctest --output-on-failure --timeout 600
