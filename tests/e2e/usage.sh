#!/usr/bin/env bash
# A folder that does not exist: the usage message box (title "Tamsoret", four lines), no main
# window, and after OK the program ends with status 2.
#
#   bash tests/e2e/usage.sh <built tamsoret>
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

program=${1:?usage: usage.sh <built tamsoret>}
[ -x "$program" ] || e2e_fail "no program at $program"
e2e_init
e2e_start_xvfb

for bad in "$E2E_TMP/missing" "relative/path" "\"$E2E_TMP\""; do
  before=$(e2e_windows)
  e2e_start "$program" "$bad"
  box=$(e2e_wait_new_window "$before") || e2e_fail "no message box for '$bad': $(e2e_program_log "$E2E_PID")"
  [ "$(e2e_window_name "$box")" = Tamsoret ] || e2e_fail "message box titled '$(e2e_window_name "$box")'"
  if [ "$bad" = "$E2E_TMP/missing" ]; then
    import -window "$box" "$E2E_TMP/usage.png" 2>/dev/null || true
    [ -n "${TAMSORET_SCREENSHOTS:-}" ] && cp "$E2E_TMP/usage.png" "$TAMSORET_SCREENSHOTS/usage-message.png"
  fi
  # Only the message box is there: no main window appeared behind it.
  [ "$(comm -13 <(echo "$before") <(e2e_windows) | wc -l)" -eq 1 ] || e2e_fail "more than the message box appeared"
  e2e_keys "$box" Return
  e2e_wait_exit "$E2E_PID" 15 || e2e_fail "the program did not end after the usage message"
  [ "$E2E_STATUS" -eq 2 ] || e2e_fail "exit status $E2E_STATUS for '$bad', expected 2"
done

# An empty argument gets the same message.
before=$(e2e_windows)
e2e_start "$program" ""
box=$(e2e_wait_new_window "$before") || e2e_fail "no message box for an empty argument"
e2e_keys "$box" Return
e2e_wait_exit "$E2E_PID" 15 || e2e_fail "the program did not end"
[ "$E2E_STATUS" -eq 2 ] || e2e_fail "exit status $E2E_STATUS for an empty argument"
e2e_pass
