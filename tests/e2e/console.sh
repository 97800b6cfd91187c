#!/usr/bin/env bash
# Without a window or display: the text file, standard output and PDF equal the window's for
# the same options; options of one run never saved; a relative folder; cron; a named queue.
#
#   bash tests/e2e/console.sh <built tamsoret>
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/printer-setup.sh"

program=${1:?usage: console.sh <built tamsoret>}
[ -x "$program" ] || e2e_fail "no program at $program"
e2e_require pdftotext
e2e_init
e2e_start_xvfb

export TZ=Europe/Amsterdam
folder="$E2E_TMP/parent/Letters to Ann"
out="$E2E_TMP/out"
store="$XDG_CONFIG_HOME/Tamsoret/Tamsoret 2.0.conf"
mkdir -p "$folder/Archive" "$out" "$XDG_CONFIG_HOME/Tamsoret"
head -c 12345 /dev/zero >"$folder/Invoice.txt"
head -c 812 /dev/zero >"$folder/README"
: >"$folder/.hidden.txt"
printf 'caf\xc3\xa9' >"$folder/Café.txt"

# Stored options unlike the defaults: by size, largest first, without the MS-DOS column.
printf '[Settings]\nShow=10111\nOrderBy=3\nOrderAZ=False\nMarginLeft=30\n' >"$store"
cp "$store" "$E2E_TMP/store.before"

# Blanks the clock and the free space, the two lines that may differ between two runs.
masked() { sed -E -e 's/^(Tamsoret - ).*/\1CLOCK/' -e 's/[0-9,]+ (b|kb|Mb|Gb) available from .*/FREE/' "$@"; }
headless() { env -u DISPLAY -u WAYLAND_DISPLAY "$@"; }

# The window's listings, with the filter and a switch preset from the command line.
printf '#!/bin/sh\nexec "%s" --no-hidden -f "*.txt" "$@"\n' "$program" >"$E2E_TMP/preset"
chmod +x "$E2E_TMP/preset"
for name in window.txt window.pdf; do
  e2e_save_listing "$name" "$E2E_TMP/preset" "$folder" "$out/$name"
  e2e_wait_exit "$E2E_PID" 60 || e2e_fail "$name: the window did not end"
  [ "$E2E_STATUS" -eq 0 ] && [ -s "$out/$name" ] || e2e_fail "$name: status $E2E_STATUS: $(e2e_program_log "$E2E_PID")"
done

headless "$program" --no-hidden -f '*.txt' -o "$out/console.txt" "$folder" 2>"$E2E_TMP/err" &&
  [ ! -s "$E2E_TMP/err" ] || e2e_fail "text: status $?: $(cat "$E2E_TMP/err")"
diff <(masked "$out/window.txt") <(masked "$out/console.txt") || e2e_fail "the text listing differs from the window's"
grep -q $'^Invoice.txt .*\r$' "$out/console.txt" && ! grep -q 'hidden' "$out/console.txt" ||
  e2e_fail "the filter or the switch was not applied"

headless "$program" --no-hidden --filter='*.txt' -o - "$folder" >"$out/stdout.txt" || e2e_fail "stdout: status $?"
diff <(masked "$out/window.txt") <(masked "$out/stdout.txt") || e2e_fail "standard output differs from the window's"

headless "$program" --no-hidden -f '*.txt' -o "$out/console.PDF" "$folder" || e2e_fail "PDF: status $?"
diff <(pdftotext -layout "$out/window.pdf" - | masked) <(pdftotext -layout "$out/console.PDF" - | masked) ||
  e2e_fail "the PDF differs from the window's"

# A relative folder, spelled in another case, from the working folder.
(cd "$E2E_TMP/parent" && headless "$program" --no-hidden -f '*.txt' -o - "letters TO ann") >"$out/relative.txt" ||
  e2e_fail "relative folder: status $?"
cmp -s <(masked "$out/stdout.txt") <(masked "$out/relative.txt") || e2e_fail "the relative folder gave another listing"

# This run's options apply to this run only: name order, ascending, two columns.
headless "$program" --order=name --ascending --columns=name,size --margins=5,5,5 -o - "$folder" >"$out/changed.txt"
names=$(iconv -f WINDOWS-1252 -t UTF-8 "$out/changed.txt" | tr -d '\r' | sed -n '8,13p' | awk '{ print $1 }' | paste -sd' ')
[ "$names" = ".. Archive .hidden.txt Café.txt Invoice.txt Readme" ] || e2e_fail "name order gave '$names'"
tr -d '\r' <"$out/changed.txt" | sed -n 6p | grep -qx 'Name  *Size  *' || e2e_fail "columns: $(sed -n 6p "$out/changed.txt")"
cmp -s "$store" "$E2E_TMP/store.before" || e2e_fail "the stored options changed"

# As from cron: no display, no session, a bare path and home, no locale.
for name in cron.pdf cron.txt; do
  env -i PATH=/usr/bin:/bin HOME="$HOME" "$program" -o "$out/$name" "$folder" >"$E2E_TMP/cron.out" 2>&1 &&
    [ ! -s "$E2E_TMP/cron.out" ] || e2e_fail "cron $name: status $?: $(cat "$E2E_TMP/cron.out")"
done
pdftotext "$out/cron.pdf" - | grep -q 'Invoice.txt' && grep -q 'Invoice.txt' "$out/cron.txt" ||
  e2e_fail "cron: the listings lack the entries"

# Printing on a named queue, where a printer can be set up.
if ensure_pdf_printer 2>/dev/null; then
  : >"$E2E_TMP/stamp" && sleep 1
  headless "$program" --printer="$TAMSORET_PDF_QUEUE" -f 'Invoice*' "$folder" || e2e_fail "print: status $?"
  for _ in $(seq 1 120); do
    pdf=$(find "$(pdf_output_dir)" -maxdepth 1 -name '*.pdf' -newer "$E2E_TMP/stamp" -size +0 | head -n 1)
    [ -n "$pdf" ] && ! lpstat -o 2>/dev/null | grep -q . && sleep 1 && break
    sleep 0.5
  done
  e2e_on_exit "rm -f '$pdf'"
  pdftotext -layout "$pdf" - | grep -q 'Invoice.txt' || e2e_fail "print: no page with the entry arrived"
fi
e2e_pass
