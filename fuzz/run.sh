#!/usr/bin/env bash
# Builds the fuzz targets with clang (address and undefined-behaviour sanitizers, libFuzzer)
# and runs each for a while on a copy of its seed corpus.
#
#   bash fuzz/run.sh [seconds per target, default 30] [build folder, default build-fuzz]
#
# A finding stops the run with a non-zero status; the input that caused it is kept in
# the build folder's findings/ and named on the way out.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
build=${2:-build-fuzz}
targets=(filter_match settings_values name_cleaning listing_line)

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
fi
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

mkdir -p "$build/findings"

# run_one TARGET: fuzzes one target; its verdict is printed when all have ended.
run_one() {
  local target=$1 work="$build/corpus/$1" log="$build/$1.log" runs
  rm -rf "$work"
  mkdir -p "$work"
  cp fuzz/corpus/"$target"/* "$work"/
  # Qt wants no display for this; the sanitizers stop at the first report.
  if QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 \
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$build/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=4096 -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
    "$work" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    echo "fuzz: $target: ${runs:-?} executions in ${seconds} s, nothing found" >"$log.verdict"
  else
    {
      echo "fuzz: $target: FOUND a failure; input kept as:"
      ls "$build/findings/$target-"* 2>/dev/null || true
      grep -E 'ERROR|runtime error|invariant broken|SUMMARY' "$log" | head -n 20 || tail -n 30 "$log"
    } >"$log.verdict"
    return 1
  fi
}

# One target a core at a time: the fuzzers are single-threaded.
status=0
for target in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
  rm -f "$build/$target.log.verdict"
  run_one "$target" &
done
wait
for target in "${targets[@]}"; do
  verdict="$build/$target.log.verdict"
  [ -s "$verdict" ] || echo "fuzz: $target: ended without a verdict" >"$verdict"
  cat "$verdict"
  grep -q 'nothing found' "$verdict" || status=1
done
exit "$status"
