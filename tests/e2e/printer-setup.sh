#!/usr/bin/env bash
# A cups-pdf queue as the default printer, for tests that print or measure on a real printer.
# Source this file and call ensure_pdf_printer; it may be called any number of times.
# Afterwards pdf_output_dir names the folder where cups-pdf writes the PDFs of this user's jobs.

TAMSORET_PDF_QUEUE=${TAMSORET_PDF_QUEUE:-TamsoretPDF}

_pdf_printer_log() { echo "printer-setup: $*" >&2; }

# Runs a command as root: directly when we are root, through sudo otherwise.
_pdf_printer_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo -n "$@"; fi
}

_pdf_printer_scheduler_running() {
    lpstat -r 2>/dev/null | grep -q 'scheduler is running'
}

# Waits up to $2 seconds (default 30) for the command in $1 to succeed.
_pdf_printer_wait() {
    local test=$1 limit=${2:-30} i
    for ((i = 0; i < limit * 4; i++)); do
        if eval "$test"; then return 0; fi
        sleep 0.25
    done
    return 1
}

ensure_pdf_printer() {
    local queue=$TAMSORET_PDF_QUEUE
    if ! command -v lpadmin >/dev/null || ! command -v cupsd >/dev/null \
        && ! [ -x /usr/sbin/cupsd ]; then
        _pdf_printer_log "CUPS is not installed (run scripts/setup.sh)"
        return 1
    fi
    if ! [ -e /usr/lib/cups/backend/cups-pdf ]; then
        _pdf_printer_log "the cups-pdf backend is not installed (run scripts/setup.sh)"
        return 1
    fi

    if ! _pdf_printer_scheduler_running; then
        _pdf_printer_root mkdir -p /run/cups
        # cupsd puts itself in the background; a second start while one is coming up fails
        # harmlessly because the socket is taken.
        _pdf_printer_root "$(command -v cupsd || echo /usr/sbin/cupsd)" >/dev/null 2>&1 || true
        if ! _pdf_printer_wait _pdf_printer_scheduler_running 30; then
            _pdf_printer_log "cupsd did not start"
            return 1
        fi
    fi

    if ! lpstat -p "$queue" >/dev/null 2>&1; then
        local model=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
        if ! _pdf_printer_root lpadmin -p "$queue" -E -v cups-pdf:/ -m "$model" \
            -o pdftops-renderer-default=pdftocairo 2>/dev/null; then
            # The driver index may not list the model yet right after installation.
            _pdf_printer_root lpadmin -p "$queue" -E -v cups-pdf:/ \
                -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
                -o pdftops-renderer-default=pdftocairo || {
                _pdf_printer_log "cannot add the queue $queue"
                return 1
            }
        fi
    fi
    # A queue left disabled by an earlier failed job would hold every later job.
    _pdf_printer_root cupsenable "$queue" >/dev/null 2>&1 || true
    _pdf_printer_root cupsaccept "$queue" >/dev/null 2>&1 || true

    # The server default serves users with no lpoptions file of their own (tests run with a
    # temporary HOME); lpoptions covers users whose own file names another printer.
    _pdf_printer_root lpadmin -d "$queue" >/dev/null 2>&1 || true
    lpoptions -d "$queue" >/dev/null 2>&1 || true

    if ! _pdf_printer_wait "lpstat -d 2>/dev/null | grep -q \": $queue\\\$\"" 30; then
        _pdf_printer_log "$queue did not become the default printer: $(lpstat -d 2>&1)"
        return 1
    fi
    mkdir -p "$(pdf_output_dir)" 2>/dev/null || true
    return 0
}

# The folder cups-pdf writes this user's jobs to: its "Out" setting with ${HOME} replaced by
# the user's home from the password database (not $HOME: the backend does not see ours).
pdf_output_dir() {
    local out home
    out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\{1,\}//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
    [ -n "$out" ] || out='${HOME}/PDF'
    home=$(getent passwd "$(id -un)" | cut -d: -f6)
    out=${out//\$\{HOME\}/$home}
    out=${out//\$\{USER\}/$(id -un)}
    echo "${out%/}"
}

# A second cups-pdf queue whose A4 page has unprintable edges, as real printers' have: the
# PPD's A4 ImageableArea is "18 36 577 806" (6.35 mm at the sides, 12.7 mm at top and
# bottom). Prints the queue's name; returns 1 when it cannot be added (no CUPS, no rights).
ensure_edged_printer() {
    local queue=${TAMSORET_PDF_QUEUE}Edges ppd=${TMPDIR:-/tmp}/tamsoret-edges-$$.ppd status=0
    if ! lpstat -p "$queue" >/dev/null 2>&1; then
        sed 's|^\*ImageableArea A4/A4: "0 0 595 842"|*ImageableArea A4/A4: "18 36 577 806"|' \
            /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd >"$ppd" &&
            _pdf_printer_root lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" \
                -o pdftops-renderer-default=pdftocairo 2>/dev/null || status=1
        rm -f "$ppd"
    fi
    _pdf_printer_root cupsenable "$queue" >/dev/null 2>&1 || true
    _pdf_printer_root cupsaccept "$queue" >/dev/null 2>&1 || true
    [ "$status" -eq 0 ] && echo "$queue"
}
