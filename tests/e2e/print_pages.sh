#!/usr/bin/env bash
# The printed page read back with poppler: on two cups-pdf queues (the whole A4 sheet
# printable; A4 with unprintable edges) and saved as a PDF file without a printer (Letter
# in en_US, A4 in de_DE). Every line's words, the left and top margins within half a
# millimetre of the printable area's corner plus the options' margins, and the entry lines
# of every page as the page-break rule gives them.
#
#   bash tests/e2e/print_pages.sh <built tamsoret>
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/printer-setup.sh"

program=${1:?usage: print_pages.sh <built tamsoret>}
[ -x "$program" ] || e2e_fail "no program at $program"
e2e_require pdftotext pdfinfo pdffonts
e2e_init
if ! ensure_pdf_printer || ! edged=$(ensure_edged_printer); then
  _pdf_printer_root true 2>/dev/null && e2e_fail "cannot set up the two cups-pdf queues"
  e2e_skip_rights "the two cups-pdf queues, which only root can add"
fi
e2e_start_xvfb

folder="$E2E_TMP/Listed"
mkdir -p "$folder"
for i in $(seq -w 1 130); do : >"$folder/entry$i.txt"; done
settings="$XDG_CONFIG_HOME/Tamsoret/Tamsoret 2.0.conf"
mkdir -p "$(dirname "$settings")"

# Checks the pages of PDF against the case: the words of every line from the page's text
# (pdftotext -layout), where the lines start from the words' boxes (pdftotext -bbox). All
# lengths in points but the margins, in mm.
check_pages() {
  local pdf=$1
  shift
  awk -v W="$1" -v H="$2" -v AL="$3" -v AB="$4" -v AT="$6" -v ML="$7" -v MT="$8" -v MB="$9" \
    -v folder="$folder" '
    function fail(q, m) { print "page " q ": " m; bad = 1 }
    FNR == NR { q = 1 + (ff += gsub(/\f/, "")); gsub(/ +/, " "); sub(/^ /, ""); sub(/ $/, "")
                if ($0 != "") all[++lines] = $0; if (/^(\.\.|Entry[0-9]+\.txt) /) entries[q]++; next }
    /<page / { p++; split($0, a, "\""); if ((a[2] - W)^2 > 1 || (a[4] - H)^2 > 1) fail(p, "sheet " a[2] " x " a[4]) }
    /<word / { split($0, a, "\""); w = $0; sub(/.*">/, "", w); sub(/<.*/, "", w); y = sprintf("%d %.1f", p, a[4])
               if (!(y in x) || a[2] < x[y]) x[y] = a[2]
               if (!(p in top) || a[4] < top[p]) top[p] = a[4]
               if (p == 1 && w ~ /^(\.\.|Entry[0-9]+\.txt)$/) { if (!fy || a[4] < fy) fy = a[4]; if (a[4] > ly) ly = a[4] } }
    END { mm = 72 / 25.4; left = AL + ML * mm
      # Every line at the left margin, but the closing lines 15 blanks of 6 points in.
      for (y in x) if ((x[y] - left)^2 > (0.5 * mm)^2 && (x[y] - left - 90)^2 > (0.5 * mm)^2)
        fail(y, "a line starts " (x[y] - AL) / mm " mm into the printable area")
      for (q = 1; q <= p; q++) if ((top[q] - H + AT - MT * mm)^2 > (0.5 * mm)^2)
        fail(q, "the first line is " (top[q] - H + AT) / mm " mm below the printable area top")
      want[1] = "^Tamsoret - "; want[2] = "^Drive labeled "; want[3] = "^Directory of " folder "$"
      want[4] = "^Name MS-DOS Name Size Modified Attributes$"
      date = "[0-9][0-9][./][0-9][0-9][./][0-9][0-9] [0-9][0-9]:[0-9][0-9]"
      want[5] = "^\\.\\. \\.\\. <DIR> " date " d$"
      for (i = 1; i <= 130; i++) want[5 + i] = sprintf("^Entry%03d\\.txt entry%03d\\.txt 0 b %s$", i, i, date)
      want[136] = "^131 file\\(s\\), 0 b$"; want[137] = " available from "
      if (lines != 137) fail(0, lines " lines of text, not 137")
      for (i = 1; i <= 137; i++) if (all[i] !~ want[i]) fail(0, "line " i " reads \"" all[i] "\"")
      # The rule: after each entry line, a new page when its bottom lies below the limit.
      h = (ly - fy) / (entries[1] - 1) / mm; limit = (AT - AB) / mm - MB; y = MT + 7 * h; k = 1
      for (i = 1; i <= 131; i++) { rule[k]++; y += h; if (y > limit) { k++; y = MT } }
      for (q = 1; q <= p || q <= k; q++) if (rule[q] + 0 != entries[q] + 0)
        fail(q, entries[q] + 0 " entry lines, the rule gives " rule[q] + 0)
      printf "%d pages, entry lines", p; for (q = 1; q <= p; q++) printf " %d", entries[q]
      printf ", left %.2f mm, top %.2f mm, line %.3f mm\n", (x["1 " sprintf("%.1f", top[1])] - AL) / mm, (top[1] - H + AT) / mm, h
      exit bad }' <(pdftotext -layout "$pdf" -) <(pdftotext -bbox "$pdf" -)
}

#      sink  printer/locale       sheet    printable area       margins        options'
#                                 (pt)     (pt, bottom left)    L  T  B (mm)   right margin
cases=("queue $TAMSORET_PDF_QUEUE 595 842  0  0  595 842        20 25 30       24"
       "queue $edged              595 842  18 36 577 806        30 10 60       11"
       "file  en_US.UTF-8         612 792  0  0  612 792        20 25 30       -"
       "file  de_DE.UTF-8         595 842  0  0  595 842        30 10 60       -")
out=$(pdf_output_dir)
for case in "${cases[@]}"; do
  read -r -a page <<<"$case"
  sink=${page[0]} where=${page[1]} page=("${page[@]:2}") lpdest=()
  printf '[Settings]\nMarginLeft=%s\nMarginTop=%s\nMarginBottom=%s\n' "${page[@]:6:3}" >"$settings"
  if [ "$sink" = queue ]; then
    # The first queue is the default already; naming it again in LPDEST hides it from Qt.
    [ "$where" = "$edged" ] && lpdest=("LPDEST=$edged")
    # The options window's right margin, default font and margins, all columns shown.
    options=$(env "${lpdest[@]}" QT_QPA_PLATFORM=offscreen "$(e2e_build_dir "$program")/tests/app_tests" \
      --gtest_filter=frmOpt.RightMarginOnTheRealDefaultPrinter 2>&1) || e2e_fail "$where: $options"
    grep -q "right margin ${page[9]} mm" <<<"$options" || e2e_fail "$where: $options"
    stamp="$E2E_TMP/stamp-$where"
    : >"$stamp"
    sleep 1
    before=$(e2e_windows)
    e2e_start env "${lpdest[@]}" "$program" "$folder"
    main=$(e2e_wait_new_window "$before") || e2e_fail "$where: no main window"
    e2e_keys "$main" Return
    e2e_wait_exit "$E2E_PID" 60 || e2e_fail "$where: the program did not end after printing"
    for _ in $(seq 1 120); do
      pdf=$(find "$out" -maxdepth 1 -name '*.pdf' -newer "$stamp" -size +0 -exec sh -c \
        'pdftotext "$1" - 2>/dev/null | grep -qF "$2"' - {} "Directory of $folder" \; -print -quit)
      [ -n "$pdf" ] && break
      sleep 0.5
    done
    [ -n "$pdf" ] || e2e_fail "$where: no PDF appeared in $out (jobs: $(lpstat -o 2>&1))"
    e2e_on_exit "rm -f '$pdf'"
    sleep 1 # cups-pdf may still be closing the file
  else
    pdf="$E2E_TMP/listing-$where.PDF"
    # The window speaks the locale's language: "To file" is "In Datei" in German.
    E2E_TO_FILE_KEY=$([ "${where%%_*}" = de ] && echo alt+d || echo alt+t) \
      e2e_save_listing "$where" "$program" "$folder" "$pdf" env "LC_ALL=$where" LPDEST=TamsoretNoSuchQueue
    e2e_wait_exit "$E2E_PID" 60 || e2e_fail "$where: the program did not end after writing"
    info=$(pdfinfo "$pdf") || e2e_fail "$where: no PDF written: $(e2e_program_log "$E2E_PID")"
    grep -qx "Title: *Tamsoret - $folder" <<<"$info" && grep -qx "Creator: *Tamsoret" <<<"$info" ||
      e2e_fail "$where: $info"
    pdffonts "$pdf" | awk 'NR > 2 && $(NF - 4) != "yes" { exit 1 }' ||
      e2e_fail "$where: a font is not embedded: $(pdffonts "$pdf")"
  fi
  [ "$E2E_STATUS" -eq 0 ] || e2e_fail "$where: exit status $E2E_STATUS: $(e2e_program_log "$E2E_PID")"
  result=$(check_pages "$pdf" "${page[@]}") || e2e_fail "$where: $result"
  e2e_log "$where: $result, options' right margin ${page[9]}"
done
e2e_pass
