#!/usr/bin/env bash
# A listing written to a file through the save dialog, from the keyboard: Alt+T (Alt+D in
# German) ticks "To file", Enter presses OK, the path is typed, the Save button's access key
# saves. The file must be the expected listing, byte for byte but the clock and the free
# space: on C; on German, whose dialog is Qt's German one (S&peichern); on German with English
# first (LANGUAGE=en).
#
#   bash tests/e2e/listing_file.sh <built tamsoret>
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

program=${1:?usage: listing_file.sh <built tamsoret>}
[ -x "$program" ] || e2e_fail "no program at $program"
e2e_init
e2e_start_xvfb

export TZ=Europe/Amsterdam LC_ALL=C.UTF-8
folder="$E2E_TMP/parent/Letters to Ann"
mkdir -p "$folder/Archive" "$E2E_TMP/out"
printf 'x%.0s' $(seq 1 812) >"$folder/README"
head -c 12345 /dev/zero >"$folder/Invoice 2026-11.txt"
head -c 0 /dev/zero >"$folder/.hidden"
printf 'caf\xc3\xa9' >"$folder/Café.txt"
truncate -s 3G "$folder/disk.img"
touch -d '2026-07-15 09:30:00' "$folder/README"
touch -d '2026-01-15 18:05:00' "$folder/Invoice 2026-11.txt" "$folder/disk.img"
touch -d '2025-12-31 23:59:59' "$folder/.hidden" "$folder/Café.txt"
touch -d '2026-03-01 08:00:00' "$folder/Archive" "$folder"
touch -d '2024-02-29 12:00:00' "$E2E_TMP/parent"

# Widths in characters, not bytes (a name with é is one character longer than its bytes).
cell() { local s=${1:0:$2}; printf '%s%*s' "$s" $(($2 - ${#s})) ''; }
row() { printf '%s  %s  %*s%s  %s  %s\n' "$(cell "$1" 25)" "$(cell "$2" 12)" $((9 - ${#3})) '' "$3" "$4" "$5"; }
# expected DATE-SEPARATOR GROUP-SEPARATOR: lines 2 to 16 of the listing.
expected() {
  local d=$1 g=$2
  echo "Drive labeled No name"
  echo "Directory of $folder"
  echo
  echo
  echo "Name                       MS-DOS Name   Size       Modified        Attributes"
  echo
  row ".." ".." "<DIR>    " "29${d}02${d}24 12:00" "d    "
  row "Archive" "archive" "<DIR>    " "01${d}03${d}26 08:00" "d    "
  row ".hidden" ".hidden" "0 b " "31${d}12${d}25 23:59" "    h"
  row "Café.txt" "café.txt" "5 b " "31${d}12${d}25 23:59" "     "
  row "Disk.img" "disk.img" "3${g}072 Mb" "15${d}01${d}26 18:05" "     "
  row "Invoice 2026-11.txt" "invoice 2026-11.txt" "12 kb" "15${d}01${d}26 18:05" "     "
  row "Readme" "readme" "812 b " "15${d}07${d}26 09:30" "     "
  echo
  echo "               7 file(s), 3${g}072 Mb"
}

# listing NAME LOCALE LANGUAGE DIALOG-TITLE SAVE-KEY DATE-SEP GROUP-SEP TO-FILE-KEY: one run,
# the window's "To file" ticked by its access key in the window's language; the file is
# typed as $E2E_TMP/out/NAME and left as NAME.txt: a name without an extension gets the one
# of the file type the dialog shows first, the text file's.
listing() {
  local name=$1 output="$E2E_TMP/out/$1.txt"
  E2E_SAVE_KEY=$5 E2E_TO_FILE_KEY=$8 e2e_save_listing "$name" "$program" "$folder" "$E2E_TMP/out/$1" env LANGUAGE="$3" LC_ALL="$2"
  [ "$E2E_SAVE_TITLE" = "$4" ] || e2e_fail "$name: the save dialog is titled \"$E2E_SAVE_TITLE\", not \"$4\""
  e2e_wait_exit "$E2E_PID" 30 ||
    e2e_fail "$name: the dialog's Save button did not answer $5: is it labelled in another language?"
  [ "$E2E_STATUS" -eq 0 ] || e2e_fail "$name: exit status $E2E_STATUS: $(e2e_program_log "$E2E_PID")"
  [ -f "$output" ] || e2e_fail "$name: no listing at $output"

  # Every line ends with CR LF, the last one included, and the é is one Windows-1252 byte.
  [ "$(tail -c 2 "$output" | od -An -c | tr -d ' ')" = '\r\n' ] || e2e_fail "$name: the file does not end with CR LF"
  [ "$(tr -cd '\n' <"$output" | wc -c)" = "$(tr -cd '\r' <"$output" | wc -c)" ] || e2e_fail "$name: a line without CR"
  grep -q $'Caf\xe9.txt' "$output" || e2e_fail "$name: é is not written as the byte E9"

  iconv -f WINDOWS-1252 -t UTF-8 "$output" | tr -d '\r' >"$E2E_TMP/$name.txt"
  expected "$6" "$7" >"$E2E_TMP/$name.expected"
  sed -n '2,16p' "$E2E_TMP/$name.txt" | diff -u "$E2E_TMP/$name.expected" - || e2e_fail "$name: the listing differs"
  head -n 1 "$E2E_TMP/$name.txt" | grep -Eq '^Tamsoret - [[:alpha:]]+ [0-9]{1,2} [[:alpha:]]+ [0-9]{4}  [0-2][0-9]:[0-5][0-9]$' ||
    e2e_fail "$name: line 1 is '$(head -n 1 "$E2E_TMP/$name.txt")'"
  tail -n 1 "$E2E_TMP/$name.txt" | grep -Eq "^ {15}[0-9$7]+ (b|kb|Mb|Gb) available from [0-9$7]+ (b|kb|Mb|Gb)\.$" ||
    e2e_fail "$name: the free-space line is '$(tail -n 1 "$E2E_TMP/$name.txt")'"
  [ "$(wc -l <"$E2E_TMP/$name.txt")" -eq 17 ] || e2e_fail "$name: expected 17 lines, got $(wc -l <"$E2E_TMP/$name.txt")"
}

#       name   locale       LANGUAGE  dialog title       Save  date group To file
listing c      C.UTF-8      ""        "Save As"          alt+s /    ,     alt+t
listing de     de_DE.UTF-8  ""        "Speichern unter"  alt+p .    .     alt+d
listing de_en  de_DE.UTF-8  en        "Save As"          alt+s .    .     alt+t

# The German dialog and Qt's English one write the same bytes, clock and free space apart.
strip_clock() { sed $'1s/  [0-9][0-9]:[0-9][0-9]\r$//; $d' "$1"; }
cmp <(strip_clock "$E2E_TMP/out/de.txt") <(strip_clock "$E2E_TMP/out/de_en.txt") ||
  e2e_fail "the listing of the German dialog differs from that of the English one"
e2e_pass
