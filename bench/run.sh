#!/usr/bin/env bash
# Times a listing run against the system's own `ls -l` and against the floor of one
# directory read and one status call per entry (`find -maxdepth 1 -printf`), on folders
# of 10,000, 100,000 and 1,000,000 entries, in the same run and on the same folders.
#
# Usage: bench/run.sh [--base DIR] [--build DIR] [--runs N] [--sizes "N N ..."] [--lang L]
#   --base   where the test folders are made, or found from an earlier run
#            (/tmp/tamsoret-bench)
#   --build  the build folder, configured as a Release build (build-bench)
#   --runs   timed runs of each program, after one run that is not timed (5)
#   --sizes  entries per test folder ("10000 100000 1000000")
#   --lang   the locale of every program timed, as LANG and LC_ALL (C.UTF-8)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
base=/tmp/tamsoret-bench
build=$here/build-bench
runs=5
sizes="10000 100000 1000000"
lang=C.UTF-8
while (($#)); do
    case $1 in
    --base) base=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --sizes) sizes=$2; shift 2 ;;
    --lang) lang=$2; shift 2 ;;
    *) sed -n '2,13p' "$0" >&2; exit 2 ;;
    esac
done
export LANG=$lang LC_ALL=$lang

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target tamsoret_bench make_bench_folder >/dev/null
bench=$build/bench/tamsoret_bench
mkdir -p "$base/out" "$base/settings"

# A folder is made once and kept: its stamp is written only when it is complete.
for n in $sizes; do
    folder=$base/e$n
    if [[ ! -e $base/e$n.complete ]]; then
        echo "making $folder ..." >&2
        rm -rf "$folder"
        "$build/bench/make_bench_folder" "$folder" "$n"
        touch "$base/e$n.complete"
    fi
done

# The program's settings file for each order that is timed: all columns shown.
settings() { # name OrderBy OrderAZ
    printf '[Settings]\nFontName=Courier New\nFontSize=10\nShow=11111\nOrderBy=%s\nOrderAZ=%s\nMarginLeft=20\nMarginTop=25\nMarginBottom=30\n' \
        "$2" "$3" >"$base/settings/$1.conf"
}
settings name 1 True
settings size 3 True
settings time 4 True
settings desc 1 False

now_ns() { date +%s%N; }
median() { sort -n | awk '{ v[NR] = $1 } END { m = int((NR + 1) / 2); print (NR % 2) ? v[m] : (v[m] + v[m + 1]) / 2 }'; }
ms() { awk -v ns="$1" 'BEGIN { printf "%.1f", ns / 1e6 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# One run of each program, then $runs timed ones, the programs taking turns so that a
# change in the machine's load falls on all of them alike. Times in nanoseconds go to
# $results/<label>; the benchmark's own report of each run to $results/<label>.report.
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
time_programs() { # folder label:command ...
    local folder=$1
    shift
    local round job label start end
    for ((round = 0; round <= runs; round++)); do
        for job in "$@"; do
            label=${job%%:*}
            start=$(now_ns)
            eval "${job#*:}" >"$results/last" 2>&1
            end=$(now_ns)
            if ((round > 0)); then
                echo $((end - start)) >>"$results/$label"
                if [[ $label == bench* ]]; then cat "$results/last" >>"$results/$label.report"; fi
            fi
        done
    done
}
stage() { # label stage: the median of that stage over the timed runs, in ms
    awk -v s="$2" '$1 == s { print $2 }' "$results/$1.report" | median
}

echo "Tamsoret listing benchmark, $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(free -g | awk '/^Mem:/ { print $2 }') GiB memory"
echo "bench folders: $base on $(df -T "$base" | awk 'NR == 2 { print $2 }'), kernel $(uname -r)"
echo "locale: LANG=$LANG LC_ALL=$LC_ALL, TZ=${TZ:-(system: $(readlink /etc/localtime | sed 's|.*zoneinfo/||'))}"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "timed runs: $runs per program after one untimed run; medians in ms of the whole process"
empty_kib=$("$bench" --empty | awk '$1 == "peak" { print $2 }')
echo "empty program's peak memory: $empty_kib KiB"

declare -A total_name
for n in $sizes; do
    folder=$base/e$n
    out=$base/out
    rm -f "$results"/*
    time_programs "$folder" \
        "bench_name:\"$bench\" --settings \"$base/settings/name.conf\" \"$folder\" \"$out/listing-name.txt\"" \
        "ls:ls -l \"$folder\" >\"$out/ls.txt\"" \
        "find:find \"$folder\" -maxdepth 1 -printf '%s %T@ %f\n' >\"$out/find.txt\"" \
        "bench_size:\"$bench\" --settings \"$base/settings/size.conf\" \"$folder\" \"$out/listing-size.txt\"" \
        "ls_size:ls -lS \"$folder\" >\"$out/ls-size.txt\"" \
        "bench_time:\"$bench\" --settings \"$base/settings/time.conf\" \"$folder\" \"$out/listing-time.txt\"" \
        "ls_time:ls -lt \"$folder\" >\"$out/ls-time.txt\"" \
        "bench_desc:\"$bench\" --settings \"$base/settings/desc.conf\" \"$folder\" \"$out/listing-desc.txt\"" \
        "ls_desc:ls -lr \"$folder\" >\"$out/ls-desc.txt\""
    entries=$(awk '$1 == "entries" { print $2; exit }' "$results/bench_name.report")
    ls_ns=$(median <"$results/ls")
    find_ns=$(median <"$results/find")
    total_name[$n]=$(median <"$results/bench_name")
    echo
    echo "== $n entries ($entries listed, \"..\" included)"
    printf '%-26s %10s %10s %10s %10s %8s %8s %8s\n' order listing scan sort write "/ls" "/ls -l" "/find"
    for order in name size time desc; do
        case $order in
        name) peer="ls"; title="name, ascending" ;;
        size) peer=ls_size; title="size (ls -lS)" ;;
        time) peer=ls_time; title="time (ls -lt)" ;;
        desc) peer=ls_desc; title="name, descending (ls -lr)" ;;
        esac
        total=$(median <"$results/bench_$order")
        peer_ns=$(median <"$results/$peer")
        printf '%-26s %10s %10s %10s %10s %8s %8s %8s\n' "$title" "$(ms "$total")" \
            "$(stage "bench_$order" scan)" "$(stage "bench_$order" sort)" "$(stage "bench_$order" write)" \
            "$(ratio "$total" "$peer_ns")" "$(ratio "$total" "$ls_ns")" "$(ratio "$total" "$find_ns")"
    done
    printf 'ls -l %s ms, ls -lS %s ms, ls -lt %s ms, ls -lr %s ms, find floor %s ms\n' "$(ms "$ls_ns")" \
        "$(ms "$(median <"$results/ls_size")")" "$(ms "$(median <"$results/ls_time")")" \
        "$(ms "$(median <"$results/ls_desc")")" "$(ms "$find_ns")"
    peak_kib=$(awk '$1 == "peak" { print $2 }' "$results/bench_name.report" | sort -n | tail -1)
    echo "peak memory: $peak_kib KiB, $(awk -v p="$peak_kib" -v e="$empty_kib" -v n="$entries" \
        'BEGIN { printf "%.0f", (p - e) * 1024 / n }') bytes per entry above the empty program's"
done

if [[ -n ${total_name[100000]:-} && -n ${total_name[1000000]:-} ]]; then
    echo
    echo "growth 1,000,000 / 100,000 entries (name order): $(ratio "${total_name[1000000]}" "${total_name[100000]}")"
fi
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
