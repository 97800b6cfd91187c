#!/usr/bin/env bash
# Each bad input, with no display: its exit status and message, nothing on standard output,
# an older listing left as it was (the full disk needs root; the rows named "printing" a CUPS
# default printer). Then --help, --version, "--".
#
#   bash tests/e2e/console_faults.sh <built tamsoret>
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

program=${1:?usage: console_faults.sh <built tamsoret>}
[ -x "$program" ] || e2e_fail "no program at $program"
e2e_init
unset DISPLAY WAYLAND_DISPLAY
chmod 755 "$E2E_TMP"

folder="$E2E_TMP/listed"
# Two names that differ only in a byte that is not UTF-8, told apart by their content.
mkdir "$E2E_TMP/bad"$'\xff' "$E2E_TMP/bad"$'\xfe'
touch "$E2E_TMP/bad"$'\xff'/ff.txt "$E2E_TMP/bad"$'\xfe'/fe.txt
mkdir -p "$folder/--help"
seq -f "$folder/file%04g.txt" 1 3000 | xargs touch
chmod -R a+rX "$folder"
old="$E2E_TMP/old.txt"
printf 'Tamsoret - an older listing\r\nthat must survive\r\n' >"$E2E_TMP/older"
locked="$E2E_TMP/locked"
mkdir -m 777 "$locked"
# Enterable, not readable: its error shows whenever the folder is read.
closed="$E2E_TMP/closed"
mkdir -m 311 "$closed"
lpstat -r 2>/dev/null | grep -q 'scheduler is running' && lpstat -d 2>/dev/null | grep -q ': ' &&
  cups_up=1

e2e_unprivileged "$program"
as_other=("${AS_OTHER[@]}" "$OTHER_PROGRAM")
if [ "$(id -u)" -eq 0 ]; then
  disk="$E2E_TMP/disk"
  mkdir -p "$disk"
  mount -t tmpfs -o size=64k tamsoret-e2e "$disk" || e2e_fail "cannot mount a tmpfs"
  e2e_on_exit "umount '$disk'"
fi

# One row a case: name | status | words the message must hold | the command, as for eval.
cases=(
  "unknown option|2|tamsoret: Unknown option 'colour'.\nTry 'tamsoret --help' for more information.|\$program --colour -o \$old \$folder"
  "empty column list|2|names no column|\$program --columns= -o \$old \$folder"
  "margin with a unit|2|The left margin \"1cm\" is no whole number|\$program --margins=1cm,2,3 -o \$old \$folder"
  "font too small to see|2|from 1 to 999|\$program '--font=Liberation Mono,0.01' -o \$old \$folder"
  "font family unknown|2|\"NoSuchFamily\"|\$program --font=NoSuchFamily -o \$old \$folder"
  "standard output closed|1|Cannot write the listing on standard output: Bad file descriptor|\$program -o - \$folder >&-"
  "help on a full disk|1|Cannot write to standard output: No space left on device|\$program --help >/dev/full"
  "version on a full disk|1|No space left on device|\$program --version >/dev/full"
  "stale X display|1|the X display \":97\" does not answer.\nTo make the listing without a window|env -u QT_QPA_PLATFORM DISPLAY=:97 \$program \$folder"
  "Wayland display gone|1|the Wayland display \"tamsoret-none\"|env QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=tamsoret-none \$program \$folder"
  "not UTF-8, missing|2|Path doesn't exists !!|\$program -o \$old \$E2E_TMP/bad\$'\\xfa'"
  "missing value|2|Missing value after '-o'.|\$program \$folder -o"
  "unknown order|2|Unknown order \"colour\": use name, dos-name, size, date.|\$program --order=colour -o \$old \$folder"
  "unknown column|2|Unknown column \"owner\"|\$program --columns=name,owner -o \$old \$folder"
  "margin out of range|2|The left margin \"99999\" must lie between -32768 and 32767 mm.|\$program --margins=99999,0,0 -o \$old \$folder"
  "bad pattern|2|Invalid filter pattern|\$program -f '[z-a]' -o \$old \$folder"
  "window with an option of the options window|2|--columns applies only with --output or --print|\$program --columns=name \$folder"
  "output and printer|2|Give either --output or --print, not both.|\$program -o \$old -p \$folder"
  "empty output name|2|The output file name is empty.|\$program --output= \$folder"
  "not three margins|2|The margins \"1,2\" are not three numbers|\$program --margins=1,2 -o \$old \$folder"
  "bad font size|2|The font size \"big\" is no number|\$program --font=Mono,big -o \$old \$folder"
  "both directions|2|Give either --ascending or --descending, not both.|\$program --ascending --descending -o \$old \$folder"
  "missing folder|2|Path doesn't exists !!\n\nUsage :\nTamsoret <path>|\$program -o \$old \$E2E_TMP/missing"
  "no folder|2|Path doesn't exists !!|\$program -o \$old"
  "output folder missing|1|Cannot write the listing file\n\$E2E_TMP/none/listing.txt\nNo such file or directory|\$program -o \$E2E_TMP/none/listing.txt \$folder"
  "output name a folder|1|Is a directory|\$program -o \$E2E_TMP \$folder"
  "output may not be written|1|Cannot write the listing file\n\$locked/old.txt|\${as_other[@]} -o \$locked/old.txt \$folder"
  "PDF may not be written|1|\$locked/old.pdf|\${as_other[@]} -o \$locked/old.pdf \$folder"
  "full disk|1|Cannot write the listing file\n\$disk/old.txt|\$program -o \$disk/old.txt \$folder"
  "window without a display|1|No display to open the window on|env -u QT_QPA_PLATFORM \$program \$folder"
  "print service down, before reading|1|tamsoret: Cannot print: the print service (CUPS) does not answer at 127.0.0.1:1: Connection refused.|CUPS_SERVER=127.0.0.1:1 \${as_other[@]} -p \$closed"
  "print service gone, a queue named|1|tamsoret: Cannot print: the print service (CUPS) does not answer at /nonexistent/socket: No such file or directory.|CUPS_SERVER=/nonexistent/socket \$program --printer=NoSuchQueue \$folder"
  "printing, no default printer|1|tamsoret: Cannot print: no default printer is set; name one with --printer=QUEUE|LPDEST=TamsoretNoSuchQueue \${as_other[@]} -p \$closed"
  "printing, spool file on a full disk|1|: No space left on device.|TMPDIR=\$disk \$program -p \$folder"
  "printing, unknown printer|2|Cannot print the listing\nNoSuchQueue\nThe printing system does not know this printer.|\$program --printer=NoSuchQueue \$folder"
)
# The words of a row with its variables and line breaks put in.
expand() {
  local s=$1
  s=${s//'$E2E_TMP'/$E2E_TMP}
  s=${s//'$locked'/$locked}
  s=${s//'$disk'/${disk:-}}
  printf '%b' "$s"
}
for row in "${cases[@]}"; do
  IFS='|' read -r name status words command <<<"$row"
  if [[ "$command" == *'$disk'* ]] && [ -z "${disk:-}" ]; then
    e2e_log "$name passed over: mounting a tmpfs needs root"
    continue
  fi
  if [[ "$name" == printing* ]] && [ -z "${cups_up:-}" ]; then
    e2e_log "$name passed over: no CUPS default printer"
    continue
  fi
  targets=("$old" "$locked/old.txt" "$locked/old.pdf" ${disk:+"$disk/old.txt"})
  # Writable again for the copy: as the owner, not root, the last row's modes would stop it.
  chmod 644 "$locked/old.txt" "$locked/old.pdf" 2>/dev/null || true
  for target in "${targets[@]}"; do cp "$E2E_TMP/older" "$target"; done
  chmod 444 "$locked/old.txt" "$locked/old.pdf"
  got=0
  eval "$command" >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" </dev/null || got=$?
  [ "$got" = "$status" ] || e2e_fail "$name: status $got, expected $status: $(cat "$E2E_TMP/stderr")"
  expected=$(expand "$words") message=$(cat "$E2E_TMP/stderr")
  [[ "$message" == *"$expected"* ]] || e2e_fail "$name: the message is '$message', expected '$expected'"
  [ ! -s "$E2E_TMP/stdout" ] || e2e_fail "$name: wrote to standard output: $(head -c 200 "$E2E_TMP/stdout")"
  for target in "${targets[@]}"; do cmp -s "$E2E_TMP/older" "$target" || e2e_fail "$name: $target changed"; done
  [ ! -e "$E2E_TMP/none" ] || e2e_fail "$name: made a folder"
  [ -z "${disk:-}" ] || [ "$(ls -A "$disk")" = old.txt ] || e2e_fail "$name: left $(ls -A "$disk") on the disk"
done

"$program" --help >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" || e2e_fail "--help: status $?"
grep -q '^Usage: tamsoret ' "$E2E_TMP/stdout" && [ ! -s "$E2E_TMP/stderr" ] || e2e_fail "--help wrote: $(cat "$E2E_TMP/stderr")"
[ "$("$program" --version)" = "tamsoret 2.0.0" ] || e2e_fail "--version gave '$("$program" --version)'"
# Each byte of the folder's name reaches the file system as it was given.
"$program" -o - "$E2E_TMP/bad"$'\xff' >"$E2E_TMP/stdout" || e2e_fail "bad\\xff: status $?"
grep -q 'ff\.txt' "$E2E_TMP/stdout" && ! grep -q 'fe\.txt' "$E2E_TMP/stdout" ||
  e2e_fail "bad\\xff listed another folder: $(cat "$E2E_TMP/stdout")"

"$program" -o "$E2E_TMP/out"$'\xff'.txt "$E2E_TMP/bad"$'\xff' || e2e_fail "-o out\\xff.txt: status $?"
[ -f "$E2E_TMP/out"$'\xff'.txt ] || e2e_fail "-o out\\xff.txt wrote $(ls "$E2E_TMP" | grep out)"

# A folder path longer than PATH_MAX heads its listing whole.
long=$E2E_TMP
part=$(printf 'd%.0s' {1..200})
for _ in $(seq 25); do long="$long/$part"; done
python3 - "$E2E_TMP" "$part" <<'PY'
import os, sys
fd = os.open(sys.argv[1], os.O_RDONLY)
for _ in range(25):
    try: os.mkdir(sys.argv[2], dir_fd=fd)
    except FileExistsError: pass
    nxt = os.open(sys.argv[2], os.O_RDONLY, dir_fd=fd); os.close(fd); fd = nxt
open(os.open("deep.txt", os.O_CREAT | os.O_WRONLY, dir_fd=fd), "w").close()
PY
"$program" -o - "$long" >"$E2E_TMP/stdout" || e2e_fail "long path: status $?"
heading=$(grep -a '^Directory of ' "$E2E_TMP/stdout" | tr -d '\r')
[ "$heading" = "Directory of $long" ] || e2e_fail "long path headed '${heading:0:80}...' (${#heading} bytes)"
grep -q 'deep\.txt' "$E2E_TMP/stdout" || e2e_fail "long path: deep.txt not listed"

# A folder named --help stays reachable after "--".
(cd "$folder" && "$program" -o - -- --help) | grep -q 'Directory of .*/--help' || e2e_fail "-- did not end the options"
e2e_pass
