#!/usr/bin/env bash
# Awkward folders listed to a file by the real program:
#   - a folder holding a symbolic link loop, dangling links, a name of 255 bytes, a name
#     that is not valid UTF-8, names with control characters, names beginning or ending
#     with blanks, and sparse files of 2 GiB and 5 GiB: exit status 0, one line per entry,
#     every entry line 73 characters (one byte each), CR LF after every line and nowhere
#     else, the sizes in full;
#   - entries removed while the folder is scanned: exit status 0, and the summary counts
#     exactly the entry lines written;
#   - as an unprivileged user (nobody when run as root, else the tester), a folder that
#     can be entered but not read: a message box, exit status 1, nothing written.
#
#   bash tests/e2e/faults_folder.sh <built tamsoret>
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

program=${1:?usage: faults_folder.sh <built tamsoret>}
[ -x "$program" ] || e2e_fail "no program at $program"
e2e_init
e2e_start_xvfb
chmod 755 "$E2E_TMP"
export TZ=Europe/Amsterdam LC_ALL=C.UTF-8

mkdir -p "$E2E_TMP/out"
chmod 777 "$E2E_TMP/out"
e2e_unprivileged "$program"

# list_to_file NAME FOLDER OUTPUT [PROGRAM [COMMAND PREFIX...]]: starts PROGRAM (the built
# one when none is given) on FOLDER, ticks
# "To file", presses OK, types OUTPUT into the save dialog and presses Enter; AFTER_SAVE
# (a command, may be empty) runs right then. Answers a message box if one comes. Sets BOX
# (1 when a box was shown) and E2E_STATUS.
AFTER_SAVE=""
list_to_file() {
  local name=$1 folder=$2 output=$3 run=${4:-$program}
  shift 3
  shift || true
  e2e_save_listing "$name" "$run" "$folder" "$output" "$@"
  [ -z "$AFTER_SAVE" ] || eval "$AFTER_SAVE"
  e2e_answer_box "$name" 5
}

# The entry lines of a listing (lines 8 to the line before the empty line 9 from the
# end), without their CR.
entry_lines() { tr -d '\r' <"$1" | sed -n '8,$p' | head -n -3; }

# ---------------------------------------------------------------------------- awkward names
awkward="$E2E_TMP/awkward"
mkdir -p "$awkward"
cd "$awkward"
ln -s loop-b loop-a
ln -s loop-a loop-b
ln -s nowhere dangling
ln -s ../../no/such/folder dangling-folder
long=$(printf 'L%.0s' $(seq 1 251)).txt # 255 bytes
: >"$long"
: >$'caf\xe9 latin-1.txt'
: >$'tab\there'
: >$'new\nline'
: >$'bell\a and escape\e'
: >$'del\x7f'
: >' leading blank'
: >'trailing blank '
: >'   '
truncate -s 2G two-gib.img
truncate -s 5G five-gib.img
cd - >/dev/null
entries=$(($(find "$awkward" -mindepth 1 -maxdepth 1 -printf x | wc -c) + 1)) # with ".."

list_to_file awkward "$awkward" "$E2E_TMP/out/awkward.txt"
[ "$BOX" = 0 ] && [ "$E2E_STATUS" = 0 ] || e2e_fail "awkward: box $BOX, status $E2E_STATUS: $(e2e_program_log "$E2E_PID")"
out="$E2E_TMP/out/awkward.txt"
[ "$(tr -cd '\n' <"$out" | wc -c)" = "$(tr -cd '\r' <"$out" | wc -c)" ] || e2e_fail "awkward: a line break that is not CR LF"
[ "$(tr -cd '\n' <"$out" | wc -c)" = $((10 + entries)) ] || e2e_fail "awkward: $(wc -l <"$out") lines for $entries entries"
[ "$(entry_lines "$out" | wc -l)" = "$entries" ] || e2e_fail "awkward: $(entry_lines "$out" | wc -l) entry lines"
entry_lines "$out" | LC_ALL=C awk 'length($0) != 73 { print "width " length($0) ": " $0; bad = 1 } END { exit bad }' ||
  e2e_fail "awkward: an entry line is not 73 characters"
grep -q '^LLLLLLLLLLLLLLLLLLLLLLLLL  llllllllllll  ' "$out" || e2e_fail "awkward: the long name is not cut to its columns"
grep -q '^Caf? latin-1.txt ' "$out" || e2e_fail "awkward: the name that is not UTF-8 is not shown with '?'"
grep -q '^Tab?here ' "$out" || e2e_fail "awkward: the tab is not shown as ?"
grep -q '^New?line ' "$out" || e2e_fail "awkward: the line feed is not shown as ?"
grep -q '^Leading blank ' "$out" || e2e_fail "awkward: the leading blank is not trimmed"
grep -q '^Two-gib.img .* 2,048 Mb ' "$out" || e2e_fail "awkward: the 2 GiB file is not 2,048 Mb"
grep -q '^Five-gib.img .* 5,120 Mb ' "$out" || e2e_fail "awkward: the 5 GiB file is not 5,120 Mb"
grep -q '^Loop-a ' "$out" && grep -q '^Loop-b ' "$out" || e2e_fail "awkward: the link loop is not listed"
grep -q '^Dangling-folder ' "$out" || e2e_fail "awkward: the dangling link is not listed"
grep -q "^ \{15\}$entries file(s), 7,168 Mb" "$out" || e2e_fail "awkward: summary '$(tail -n 2 "$out" | head -n 1)'"

# ---------------------------------------------------------------------------- vanishing entries
churn="$E2E_TMP/churn"
mkdir -p "$churn"
seq -f "$churn/file%06g.txt" 1 30000 | xargs touch
# Removed in name order from the middle while the program reads the folder.
AFTER_SAVE="(seq -f '$churn/file%06g.txt' 10000 30000 | xargs rm -f) & churn_pid=\$!"
list_to_file vanishing "$churn" "$E2E_TMP/out/vanishing.txt"
AFTER_SAVE=""
wait "$churn_pid" 2>/dev/null || true
[ "$BOX" = 0 ] && [ "$E2E_STATUS" = 0 ] || e2e_fail "vanishing: box $BOX, status $E2E_STATUS"
out="$E2E_TMP/out/vanishing.txt"
listed=$(entry_lines "$out" | wc -l)
summary=$(tr -d '\r' <"$out" | tail -n 2 | head -n 1 | sed -n 's/^ *\([0-9]*\) file(s).*/\1/p')
[ "$listed" = "$summary" ] || e2e_fail "vanishing: $listed entry lines but the summary counts '$summary'"
[ "$listed" -ge 10000 ] && [ "$listed" -le 30001 ] || e2e_fail "vanishing: $listed entries listed"
e2e_log "vanishing: $listed of 30001 entries listed while they were removed"

# ---------------------------------------------------------------------------- unreadable
closed="$E2E_TMP/closed"
mkdir -p "$closed"
: >"$closed/secret.txt"
chmod 311 "$closed"
e2e_on_exit "chmod 700 '$closed'"
list_to_file unreadable "$closed" "$E2E_TMP/out/unreadable.txt" "$OTHER_PROGRAM" "${AS_OTHER[@]}"
[ "$BOX" = 1 ] && [ "$E2E_STATUS" = 1 ] || e2e_fail "unreadable: box $BOX, status $E2E_STATUS"
[ ! -e "$E2E_TMP/out/unreadable.txt" ] || e2e_fail "unreadable: a listing was written"
e2e_pass
