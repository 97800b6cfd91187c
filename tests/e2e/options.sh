#!/usr/bin/env bash
# The options window driven from the keyboard, as a user without a mouse would. First a left
# margin beyond 16 bits: refused with a message, the window stays, Escape saves nothing. Then
# Alt+O on the main window, Tab and Space to hide the MS-DOS Name column, arrow keys to order
# by size from Z to A, a new left margin typed over the selected old one, Enter for OK, and a
# listing to a file: it must have the new columns in the new order, and the settings file the
# new values.
#
#   bash tests/e2e/options.sh <built tamsoret>
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

program=${1:?usage: options.sh <built tamsoret>}
[ -x "$program" ] || e2e_fail "no program at $program"
program=$(cd -- "$(dirname -- "$program")" && pwd)/$(basename -- "$program")
e2e_init
e2e_start_xvfb

# Three files whose order by name (alpha, beta, gamma) differs from their order by size
# from large to small (beta, gamma, alpha).
folder="$E2E_TMP/listed"
mkdir -p "$folder" "$E2E_TMP/out"
head -c 100 /dev/zero >"$folder/alpha.txt"
head -c 30000 /dev/zero >"$folder/beta.txt"
head -c 2000 /dev/zero >"$folder/gamma.txt"
output="$E2E_TMP/out/listing.txt"
settings="$XDG_CONFIG_HOME/Tamsoret/Tamsoret 2.0.conf"

before=$(e2e_windows)
e2e_start "$program" "$folder"
main=$(e2e_wait_new_window "$before") || e2e_fail "the main window did not appear: $(e2e_program_log "$E2E_PID")"
[ "$(e2e_window_name "$main")" = Tamsoret ] || e2e_fail "main window named '$(e2e_window_name "$main")'"

open_options() {
  local before
  before=$(e2e_windows)
  e2e_keys "$main" alt+o || e2e_fail "cannot focus the main window"
  options=$(e2e_wait_new_window "$before") || e2e_fail "Alt+O opened no window"
  [ "$(e2e_window_name "$options")" = "Tamsoret options" ] ||
    e2e_fail "options window named '$(e2e_window_name "$options")'"
}

# The focus starts on OK. Tab order: OK, Cancel, Choose Font, Name, MS-DOS Name, Size,
# Date/Time, Attributes, the selected order button, the selected direction button, Left.

# A left margin beyond 16 bits is refused with a message; the window stays open, and
# Escape then closes it without saving anything.
open_options
e2e_keys "$options" Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab || e2e_fail "cannot focus the options window"
e2e_type "$options" 40000
before=$(e2e_windows)
e2e_keys "$options" Return
box=$(e2e_wait_new_window "$before") || e2e_fail "a left margin of 40000 was not refused"
e2e_keys "$box" Return
e2e_wait_window_gone "$box" 10 || e2e_fail "the message box did not close"
e2e_windows | grep -qx "$options" || e2e_fail "the refused margin closed the options window"
e2e_keys "$options" Escape
e2e_wait_window_gone "$options" 10 || e2e_fail "Escape did not close the options window"
[ ! -e "$settings" ] || e2e_fail "the refused margin or Escape wrote $settings: $(cat "$settings")"

open_options
e2e_keys "$options" Tab Tab Tab Tab space
e2e_keys "$options" Tab Tab Tab Tab Down Down Tab Right Tab
# The left margin's old text is selected, so typing replaces it.
e2e_type "$options" 15
e2e_keys "$options" Return
e2e_wait_window_gone "$options" 10 || e2e_fail "Enter did not close the options window"
[ -f "$settings" ] || e2e_fail "OK wrote no settings file at $settings"

# Alt+T ticks "To file" about 100 ms later; only then may Enter start the run.
e2e_keys "$main" alt+t
sleep 0.5
before=$(e2e_windows)
e2e_keys "$main" Return
save=$(e2e_wait_new_window "$before") || e2e_fail "OK opened no save dialog"
e2e_type "$save" "$output"
e2e_keys "$save" Return
e2e_wait_exit "$E2E_PID" 30 || e2e_fail "the program did not end after the listing"
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS: $(e2e_program_log "$E2E_PID")"
[ -f "$output" ] || e2e_fail "no listing at $output"

# -------------------------------------------------------------------- the listing

mapfile -t lines < <(iconv -f WINDOWS-1252 -t UTF-8 "$output" | tr -d '\r')
titles="Name                       Size       Modified        Attributes"
[ "${lines[5]}" = "$titles" ] || e2e_fail "titles line is '${lines[5]}', expected '$titles'"
names=()
for line in "${lines[@]:7:3}"; do
  names+=("$(printf '%s' "${line:0:25}" | sed 's/ *$//')")
done
[ "${names[*]}" = "Beta.txt Gamma.txt Alpha.txt" ] ||
  e2e_fail "entries in the order '${names[*]}', expected Beta.txt Gamma.txt Alpha.txt (by size, Z -> A)"
# Without the MS-DOS column the size starts right after the name's two blanks.
size_cell=${lines[7]:27:9}
[ "$(echo "$size_cell" | tr -d ' ')" = "29kb" ] ||
  e2e_fail "size cell of beta.txt is '$size_cell' (whole line: '${lines[7]}')"

# -------------------------------------------------------------------- the settings

expect_setting() {
  local key=$1 want=$2 got
  got=$(sed -n "s/^$key=//p" "$settings")
  [ "$got" = "$want" ] || e2e_fail "settings: $key is '$got', expected '$want' ($(tr '\n' ' ' <"$settings"))"
}
expect_setting Show 10111
expect_setting OrderBy 3
expect_setting OrderAZ False
expect_setting MarginLeft 15
expect_setting MarginTop 25
expect_setting MarginBottom 30
expect_setting FontName "Courier New"
expect_setting FontSize 10

e2e_pass
