#!/usr/bin/env bash
# Printing faults with the real program on a CUPS queue of its own, made the default
# through LPDEST (the machine's default printer and other jobs are left alone):
#   - the queue takes the job: the program ends with 0 and the queue has one job;
#   - the queue is stopped (cupsdisable) or refuses jobs (cupsreject): a message box,
#     exit status 1, and the queue has no job;
#   - the default printer names a queue that does not exist: a message box, exit status 1.
# The texts of these messages are checked in PrinterFaultsTest; here a screenshot of each
# box is kept in the scratch folder.
#
#   bash tests/e2e/faults_print.sh <built tamsoret>
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/printer-setup.sh"

program=${1:?usage: faults_print.sh <built tamsoret>}
[ -x "$program" ] || e2e_fail "no program at $program"
e2e_need_root "adding a CUPS queue of its own"
e2e_init
ensure_pdf_printer || e2e_fail "cannot start CUPS with the cups-pdf backend"
e2e_start_xvfb

queue="TamsoretE2EFaults$$"
lpadmin -p "$queue" -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null ||
  e2e_fail "cannot add the queue $queue"
e2e_on_exit "cancel -a '$queue' 2>/dev/null; lpadmin -x '$queue' 2>/dev/null"

folder="$E2E_TMP/listed"
mkdir -p "$folder"
: >"$folder/a.txt"

jobs_of_queue() { lpstat -W all -o "$queue" 2>/dev/null | grep -c "^$queue-" || true; }

# print_once NAME: starts the program on the folder, presses Enter (OK prints), and
# answers a message box if one comes. Sets BOX (1 when a box was shown) and E2E_STATUS.
print_once() {
  local name=$1 main
  E2E_BEFORE=$(e2e_windows)
  e2e_start "$program" "$folder"
  main=$(e2e_wait_new_window "$E2E_BEFORE") || e2e_fail "$name: no main window: $(e2e_program_log "$E2E_PID")"
  E2E_BEFORE=$(e2e_windows)
  e2e_keys "$main" Return
  e2e_answer_box "$name" 10
}

export LPDEST=$queue
print_once accepted
[ "$BOX" = 0 ] && [ "$E2E_STATUS" = 0 ] || e2e_fail "accepted: box $BOX, status $E2E_STATUS"
[ "$(jobs_of_queue)" = 1 ] || e2e_fail "accepted: the queue has $(jobs_of_queue) jobs, not 1"

cupsdisable -r "Paper jam" "$queue"
print_once stopped
[ "$BOX" = 1 ] && [ "$E2E_STATUS" = 1 ] || e2e_fail "stopped: box $BOX, status $E2E_STATUS"
[ "$(jobs_of_queue)" = 1 ] || e2e_fail "stopped: a job was queued on a stopped printer"
cupsenable "$queue"

cupsreject -r "Out of paper" "$queue"
print_once refused
[ "$BOX" = 1 ] && [ "$E2E_STATUS" = 1 ] || e2e_fail "refused: box $BOX, status $E2E_STATUS"
[ "$(jobs_of_queue)" = 1 ] || e2e_fail "refused: the job count changed"
cupsaccept "$queue"

export LPDEST=TamsoretNoSuchQueue$$
print_once missing
[ "$BOX" = 1 ] && [ "$E2E_STATUS" = 1 ] || e2e_fail "no default printer: box $BOX, status $E2E_STATUS"
e2e_pass
