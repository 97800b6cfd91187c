#!/usr/bin/env bash
# Times the scan (status calls) and the sort (collation keys) of a listing run with each
# thread count forced in turn, on one processor and on all, to choose how many threads a
# folder of a given size gets. The counts take turns in every round, so that a change in
# the machine's load falls on all of them alike; the figures are medians over the rounds
# of the benchmark's own medians, in ms. The thread counts are forced through
# TAMSORET_STATUS_THREADS and TAMSORET_KEY_THREADS, which exist for this measuring only.
#
# Usage: bench/threads.sh [--base DIR] [--build DIR] [--rounds N] [--sizes "N ..."]
#                         [--threads "N ..."] [--cpus "LIST ..."] [--lang L] [--repeat N]
#   --base     where the test folders are made or found (/tmp/tamsoret-bench)
#   --build    the build folder, configured as a Release build (build-bench)
#   --rounds   rounds of every count (3)
#   --repeat   runs in one process each round (3)
#   --sizes    entries per test folder ("1000 100000 1000000")
#   --threads  the counts tried, 0 for the program's own choice ("0 1 2 3 4")
#   --cpus     taskset processor lists ("0 0,1")
#   --lang     the locale: one that collates, so that keys are made by ICU (de_DE.UTF-8)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
base=/tmp/tamsoret-bench
build=$here/build-bench
rounds=3
repeat=3
sizes="1000 100000 1000000"
threads="0 1 2 3 4"
cpus="0 0,1"
lang=de_DE.UTF-8
while (($#)); do
    case $1 in
    --base) base=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    --rounds) rounds=$2; shift 2 ;;
    --sizes) sizes=$2; shift 2 ;;
    --threads) threads=$2; shift 2 ;;
    --cpus) cpus=$2; shift 2 ;;
    --lang) lang=$2; shift 2 ;;
    --repeat) repeat=$2; shift 2 ;;
    *) sed -n '2,21p' "$0" >&2; exit 2 ;;
    esac
done
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAMSORET_TESTS=OFF >/dev/null
cmake --build "$build" --target tamsoret_bench make_bench_folder >/dev/null
bench=$build/bench/tamsoret_bench
mkdir -p "$base/out"
exec 9>"$base/.lock"
flock 9
for n in $sizes; do
    if [[ ! -e $base/e$n.complete ]]; then
        rm -rf "$base/e$n"
        "$build/bench/make_bench_folder" "$base/e$n" "$n"
        touch "$base/e$n.complete"
    fi
done
flock -u 9

median() { sort -n | awk '{ v[NR] = $1 } END { m = int((NR + 1) / 2); print (NR % 2) ? v[m] : (v[m] + v[m + 1]) / 2 }'; }
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
export LC_ALL=C
echo "thread counts, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) processors, locale $lang"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-9s %-5s %-8s %10s %10s\n' entries cpus threads scan sort
for n in $sizes; do
    for c in $cpus; do
        rm -f "$results"/*
        for ((round = 0; round < rounds; round++)); do
            for t in $threads; do
                env_threads=()
                if ((t > 0)); then env_threads=(TAMSORET_STATUS_THREADS=$t TAMSORET_KEY_THREADS=$t); fi
                env "${env_threads[@]}" LANG=$lang LC_ALL=$lang taskset -c "$c" \
                    "$bench" --repeat "$repeat" "$base/e$n" "$base/out/threads-$$.txt" >"$results/last"
                awk '$1 == "scan" { print $2 }' "$results/last" >>"$results/$t.scan"
                awk '$1 == "sort" { print $2 }' "$results/last" >>"$results/$t.sort"
            done
        done
        for t in $threads; do
            label=$t
            if ((t == 0)); then label=own; fi
            printf '%-9s %-5s %-8s %10s %10s\n' "$n" "$c" "$label" "$(median <"$results/$t.scan")" \
                "$(median <"$results/$t.sort")"
        done
        echo "  (load $(cut -d' ' -f1-3 /proc/loadavg))"
    done
done
rm -f "$base/out/threads-$$.txt"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
