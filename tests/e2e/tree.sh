#!/usr/bin/env bash
# A whole tree (-r): every section equals its folder's own listing, the walk order, which
# folders are walked (hidden, links, --depth, -x, the filter), the total line, a loop, an
# unreadable folder, a chain deeper than PATH_MAX with 64 descriptors, and the PDF.
#
#   bash tests/e2e/tree.sh <built tamsoret>
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

program=${1:?usage: tree.sh <built tamsoret>}
[ -x "$program" ] || e2e_fail "no program at $program"
e2e_require python3 pdftotext prlimit
e2e_init
export TZ=Europe/Amsterdam
run() { env -u DISPLAY -u WAYLAND_DISPLAY "$@"; }

top="$E2E_TMP/top"
mkdir -p "$top/Sub/Deeper" "$top/.hidden" "$top/Empty" "$top/Ελληνικά" "$top/日本語" "$top/Tab	here"
printf 'abc' >"$top/a.pdf"
printf 'hello' >"$top/b.txt"
printf '1234567' >"$top/Sub/Deeper/c.pdf"
printf 'xy' >"$top/.hidden/x.pdf"
printf 'z' >"$top/日本語/名前.txt"
: >"$top/Sub/.dotfile"
ln -s Sub "$top/link"

# check_tree NAME EXPECTED-FOLDERS ARGS...: runs -r ARGS on $top; every section must equal
# lines 3 to 10 of its folder's own listing with the same ARGS, the sections must come in
# the order given (folders relative to $top, "." for $top), and the total line must count
# the folders walked (TOTAL_K) and sum the sections. The output is left in $E2E_TMP/NAME.
check_tree() {
  local name=$1 expected=$2 status=0
  shift 2
  run "$program" "$@" -r -o - "$top" >"$E2E_TMP/$name" 2>"$E2E_TMP/$name.err" || status=$?
  [ "$status" -eq "${WANT_STATUS:-0}" ] || e2e_fail "$name: status $status: $(cat "$E2E_TMP/$name.err")"
  python3 - "$E2E_TMP/$name" "$top" "$expected" "${TOTAL_K:-}" "$program" "$@" <<'EOF' || e2e_fail "$name"
import os, re, subprocess, sys
out, top, expected, total_k, program, args = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4], sys.argv[5], sys.argv[6:]
lines = open(out, 'rb').read().split(b'\r\n')
assert lines[-1] == b'', 'no CR LF at the end'
lines = lines[:-1]
body, closing = lines[2:-3], lines[-3:]
sections, at = [], None
for line in body:
    if line.startswith(b'Directory of '):
        at = [line]
        sections.append(at)
    else:
        at.append(line)
for s in sections[:-1]:
    assert s[-1] == b'', 'no empty line between sections: %r' % s[0]
    del s[-1]
env = dict(os.environ); env.pop('DISPLAY', None)
files = size = 0
for rel, s in zip(expected.split('|'), sections):
    folder = os.path.normpath(os.path.join(top, rel))
    own = subprocess.run([program, *[a for a in args if not a.startswith('--depth')], '-o', '-', folder], capture_output=True, env=env).stdout.split(b'\r\n')[:-1]
    assert s == own[2:-1], 'section of %s:\n%r\nits own listing:\n%r' % (rel, s, own[2:-1])
    m = re.fullmatch(rb' {15}(\d+) file\(s\), (\d+) b ', s[-1])
    files += int(m[1]); size += int(m[2])
got = [s[0] for s in sections]
want = [b'Directory of ' + os.fsencode(os.path.normpath(os.path.join(top, r))).replace(b'\t', b'?') for r in expected.split('|')]
# The listing file is Windows-1252: names in other scripts become question marks.
want = [w.decode().encode('cp1252', 'replace') for w in want]
assert got == want, 'sections %r, expected %r' % (got, want)
assert closing[0] == b'', closing
k = int(total_k or len(want))
assert closing[1] == b' ' * 15 + b'Total of %d folder(s): %d file(s), %d b ' % (k, files, size), closing[1]
assert closing[2].startswith(b' ' * 15) and b'available from' in closing[2], closing[2]
EOF
}

all=".|.hidden|Empty|Sub|Sub/Deeper|Tab	here|Ελληνικά|日本語"
check_tree whole "$all"
grep -q "^Link  " "$E2E_TMP/whole" || e2e_fail "the link to a folder is not listed as an entry"
# Subfolders come in the listing's own order and direction.
check_tree descending ".|日本語|Ελληνικά|Tab	here|Sub|Sub/Deeper|Empty|.hidden" --descending
check_tree no-hidden ".|Empty|Sub|Sub/Deeper|Tab	here|Ελληνικά|日本語" --no-hidden
check_tree depth-1 ".|.hidden|Empty|Sub|Tab	here|Ελληνικά|日本語" --depth=1
check_tree depth-0 "." --depth=0
# The filter and the folder switch choose entries, never the folders walked: every folder
# counts, only those with a PDF and the listed one have a section.
TOTAL_K=8 check_tree pdf-only ".|.hidden|Sub/Deeper" -f '*.pdf' --no-folders
for bad in --depth=-1 --depth=x --depth= --depth=1.5; do
  status=0
  run "$program" "$bad" -o - "$top" >/dev/null 2>&1 || status=$?
  [ "$status" -eq 2 ] || e2e_fail "$bad: status $status, not 2"
done
# Without -r the listing is the one folder's.
run "$program" -o - "$top" | tr -d '\r' | grep -c '^Directory of' | grep -qx 1 ||
  e2e_fail "a listing without -r has more than one section"

# The PDF of a tree: the same sections, in the same order, and the total.
run "$program" -r -o "$E2E_TMP/tree.pdf" "$top" || e2e_fail "PDF: status $?"
pdftotext -layout "$E2E_TMP/tree.pdf" - | grep -c 'Directory of' | grep -qx 8 || e2e_fail "the PDF lacks sections"
pdftotext -layout "$E2E_TMP/tree.pdf" - | grep -q 'Total of 8 folder(s)' || e2e_fail "the PDF lacks the total"

# A folder the user cannot read: its two lines, the walk goes on, named at the end, exit 1.
e2e_unprivileged "$program"
chmod 755 "$E2E_TMP"
mkdir -p "$E2E_TMP/locked/Closed" "$E2E_TMP/locked/Open"
: >"$E2E_TMP/locked/Open/seen.txt"
chmod 000 "$E2E_TMP/locked/Closed"
status=0
"${AS_OTHER[@]}" "$OTHER_PROGRAM" -r -o - "$E2E_TMP/locked" >"$E2E_TMP/locked.out" 2>"$E2E_TMP/locked.err" || status=$?
chmod 755 "$E2E_TMP/locked/Closed"
[ "$status" -eq 1 ] || e2e_fail "unreadable folder: status $status"
tr -d '\r' <"$E2E_TMP/locked.out" | grep -A1 -x "Directory of $E2E_TMP/locked/Closed" |
  grep -qx ' \{15\}Cannot read this folder: Permission denied' || e2e_fail "no two-line section: $(cat "$E2E_TMP/locked.out")"
grep -q 'seen.txt' "$E2E_TMP/locked.out" || e2e_fail "the walk stopped at the unreadable folder"
grep -q "$E2E_TMP/locked/Closed" "$E2E_TMP/locked.err" || e2e_fail "the closing message names no folder: $(cat "$E2E_TMP/locked.err")"

# A chain deeper than PATH_MAX, with 64 descriptors: walked to the bottom, whole paths shown.
# Each level also holds a folder walked after the chain below it, so that the readers ahead
# of the walk have folders waiting at every level; their listing must be the one of a walk
# on one thread.
python3 - "$E2E_TMP/chain" <<'EOF'
import os, sys
os.mkdir(sys.argv[1]); fd = os.open(sys.argv[1], os.O_RDONLY)
for i in range(70):
    name = '%02d' % i + 'd' * 68
    os.mkdir(name, dir_fd=fd); os.mkdir('zz', dir_fd=fd)
    open(os.open('zz/leaf.txt', os.O_WRONLY | os.O_CREAT, dir_fd=fd), 'w').close()
    new = os.open(name, os.O_RDONLY, dir_fd=fd); os.close(fd); fd = new
open(os.open('bottom.txt', os.O_WRONLY | os.O_CREAT, dir_fd=fd), 'w').close()
EOF
prlimit --nofile=64 "$program" -r -o "$E2E_TMP/chain.txt" "$E2E_TMP/chain" || e2e_fail "deep chain: status $?"
TAMSORET_TREE_THREADS=1 prlimit --nofile=64 "$program" -r -o "$E2E_TMP/chain1.txt" "$E2E_TMP/chain" ||
  e2e_fail "deep chain, one thread: status $?"
cmp <(sed 1d "$E2E_TMP/chain.txt") <(sed 1d "$E2E_TMP/chain1.txt") || e2e_fail "the readers ahead changed the listing"
python3 - "$E2E_TMP/chain.txt" "$E2E_TMP/chain" <<'EOF' || e2e_fail "deep chain"
import sys
lines = open(sys.argv[1], 'rb').read().decode('cp1252').split('\r\n')
heads = [l[len('Directory of '):] for l in lines if l.startswith('Directory of ')]
path = sys.argv[2]
chain = [path]
for i in range(70):
    path += '/' + '%02d' % i + 'd' * 68
    chain.append(path)
want = chain + [p + '/zz' for p in reversed(chain[:-1])]
assert heads == want, [len(h) for h in heads]
assert len(heads[70]) > 4096 and any(l.startswith('Bottom.txt') for l in lines)
assert sum(l.startswith('Leaf.txt') for l in lines) == 70
assert any(l.startswith(' ' * 15 + 'Total of 141 folder(s): ') for l in lines), lines[-4:]
EOF

# Mounts: a tmpfs inside is walked, not with -x; a bind mount back to the top is a loop.
if [ "$(id -u)" -ne 0 ]; then
  e2e_log "not root: the tmpfs and bind mount cases are left out"
  e2e_pass
fi
mkdir -p "$top/Mounted" "$top/Sub/Back"
mount -t tmpfs -o size=1m tamsoret-tree "$top/Mounted" || e2e_fail "cannot mount a tmpfs"
e2e_on_exit "umount '$top/Mounted'"
: >"$top/Mounted/on-tmpfs.txt"
run "$program" -r -o - "$top" | grep -q 'On-tmpfs.txt' || e2e_fail "the tmpfs was not walked without -x"
run "$program" -r -x -o - "$top" >"$E2E_TMP/x.out" || e2e_fail "-x: status $?"
! grep -q 'On-tmpfs.txt' "$E2E_TMP/x.out" && grep -q '^Mounted ' "$E2E_TMP/x.out" ||
  e2e_fail "-x walked the tmpfs, or left its folder out of the listing"
grep -q 'Total of 9 folder(s)' "$E2E_TMP/x.out" || e2e_fail "-x: $(tail -n 2 "$E2E_TMP/x.out")"
mount --bind "$top" "$top/Sub/Back" || e2e_fail "cannot bind mount"
e2e_on_exit "umount '$top/Sub/Back'"
status=0
run "$program" -r -o - "$top" >"$E2E_TMP/loop.out" 2>"$E2E_TMP/loop.err" || status=$?
[ "$status" -eq 1 ] || e2e_fail "loop: status $status"
grep -q "$top/Sub/Back" "$E2E_TMP/loop.err" || e2e_fail "the loop is not named: $(cat "$E2E_TMP/loop.err")"
[ "$(tr -d '\r' <"$E2E_TMP/loop.out" | grep -c "^Directory of $top/Sub/Back")" -eq 0 ] || e2e_fail "the loop was walked"
e2e_pass
