#!/usr/bin/env bash
# A printed listing on a real CUPS queue: cups-pdf as the default printer, the program started
# on a folder of 120 files, Enter prints. The PDF must hold one job of several pages, the
# heading on the first page only, every entry once, and the closing lines on the last page.
#
#   bash tests/e2e/print.sh <built tamsoret>
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/printer-setup.sh"

program=${1:?usage: print.sh <built tamsoret>}
[ -x "$program" ] || e2e_fail "no program at $program"
e2e_require pdftotext pdfinfo
e2e_init
if ! ensure_pdf_printer; then
  [ "$(id -u)" -eq 0 ] || e2e_skip_rights "a default printer: the cups-pdf queue, which only root can add"
  e2e_fail "cannot set up the cups-pdf default printer"
fi
e2e_start_xvfb

folder="$E2E_TMP/many"
mkdir -p "$folder"
for i in $(seq -w 1 120); do : >"$folder/entry$i.txt"; done
out=$(pdf_output_dir)
mkdir -p "$out"
stamp="$E2E_TMP/stamp"
: >"$stamp"
sleep 1

before=$(e2e_windows)
e2e_start "$program" "$folder"
main=$(e2e_wait_new_window "$before") || e2e_fail "no main window: $(e2e_program_log "$E2E_PID")"
e2e_keys "$main" Return
e2e_wait_exit "$E2E_PID" 60 || e2e_fail "the program did not end after printing"
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS: $(e2e_program_log "$E2E_PID")"

pdf=""
for _ in $(seq 1 120); do
  # The unit tests print on the same queue meanwhile: this job's PDF is the one of this folder.
  pdf=$(find "$out" -maxdepth 1 -name '*.pdf' -newer "$stamp" -size +0 -print 2>/dev/null |
    while read -r f; do if pdftotext "$f" - 2>/dev/null | grep -F "Directory of $folder" >/dev/null; then echo "$f"; fi; done | head -n 1 || true)
  [ -n "$pdf" ] && ! lpstat -o 2>/dev/null | grep -q . && break
  sleep 0.5
done
[ -n "$pdf" ] || e2e_fail "no PDF appeared in $out (jobs: $(lpstat -o 2>&1); log: $(tail -n 5 /var/log/cups/error_log 2>/dev/null))"
e2e_on_exit "rm -f '$pdf'"
sleep 1 # cups-pdf may still be closing the file

pages=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
[ "${pages:-0}" -ge 2 ] || e2e_fail "expected at least 2 pages for 120 entries, got ${pages:-none}"
text=$(pdftotext -layout "$pdf" -)
[ "$(grep -c 'Tamsoret - ' <<<"$text")" -eq 1 ] || e2e_fail "the heading is not printed exactly once"
pdftotext -layout -f 1 -l 1 "$pdf" - | grep -q "Directory of $folder" || e2e_fail "page 1 lacks the heading"
pdftotext -layout -f 2 -l 2 "$pdf" - | grep -q 'Name  *MS-DOS Name' && e2e_fail "the column titles are repeated on page 2"
for i in $(seq -w 1 120); do
  [ "$(grep -c "Entry$i.txt  *entry$i.txt" <<<"$text")" -eq 1 ] || e2e_fail "Entry$i.txt is not printed exactly once"
done
# Name order: entry001 comes before entry120, and ".." (a folder) before both.
order=$(grep -oE '^ *(\.\.|Entry(001|120)\.txt) ' <<<"$text" | tr -d ' ' | tr '\n' ' ')
[ "$order" = ".. Entry001.txt Entry120.txt " ] || e2e_fail "entries in the order '$order'"
pdftotext -layout -f "$pages" -l "$pages" "$pdf" - | grep -q '121 file(s), 0 b' ||
  e2e_fail "the summary is not on the last page"
pdftotext -layout -f "$pages" -l "$pages" "$pdf" - | grep -qE 'available from' ||
  e2e_fail "the free-space line is not on the last page"
e2e_pass
