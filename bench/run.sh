#!/usr/bin/env bash
# Times a listing run against the system's own `ls -l` and against the floor of one
# directory read and one status call per entry (`find -maxdepth 1 -printf`), on folders
# of 10,000, 100,000 and 1,000,000 entries, in the same run and on the same folders; in
# every locale asked for, and once more with the page cache dropped before every run.
# Then the printed page saved as a PDF file, against the text listing of the same folder
# and CUPS's texttopdf setting that text on pages. Then the listing as CSV and as JSON
# against the text listing of the same folder. With --tree, a whole tree of 10,000
# folders of 100 entries each listed with -r against find, du -a, tree and ls -lR, warm
# and (as root) cold, with each program's peak memory.
#
# Usage: bench/run.sh [--base DIR] [--build DIR] [--runs N] [--sizes "N N ..."]
#                     [--lang "L L ..."] [--pdf-sizes "N N ..."] [--data-sizes "N N ..."]
#                     [--tree]
#   --base   where the test folders are made, or found from an earlier run
#            (/tmp/tamsoret-bench)
#   --build  the build folder, configured as a Release build (build-bench)
#   --runs   timed runs of each program, after one run that is not timed (5)
#   --sizes  entries per test folder ("10000 100000 1000000"); "" leaves the text rows out
#   --lang   the locales, each timed in turn as LANG and LC_ALL of every program
#            (C.UTF-8); the cold-cache and PDF rows are timed in the first
#   --pdf-sizes  entries per test folder of the PDF rows ("10000 100000"); "" leaves them out
#   --tree   add the tree rows (--sizes "" --pdf-sizes "" --tree times the tree alone)
#   --data-sizes entries per test folder of the CSV and JSON rows ("100000"); "" leaves them out
# The cold-cache rows need root, to drop the page cache; without it they are left out.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
base=/tmp/tamsoret-bench
build=$here/build-bench
runs=5
sizes="10000 100000 1000000"
pdf_sizes="10000 100000"
data_sizes="100000"
langs=C.UTF-8
tree_rows=0
while (($#)); do
    case $1 in
    --base) base=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --sizes) sizes=$2; shift 2 ;;
    --lang) langs=$2; shift 2 ;;
    --pdf-sizes) pdf_sizes=$2; shift 2 ;;
    --tree) tree_rows=1; shift ;;
    --data-sizes) data_sizes=$2; shift 2 ;;
    *) sed -n '2,25p' "$0" >&2; exit 2 ;;
    esac
done
read -ra langs <<<"$langs"
for lang in "${langs[@]}"; do
    if LC_ALL=$lang locale 2>&1 >/dev/null | grep -q . ||
        [[ $(LC_ALL=$lang locale charmap 2>/dev/null) != UTF-8 ]]; then
        echo "locale $lang is not installed" >&2
        exit 2
    fi
done

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
cmake --build "$build" --target tamsoret_bench make_bench_folder tamsoret >/dev/null
bench=$build/bench/tamsoret_bench
mkdir -p "$base/out" "$base/settings"

# A folder is made once and kept: its stamp is written only when it is complete. Runs
# started at the same time (from other checkouts too) wait for the one making it.
exec 9>"$base/.lock"
flock 9
for n in $(printf '%s\n' $sizes $pdf_sizes $data_sizes | sort -nu); do
    folder=$base/e$n
    if [[ ! -e $base/e$n.complete ]]; then
        echo "making $folder ..." >&2
        rm -rf "$folder"
        "$build/bench/make_bench_folder" "$folder" "$n"
        touch "$base/e$n.complete"
    fi
done
# The tree: 100 folders under the top, 99 folders and a file in each, 100 entries in
# each of those: 10,001 folders made here, 1,000,100 entries, 2 % of them empty folders.
tree_dir=$base/tree
if ((tree_rows)) && [[ ! -e $base/tree.complete ]]; then
    echo "making $tree_dir ..." >&2
    rm -rf "$tree_dir"
    for ((a = 0; a < 100; a++)); do
        mid=$(printf '%s/a%02d' "$tree_dir" "$a")
        mkdir -p "$mid"
        : >"$mid/file"
        for ((b = 0; b < 99; b++)); do
            "$build/bench/make_bench_folder" "$(printf '%s/b%02d' "$mid" "$b")" 100 $((a * 100 + b + 1)) >/dev/null
        done
    done
    touch "$base/tree.complete"
fi
flock -u 9

# The program's settings file for each order that is timed; the program's own defaults
# (all columns shown) stand for every value it leaves out.
settings() { # name OrderBy OrderAZ
    printf '[Settings]\nOrderBy=%s\nOrderAZ=%s\n' "$2" "$3" >"$base/settings/$1.conf"
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
# Cold: no untimed run, and the page cache dropped before every run of every program.
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
time_programs() { # warm|cold label:command ...
    local first=0
    if [[ $1 == cold ]]; then first=1; fi
    shift
    local round job label start end
    for ((round = first; round <= runs; round++)); do
        for job in "$@"; do
            label=${job%%:*}
            if ((first)); then
                sync
                echo 3 >/proc/sys/vm/drop_caches
            fi
            start=$(now_ns)
            LANG=$lang LC_ALL=$lang eval "${job#*:}" >"$results/last" 2>&1
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
bench_job() { # label settings folder
    echo "$1:\"$bench\" --settings \"$base/settings/$2.conf\" \"$3\" \"$base/out/listing-$2.txt\""
}

echo "Tamsoret listing benchmark, $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(free -g | awk '/^Mem:/ { print $2 }') GiB memory"
echo "bench folders: $base on $(df -T "$base" | awk 'NR == 2 { print $2 }'), kernel $(uname -r)"
echo "locales: ${langs[*]}; TZ=${TZ:-(system: $(readlink /etc/localtime | sed 's|.*zoneinfo/||'))}"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "timed runs: $runs per program after one untimed run; medians in ms of the whole process"

out=$base/out
# The programs timed run in the locale of the row; the script itself keeps to C, so that
# its own figures have a decimal point.
export LC_ALL=C
for lang in "${langs[@]}"; do
    [[ -n $sizes ]] || break
    empty_kib=$(LANG=$lang LC_ALL=$lang "$bench" --empty | awk '$1 == "peak" { print $2 }')
    echo
    echo "#### locale $lang: the empty program's peak memory $empty_kib KiB"
    declare -A total_name=()
    for n in $sizes; do
        folder=$base/e$n
        rm -f "$results"/*
        time_programs warm \
            "$(bench_job bench_name name "$folder")" \
            "ls:ls -l \"$folder\" >\"$out/ls.txt\"" \
            "find:find \"$folder\" -maxdepth 1 -printf '%s %T@ %f\n' >\"$out/find.txt\"" \
            "$(bench_job bench_size size "$folder")" \
            "ls_size:ls -lS \"$folder\" >\"$out/ls-size.txt\"" \
            "$(bench_job bench_time time "$folder")" \
            "ls_time:ls -lt \"$folder\" >\"$out/ls-time.txt\"" \
            "$(bench_job bench_desc desc "$folder")" \
            "ls_desc:ls -lr \"$folder\" >\"$out/ls-desc.txt\""
        entries=$(awk '$1 == "entries" { print $2; exit }' "$results/bench_name.report")
        ls_ns=$(median <"$results/ls")
        find_ns=$(median <"$results/find")
        total_name[$n]=$(median <"$results/bench_name")
        echo
        echo "== $lang, $n entries ($entries listed, \"..\" included), load $(cut -d' ' -f1 /proc/loadavg)"
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
        peak_kib=$(awk '$1 == "peak" { print $2 }' "$results"/bench_*.report | sort -n | tail -1)
        echo "peak memory: $peak_kib KiB, $(awk -v p="$peak_kib" -v e="$empty_kib" -v n="$entries" \
            'BEGIN { printf "%.0f", (p - e) * 1024 / n }') bytes per entry above the empty program's"
    done
    if [[ -n ${total_name[100000]:-} && -n ${total_name[1000000]:-} ]]; then
        echo
        echo "growth 1,000,000 / 100,000 entries (name order, $lang): $(ratio "${total_name[1000000]}" "${total_name[100000]}")"
    fi
done

# The printed page as a PDF file, name order, in the first locale: the page painted off
# screen (--pdf), the text listing of the same run, and CUPS's texttopdf (through
# cupsfilter) setting that text on pages of its own: it reads UTF-8, and stops at the
# first byte of Windows-1252 that is not, so it is given the listing in UTF-8.
lang=${langs[0]}
for n in $pdf_sizes; do
    folder=$base/e$n
    rm -f "$results"/*
    "$bench" --settings "$base/settings/name.conf" "$folder" "$out/listing-pdf.txt" >/dev/null
    iconv -f WINDOWS-1252 -t UTF-8 "$out/listing-pdf.txt" >"$out/listing-pdf-utf8.txt"
    time_programs warm \
        "bench_pdf:\"$bench\" --pdf --settings \"$base/settings/name.conf\" \"$folder\" \"$out/listing.pdf\"" \
        "$(bench_job bench_name name "$folder")" \
        "texttopdf:cupsfilter -m application/pdf -i text/plain \"$out/listing-pdf-utf8.txt\" >\"$out/texttopdf.pdf\" 2>/dev/null"
    pdf_ns=$(median <"$results/bench_pdf")
    text_ns=$(median <"$results/bench_name")
    texttopdf_ns=$(median <"$results/texttopdf")
    echo
    echo "== PDF file, $lang, name order, $n entries, load $(cut -d' ' -f1 /proc/loadavg)"
    printf '%-10s %10s %10s %10s %10s %10s %12s\n' "" total write pages "file KiB" "peak KiB" "/text+t2pdf"
    printf '%-10s %10s %10s %10s %10s %10s %12s\n' "PDF" "$(ms "$pdf_ns")" "$(stage bench_pdf write)" \
        "$(pdfinfo "$out/listing.pdf" | awk '$1 == "Pages:" { print $2 }')" \
        "$(($(stat -c %s "$out/listing.pdf") / 1024))" \
        "$(awk '$1 == "peak" { print $2 }' "$results/bench_pdf.report" | sort -n | tail -1)" \
        "$(ratio "$pdf_ns" "$((text_ns + texttopdf_ns))")"
    printf '%-10s %10s %10s %10s %10s %10s\n' "text" "$(ms "$text_ns")" "$(stage bench_name write)" "" \
        "$(($(stat -c %s "$out/listing-name.txt") / 1024))" \
        "$(awk '$1 == "peak" { print $2 }' "$results/bench_name.report" | sort -n | tail -1)"
    printf '%-10s %10s %10s %10s %10s\n' "texttopdf" "$(ms "$texttopdf_ns")" "" \
        "$(pdfinfo "$out/texttopdf.pdf" | awk '$1 == "Pages:" { print $2 }')" \
        "$(($(stat -c %s "$out/texttopdf.pdf") / 1024))"
done

# The listing as data, name order, in the first locale: CSV and JSON against the text
# listing of the same run, the three taking turns.
for n in $data_sizes; do
    folder=$base/e$n
    rm -f "$results"/*
    time_programs warm \
        "$(bench_job bench_name name "$folder")" \
        "bench_csv:\"$bench\" --settings \"$base/settings/name.conf\" \"$folder\" \"$out/listing.csv\"" \
        "bench_json:\"$bench\" --settings \"$base/settings/name.conf\" \"$folder\" \"$out/listing.json\""
    text_ns=$(median <"$results/bench_name")
    echo
    echo "== CSV and JSON, $lang, name order, $n entries, load $(cut -d' ' -f1 /proc/loadavg)"
    printf '%-10s %10s %10s %10s %10s %10s\n' "" total write "file KiB" "peak KiB" "/text"
    for kind in name csv json; do
        case $kind in name) file=listing-name.txt ;; *) file=listing.$kind ;; esac
        kind_ns=$(median <"$results/bench_$kind")
        printf '%-10s %10s %10s %10s %10s %10s\n' "${kind/name/text}" "$(ms "$kind_ns")" \
            "$(stage "bench_$kind" write)" "$(($(stat -c %s "$out/$file") / 1024))" \
            "$(awk '$1 == "peak" { print $2 }' "$results/bench_$kind.report" | sort -n | tail -1)" \
            "$(ratio "$kind_ns" "$text_ns")"
    done
done

# Reading the folder from the disk: the same programs, name order, in the first locale.
echo
if [[ -z $sizes ]]; then
    echo "cold cache: left out with the text rows"
elif [[ $(id -u) != 0 ]]; then
    echo "cold cache: left out, dropping the page cache needs root"
else
    echo "== cold cache: the page cache dropped before every run, $lang, name order, load $(cut -d' ' -f1 /proc/loadavg)"
    printf '%-10s %10s %10s %10s %10s %8s %8s\n' entries listing scan "ls -l" find "/ls -l" "/find"
    for n in $sizes; do
        folder=$base/e$n
        rm -f "$results"/*
        time_programs cold \
            "$(bench_job bench_name name "$folder")" \
            "ls:ls -l \"$folder\" >\"$out/ls.txt\"" \
            "find:find \"$folder\" -maxdepth 1 -printf '%s %T@ %f\n' >\"$out/find.txt\""
        total=$(median <"$results/bench_name")
        ls_ns=$(median <"$results/ls")
        find_ns=$(median <"$results/find")
        printf '%-10s %10s %10s %10s %10s %8s %8s\n' "$n" "$(ms "$total")" "$(stage bench_name scan)" \
            "$(ms "$ls_ns")" "$(ms "$find_ns")" "$(ratio "$total" "$ls_ns")" "$(ratio "$total" "$find_ns")"
    done
fi
# The whole tree, name order, in the first locale: each program under GNU time for its
# peak memory; the listing with the program's default options.
if ((tree_rows)); then
    mkdir -p "$base/xdg" "$base/empty"
    memory() { # label command: the command run under GNU time, its peak to $results/label.kib
        echo "$1:/usr/bin/time -a -o \"$results/$1.kib\" -f %M $2"
    }
    tree_jobs=(
        "$(memory tamsoret "env XDG_CONFIG_HOME=\"$base/xdg\" \"$build/tamsoret\" -r -o \"$out/tree.txt\" \"$tree_dir\"")"
        "$(memory find "find \"$tree_dir\" -printf '%s %T@ %m %f\n' >\"$out/tree-find.txt\"")"
        "$(memory du "du -a \"$tree_dir\" >\"$out/tree-du.txt\"")"
        "$(memory tree "tree -a -s -D \"$tree_dir\" >\"$out/tree-tree.txt\"")"
        "$(memory ls "ls -lR \"$tree_dir\" >\"$out/tree-ls.txt\"")"
    )
    for cache in warm cold; do
        if [[ $cache == cold && $(id -u) != 0 ]]; then
            echo "tree, cold cache: left out, dropping the page cache needs root"
            break
        fi
        rm -f "$results"/*
        /usr/bin/time -o "$results/empty.kib" -f %M env XDG_CONFIG_HOME="$base/xdg" \
            "$build/tamsoret" -o "$out/empty.txt" "$base/empty"
        time_programs $cache "${tree_jobs[@]}"
        find_ns=$(median <"$results/find")
        echo
        echo "== tree, $cache cache: $(grep -c '^Directory of' "$out/tree.txt") folders, $(wc -l <"$out/tree-find.txt") entries, $lang, load $(cut -d' ' -f1 /proc/loadavg)"
        printf '%-22s %10s %8s %10s\n' program ms /find "peak KiB"
        for label in tamsoret find du tree ls; do
            case $label in
            tamsoret) title="tamsoret -r -o FILE" ;;
            find) title="find -printf" ;;
            du) title="du -a" ;;
            tree) title="tree -a -s -D" ;;
            ls) title="ls -lR" ;;
            esac
            total=$(median <"$results/$label")
            printf '%-22s %10s %8s %10s\n' "$title" "$(ms "$total")" "$(ratio "$total" "$find_ns")" \
                "$(sort -n "$results/$label.kib" | tail -1)"
        done
        echo "tamsoret on an empty folder: peak $(cat "$results/empty.kib") KiB"
    done
fi
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
