#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
# Usage: scripts/test.sh [build-dir] [extra cmake arguments...]
#
# As root every test runs. As another user the tests run as that user; the few that need root
# (a tmpfs of their own, a CUPS queue, installing the package) say so and are skipped, and are
# then run again through sudo when this user may use it: without a password, or with the
# password asked once, at the start, when there is a terminal to ask on. What is still
# skipped for lack of rights is counted at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true

rights=root
if [ "$(id -u)" -ne 0 ]; then
  rights=none
  if command -v sudo >/dev/null 2>&1; then
    if sudo -n true 2>/dev/null; then
      rights=sudo
    elif (: </dev/tty) 2>/dev/null &&
      sudo -v -p "test.sh: installing packages, the printer queue and the tests that need root use sudo; password for %u: "; then
      rights=sudo
    fi
  fi
  if [ "$rights" = sudo ]; then
    # Keeps sudo's ticket fresh through a long build, so that the password is asked once.
    (while sleep 50; do sudo -n -v 2>/dev/null || exit 0; done) &
    keeper=$!
    trap 'kill "$keeper" 2>/dev/null || true' EXIT
  fi
fi

bash scripts/setup.sh test
# A build folder that run.sh made has the tests switched off.
cmake -S . -B "$build" -G Ninja -DTAMSORET_TESTS=ON "$@"
cmake --build "$build"
# Printing tests need a real default printer: a cups-pdf queue.
# shellcheck source=tests/e2e/printer-setup.sh
source tests/e2e/printer-setup.sh
if ! ensure_pdf_printer; then
  if [ "$rights" = none ]; then
    echo "test.sh: no cups-pdf default printer; the tests that print are skipped" >&2
  else
    echo "test.sh: no cups-pdf default printer; printing tests will fail" >&2
  fi
fi

rights_log=$(mktemp "${TMPDIR:-/tmp}/tamsoret-rights.XXXXXX")
trap 'rm -f "$rights_log"; kill "${keeper:-}" 2>/dev/null || true' EXIT
export TAMSORET_RIGHTS_LOG=$rights_log
cd "$build"
status=0
ctest --output-on-failure --timeout 600 -j "$(nproc)" || status=$?

if [ -s "$rights_log" ] && [ "$rights" = sudo ]; then
  names=$(cut -f1 "$rights_log" | sort -u | sed 's/[][\\.*^$+?(){}|/]/\\&/g' | paste -sd '|')
  echo "test.sh: $(cut -f1 "$rights_log" | sort -u | wc -l) tests need root; running them through sudo"
  : >"$rights_log"
  # The user's own path, and root's tools (lpadmin, mount) beside it.
  sudo -n env "PATH=$PATH:/usr/local/sbin:/usr/sbin:/sbin" "TAMSORET_RIGHTS_LOG=$rights_log" \
    ctest --output-on-failure --timeout 600 -R "^($names)\$" || status=$?
  # What root made in the build folder (test records, the package's files) stays the user's.
  sudo -n chown -R "$(id -u):$(id -g)" . || true
fi

skipped=$(cut -f1 "$rights_log" | sort -u | wc -l)
if [ "$skipped" -gt 0 ]; then
  echo
  echo "test.sh: $skipped tests were skipped for lack of rights:"
  sort -u "$rights_log" | sed 's/\t/: needs root: /; s/^/  /'
  echo "test.sh: to run them too, run bash scripts/test.sh as root, or from a terminal as a user"
  echo "         who may use sudo (the password is asked once, at the start)."
fi
exit "$status"
