#!/usr/bin/env bash
# Every kind of name given to -o, each in a fresh folder: devices and FIFOs written into and
# left what they are, block devices, sockets and folders refused, a replaced file keeping its
# owner, group, mode, links and long name, a file written in place where a rename cannot keep
# them, full disks, and names the system refuses (with its own reason). A written listing is
# held against the program's own output on standard output (its clock and free-space lines
# left out), a PDF through pdftotext. Devices, other owners and the full disk need root.
#
#   bash tests/e2e/output_targets.sh <built tamsoret>
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

program=${1:?usage: output_targets.sh <built tamsoret>}
[ -x "$program" ] || e2e_fail "no program at $program"
program=$(realpath -- "$program") # the cases run in folders of their own
e2e_require pdftotext python3
e2e_init
unset DISPLAY WAYLAND_DISPLAY
chmod 755 "$E2E_TMP"
# Their ".." lines show the date of a folder that does not change while the cases run.
small="$E2E_TMP/in/small" big="$E2E_TMP/in/big"
mkdir -p "$small" "$big"
touch "$small/one.txt" "$small/two.txt"
seq -f "$big/file%04g.txt" 1 3000 | xargs touch
chmod -R a+rX "$small" "$big"
root=0
[ "$(id -u)" -ne 0 ] || root=1
e2e_unprivileged "$program"
if [ "$root" = 1 ]; then
  disk="$E2E_TMP/disk"
  mkdir -p "$disk"
  mount -t tmpfs -o size=64k tamsoret-e2e "$disk" || e2e_fail "cannot mount a tmpfs"
  e2e_on_exit "umount '$disk'"
fi
# shellcheck disable=SC2034 # the rows use it
long=$(printf 'n%.0s' {1..255})
norm() { sed '1d;/available from/d'; }
"$program" -o - "$small" | norm >"$E2E_TMP/small.txt"
"$program" -o "$E2E_TMP/small.pdf" "$small" && pdftotext -layout "$E2E_TMP/small.pdf" - | norm >"$E2E_TMP/small-pdf.txt"
same() { norm <"$1" | cmp -s - "$E2E_TMP/small.txt"; }
same_pdf() { pdftotext -layout "$1" - | norm | cmp -s - "$E2E_TMP/small-pdf.txt"; }
mb() { [ "$(stat -c %F:%t,%T "$1")" = "$2" ]; }

# One row a case: name | r when it needs root | setup | command | status | words the
# message must hold | check, all for eval in the case's folder.
cases=(
  "character device|r|mknod dev c 1 3|-o dev \$small|0||mb dev 'character special file:1,3'"
  "character device, PDF|r|mknod dev.pdf c 1 3|-o dev.pdf \$small|0||mb dev.pdf 'character special file:1,3'"
  "FIFO||mkfifo f; cat f >got & reader=\$!|-o f \$small|0||[ -p f ] && wait \$reader && same got"
  "FIFO, PDF||mkfifo f.pdf; cat f.pdf >got.pdf & reader=\$!|-o f.pdf \$small|0||[ -p f.pdf ] && wait \$reader && same_pdf got.pdf"
  "FIFO, reader gone||mkfifo f; head -c 100 f >/dev/null & reader=\$!|-o f \$big|1|Broken pipe\nThe file may be incomplete.|[ -p f ]"
  "block device|r|mknod blk b 7 0|-o blk \$small|1|blk\nIt is a block device|mb blk 'block special file:7,0'"
  "socket||python3 -c 'import socket; socket.socket(socket.AF_UNIX).bind(\"s\")'|-o s \$small|1|It is a socket|[ -S s ]"
  "folder||mkdir dir.pdf; touch dir.pdf/keep|-o dir.pdf \$small|1|Is a directory|[ \"\$(ls -A dir.pdf)\" = keep ]"
  "other owner|r|echo old >o.txt; chown nobody:nogroup o.txt; chmod 640 o.txt|-o o.txt \$small|0||same o.txt && [ \"\$(stat -c %U:%G:%a o.txt)\" = nobody:nogroup:640 ]"
  "hard links||echo old >h1; ln h1 h2|-o h1 \$small|0||same h1 && same h2 && [ \"\$(stat -c %h h1)\" = 2 ]"
  "symbolic link||echo old >t; ln -s t l.pdf|-o l.pdf \$small|0||[ \"\$(readlink l.pdf)\" = t ] && same_pdf t"
  "255-byte name||echo old >\$long|-o \$long \$small|0||same \$long && [ \"\$(ls -A)\" = \$long ]"
  "folder nobody may not write|r|mkdir ro; echo old >ro/w.txt; chmod 666 ro/w.txt|other -o ro/w.txt \$small|0||same ro/w.txt && [ \"\$(stat -c %U ro/w.txt)\" = root ]"
  "full disk, in place|r|rm -f \$disk/*; echo old >\$disk/a; ln \$disk/a \$disk/b|-o \$disk/a \$big|1|No space left on device\nThe file may be incomplete.|cmp -s \$disk/a \$disk/b && [ -s \$disk/a ]"
  "full disk, renamed|r|rm -f \$disk/*; echo old >\$disk/a|-o \$disk/a \$big|1|No space left on device|[[ \$msg != *incomplete* ]] && [ \"\$(cat \$disk/a; ls -A \$disk)\" = 'old\na' ]"
  "under a file||touch afile|-o afile/x.txt \$small|1|afile/x.txt\nNot a directory|[ ! -s afile ]"
  "name too long||:|-o x\$long \$small|1|File name too long|[ -z \"\$(ls -A)\" ]"
)
other() { "${AS_OTHER[@]}" "$OTHER_PROGRAM" "$@"; }
# A FIFO's reader whose writer never came is ended at exit.
# shellcheck disable=SC2034,SC2016 # set by the rows, read by the hook
reader=""
e2e_on_exit '[ -z "$reader" ] || kill "$reader" 2>/dev/null'
passed_over=()
i=0
for row in "${cases[@]}"; do
  IFS='|' read -r name needs setup command status words check <<<"$row"
  if [ "$needs" = r ] && [ "$root" = 0 ]; then
    passed_over+=("$name")
    continue
  fi
  i=$((i + 1))
  mkdir -p "$E2E_TMP/case$i"
  cd "$E2E_TMP/case$i" || e2e_fail "$name: no folder"
  eval "$setup" || e2e_fail "$name: setup failed"
  [[ $command == other* ]] || command="\"\$program\" $command"
  got=0
  eval "$command" >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" </dev/null || got=$?
  msg=$(cat "$E2E_TMP/stderr")
  [ "$got" = "$status" ] || e2e_fail "$name: status $got, expected $status: $msg"
  expected=$(printf '%b' "$words")
  [[ $msg == *"$expected"* ]] || e2e_fail "$name: the message is '$msg', expected '$expected'"
  [ ! -s "$E2E_TMP/stdout" ] || e2e_fail "$name: wrote to standard output"
  check=${check//\\n/$'\n'}
  eval "$check" || e2e_fail "$name: the check failed: $check"
  reader=""
done
cd "$E2E_TMP" || exit
[ ${#passed_over[@]} = 0 ] || e2e_skip_rights "device nodes, other owners and a tmpfs: ${passed_over[*]}"
e2e_pass
