#!/usr/bin/env bash
# Listing-file faults with the real program, driven through the save dialog:
#   - a file on a full disk (a 64 KiB tmpfs) over an older listing: a message box, exit
#     status 1, the older listing byte for byte and no other file on the disk;
#   - over a longer existing file: exit status 0, the new listing complete and shorter;
#   - as the unprivileged user nobody, in a folder nobody cannot write: a message box,
#     exit status 1, nothing created;
#   - as nobody, over a read-only file in a folder open to all: a message box, exit
#     status 1, the file untouched.
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

# Everything nobody needs to start a Qt program: a home and a runtime folder of its own.
mkdir -p "$E2E_TMP/nobody/config" "$E2E_TMP/nobody/runtime"
chown -R nobody:nogroup "$E2E_TMP/nobody"
chmod 700 "$E2E_TMP/nobody/runtime"
as_nobody=(setpriv --reuid=nobody --regid=nogroup --clear-groups
  env HOME="$E2E_TMP/nobody" XDG_CONFIG_HOME="$E2E_TMP/nobody/config"
  XDG_RUNTIME_DIR="$E2E_TMP/nobody/runtime")

# list_to_file NAME OUTPUT [COMMAND PREFIX...]: starts the program on the folder, ticks "To file",
# presses OK, types OUTPUT into the save dialog, and answers a message box if one comes.
# Sets BOX (1 when a box was shown) and E2E_STATUS.
list_to_file() {
  local name=$1 output=$2
  shift 2
  e2e_save_listing "$name" "$program" "$folder" "$output" "$@"
  e2e_answer_box "$name" 10
}

printf 'Tamsoret - an older listing\r\nthat must survive\r\n' >"$E2E_TMP/old.txt"

# A full disk.
disk="$E2E_TMP/disk"
mkdir -p "$disk"
mount -t tmpfs -o size=64k tamsoret-e2e "$disk" || e2e_fail "cannot mount a tmpfs (run as root)"
e2e_on_exit "umount '$disk'"
cp "$E2E_TMP/old.txt" "$disk/listing.txt"
list_to_file full-disk "$disk/listing.txt"
[ "$BOX" = 1 ] && [ "$E2E_STATUS" = 1 ] || e2e_fail "full disk: box $BOX, status $E2E_STATUS"
cmp -s "$E2E_TMP/old.txt" "$disk/listing.txt" || e2e_fail "full disk: the older listing changed"
[ "$(ls -A "$disk")" = listing.txt ] || e2e_fail "full disk: left $(ls -A "$disk")"

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

# A folder nobody cannot write.
mkdir -p "$E2E_TMP/closed"
chmod 755 "$E2E_TMP/closed"
list_to_file closed-folder "$E2E_TMP/closed/listing.txt" "${as_nobody[@]}"
[ "$BOX" = 1 ] && [ "$E2E_STATUS" = 1 ] || e2e_fail "closed folder: box $BOX, status $E2E_STATUS"
[ -z "$(ls -A "$E2E_TMP/closed")" ] || e2e_fail "closed folder: left $(ls -A "$E2E_TMP/closed")"

# A read-only file in a folder open to all.
mkdir -p "$E2E_TMP/open"
chmod 777 "$E2E_TMP/open"
cp "$E2E_TMP/old.txt" "$E2E_TMP/open/listing.txt"
chmod 444 "$E2E_TMP/open/listing.txt"
list_to_file read-only "$E2E_TMP/open/listing.txt" "${as_nobody[@]}"
[ "$BOX" = 1 ] && [ "$E2E_STATUS" = 1 ] || e2e_fail "read-only file: box $BOX, status $E2E_STATUS"
cmp -s "$E2E_TMP/old.txt" "$E2E_TMP/open/listing.txt" || e2e_fail "read-only file: it changed"
[ "$(ls -A "$E2E_TMP/open")" = listing.txt ] || e2e_fail "read-only file: left $(ls -A "$E2E_TMP/open")"
e2e_pass
