#!/usr/bin/env bash
# Listing-file faults with the real program, driven through the save dialog:
#   - over a longer existing file: exit status 0, the new listing complete and shorter;
#   - as an unprivileged user (nobody when run as root, else the tester), in a folder that
#     user cannot write: a message box, exit status 1, nothing created;
#   - as that user, over a read-only file in a folder open to all: a message box, exit
#     status 1, the file untouched.
# The full disk is in faults_full_disk.sh.
# The texts of these messages are checked in FaultsTest; screenshots of the boxes are
# kept in the scratch folder.
#
#   bash tests/e2e/faults_output.sh <built tamsoret>
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

program=${1:?usage: faults_output.sh <built tamsoret>}
[ -x "$program" ] || e2e_fail "no program at $program"
e2e_init
e2e_start_xvfb
chmod 755 "$E2E_TMP"

folder="$E2E_TMP/listed"
mkdir -p "$folder"
seq -f "$folder/file%06g.txt" 1 3000 | xargs touch
chmod -R a+rX "$folder"

e2e_unprivileged "$program"

# list_to_file NAME OUTPUT [PROGRAM [COMMAND PREFIX...]]: starts the program on the folder,
# ticks "To file", presses OK, types OUTPUT into the save dialog, and answers a message box if
# one comes. Sets BOX (1 when a box was shown) and E2E_STATUS.
list_to_file() {
  local name=$1 output=$2 run=${3:-$program}
  shift 2
  shift || true
  e2e_save_listing "$name" "$run" "$folder" "$output" "$@"
  e2e_answer_box "$name" 10
}

printf 'Tamsoret - an older listing\r\nthat must survive\r\n' >"$E2E_TMP/old.txt"

# Over a longer file.
mkdir -p "$E2E_TMP/out"
head -c 500000 /dev/zero | tr '\0' x >"$E2E_TMP/out/listing.txt"
list_to_file longer "$E2E_TMP/out/listing.txt"
[ "$BOX" = 0 ] && [ "$E2E_STATUS" = 0 ] || e2e_fail "longer: box $BOX, status $E2E_STATUS"
out="$E2E_TMP/out/listing.txt"
[ "$(head -c 11 "$out")" = "Tamsoret - " ] || e2e_fail "longer: no listing at the start"
[ "$(tail -c 2 "$out" | od -An -c | tr -d ' ')" = '\r\n' ] || e2e_fail "longer: no line end at the end"
grep -q xxxx "$out" && e2e_fail "longer: the older file shows through"
[ "$(tr -cd '\n' <"$out" | wc -c)" = $((10 + 1 + 3000)) ] || e2e_fail "longer: $(wc -l <"$out") lines"

# A folder the user cannot write (nor its owner, when that is the tester).
mkdir -p "$E2E_TMP/closed"
chmod 555 "$E2E_TMP/closed"
list_to_file closed-folder "$E2E_TMP/closed/listing.txt" "$OTHER_PROGRAM" "${AS_OTHER[@]}"
[ "$BOX" = 1 ] && [ "$E2E_STATUS" = 1 ] || e2e_fail "closed folder: box $BOX, status $E2E_STATUS"
[ -z "$(ls -A "$E2E_TMP/closed")" ] || e2e_fail "closed folder: left $(ls -A "$E2E_TMP/closed")"

# A read-only file in a folder open to all.
mkdir -p "$E2E_TMP/open"
chmod 777 "$E2E_TMP/open"
cp "$E2E_TMP/old.txt" "$E2E_TMP/open/listing.txt"
chmod 444 "$E2E_TMP/open/listing.txt"
list_to_file read-only "$E2E_TMP/open/listing.txt" "$OTHER_PROGRAM" "${AS_OTHER[@]}"
[ "$BOX" = 1 ] && [ "$E2E_STATUS" = 1 ] || e2e_fail "read-only file: box $BOX, status $E2E_STATUS"
cmp -s "$E2E_TMP/old.txt" "$E2E_TMP/open/listing.txt" || e2e_fail "read-only file: it changed"
[ "$(ls -A "$E2E_TMP/open")" = listing.txt ] || e2e_fail "read-only file: left $(ls -A "$E2E_TMP/open")"
e2e_pass
