#!/usr/bin/env bash
# A listing file on a full disk (a 64 KiB tmpfs) over an older listing, with the real program
# driven through the save dialog: a message box, exit status 1, the older listing byte for
# byte and no other file on the disk. Mounting the tmpfs needs root.
#
#   bash tests/e2e/faults_full_disk.sh <built tamsoret>
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

program=${1:?usage: faults_full_disk.sh <built tamsoret>}
[ -x "$program" ] || e2e_fail "no program at $program"
e2e_need_root "mounting a small tmpfs for a full disk"
e2e_init
e2e_start_xvfb

folder="$E2E_TMP/listed"
mkdir -p "$folder"
seq -f "$folder/file%06g.txt" 1 3000 | xargs touch

printf 'Tamsoret - an older listing\r\nthat must survive\r\n' >"$E2E_TMP/old.txt"
disk="$E2E_TMP/disk"
mkdir -p "$disk"
mount -t tmpfs -o size=64k tamsoret-e2e "$disk" || e2e_fail "cannot mount a tmpfs"
e2e_on_exit "umount '$disk'"
cp "$E2E_TMP/old.txt" "$disk/listing.txt"

e2e_save_listing full-disk "$program" "$folder" "$disk/listing.txt"
e2e_answer_box full-disk 10
[ "$BOX" = 1 ] && [ "$E2E_STATUS" = 1 ] || e2e_fail "box $BOX, status $E2E_STATUS"
cmp -s "$E2E_TMP/old.txt" "$disk/listing.txt" || e2e_fail "the older listing changed"
[ "$(ls -A "$disk")" = listing.txt ] || e2e_fail "left $(ls -A "$disk")"
e2e_pass
