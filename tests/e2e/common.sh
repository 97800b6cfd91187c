# shellcheck shell=bash
# Helpers for the end-to-end scripts in this folder. Source it, do not run it:
#
#   source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
#   e2e_init                        # scratch folder, clean environment, cleanup at exit
#   e2e_start_xvfb                  # private X server; exports DISPLAY
#   before=$(e2e_windows)
#   e2e_start "$program" /some/folder   # own process group; pid in E2E_PID
#   win=$(e2e_wait_new_window "$before") || e2e_fail "no window"
#   e2e_keys "$win" alt+t           # focus the window, then press keys
#   e2e_wait_exit "$E2E_PID" 20 || e2e_fail "still running"; echo "$E2E_STATUS"
#
# Facts these helpers are built on (measured on the test machines):
# - Xvfb needs -noreset: without it the server resets whenever its last client leaves,
#   and a program connecting during the reset aborts.
# - There is no window manager: windowactivate fails, windowfocus --sync works, and the
#   program's top-level windows are children of the root window.
# - An untitled message box has no name to search for: new windows are found by listing
#   the windows before and after an action.
# - xdotool's --clearmodifiers can leave Alt pressed after a timeout; it is not used.
# - Qt loads a desktop theme (other dialogs, other key handling) when it sees a desktop
#   session in the environment; e2e_init clears those variables.
#
# Everything started here (X server, programs) is ended by the EXIT trap, also when the
# script fails half-way. A script that needs its own cleanup adds it with e2e_on_exit.

set -euo pipefail

E2E_NAME=${E2E_NAME:-$(basename "${0%.sh}")}
E2E_TMP=""
E2E_XVFB_PID=""
E2E_PID=""
E2E_GROUPS=()
E2E_EXIT_HOOKS=()

# ---------------------------------------------------------------------------- reporting

e2e_log() { printf '%s: %s\n' "$E2E_NAME" "$*" >&2; }

# Ends the script as failed, with a reason.
e2e_fail() {
  printf '%s: FAIL: %s\n' "$E2E_NAME" "$*" >&2
  exit 1
}

# Ends the script as passed without testing, with a reason. CTest counts it as passed,
# so use it only when what is to be tested has not been built, never to hide a failure.
e2e_skip() {
  printf '%s: SKIP: %s\n' "$E2E_NAME" "$*"
  exit 0
}

# Ends the script as skipped for lack of rights: exit status 77, which CTest counts as
# skipped, after one line saying what root is needed for. scripts/test.sh collects these
# lines (the file TAMSORET_RIGHTS_LOG names) to run the scripts again through sudo or to
# count them.
e2e_skip_rights() {
  printf '%s: SKIP: needs root: %s\n' "$E2E_NAME" "$*"
  if [ -n "${TAMSORET_RIGHTS_LOG:-}" ]; then
    printf 'e2e_%s\t%s\n' "$E2E_NAME" "$*" >>"$TAMSORET_RIGHTS_LOG" || true
  fi
  exit 77
}

# e2e_need_root WHAT: goes on as root, skips for lack of rights otherwise.
e2e_need_root() {
  [ "$(id -u)" -eq 0 ] || e2e_skip_rights "$@"
}

e2e_pass() {
  printf '%s: PASS\n' "$E2E_NAME"
  exit 0
}

# e2e_check DESCRIPTION COMMAND...: runs the command, fails the script when it fails.
e2e_check() {
  local what=$1
  shift
  "$@" || e2e_fail "$what"
}

e2e_require() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || e2e_fail "needs '$tool' (bash scripts/setup.sh installs it)"
  done
}

# ---------------------------------------------------------------------------- lifetime

# e2e_on_exit COMMAND: run COMMAND (a string for eval) at exit, before the processes and
# the scratch folder are gone. Hooks run in reverse order of registration.
e2e_on_exit() { E2E_EXIT_HOOKS+=("$1"); }

e2e_cleanup() {
  local status=$? i
  set +e
  for ((i = ${#E2E_EXIT_HOOKS[@]} - 1; i >= 0; i--)); do
    eval "${E2E_EXIT_HOOKS[$i]}"
  done
  for i in "${E2E_GROUPS[@]}"; do
    e2e_kill_group "$i"
  done
  if [ -n "$E2E_XVFB_PID" ]; then
    kill "$E2E_XVFB_PID" 2>/dev/null
    wait "$E2E_XVFB_PID" 2>/dev/null
  fi
  if [ -n "$E2E_TMP" ] && [ -z "${E2E_KEEP:-}" ]; then
    rm -rf -- "$E2E_TMP"
  elif [ -n "$E2E_TMP" ]; then
    e2e_log "kept $E2E_TMP"
  fi
  exit "$status"
}

# Makes the scratch folder $E2E_TMP, gives the programs a private home and settings
# store, clears what would make Qt behave like a desktop session, and arms the cleanup.
# E2E_KEEP=1 keeps the scratch folder for a look afterwards.
e2e_init() {
  E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/tamsoret-$E2E_NAME.XXXXXX")
  trap e2e_cleanup EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  mkdir -p "$E2E_TMP/home" "$E2E_TMP/config" "$E2E_TMP/runtime"
  chmod 700 "$E2E_TMP/runtime"
  export HOME="$E2E_TMP/home"
  export XDG_CONFIG_HOME="$E2E_TMP/config"
  export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
  unset XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP XDG_SESSION_TYPE DESKTOP_SESSION \
    KDE_FULL_SESSION KDE_SESSION_VERSION GNOME_DESKTOP_SESSION_ID WAYLAND_DISPLAY \
    QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_QPA_PLATFORM SESSION_MANAGER LANGUAGE
  export LC_ALL=${LC_ALL:-C.UTF-8}
}

# e2e_unprivileged PROGRAM: someone whom permission bits stop, for the permission cases.
# As root that is the user nobody, with a home of its own and a copy of PROGRAM (the build
# folder may lie where nobody cannot reach it, such as /root); otherwise it is the tester,
# and the cases give their folders and files modes that deny the owner as well. Sets
# AS_OTHER (a command prefix) and OTHER_PROGRAM.
AS_OTHER=()
OTHER_PROGRAM=""
e2e_unprivileged() {
  local program=$1 other="$E2E_TMP/nobody"
  if [ "$(id -u)" -ne 0 ]; then
    AS_OTHER=(env)
    OTHER_PROGRAM=$program
    return 0
  fi
  chmod 755 "$E2E_TMP"
  mkdir -p "$other/config" "$other/runtime" "$other/bin"
  cp -- "$program" "$other/bin/" || e2e_fail "cannot copy $program for nobody"
  chown -R nobody:nogroup "$other"
  chmod 755 "$other" "$other/bin"
  chmod 700 "$other/runtime"
  AS_OTHER=(setpriv --reuid=nobody --regid=nogroup --clear-groups
    env HOME="$other" XDG_CONFIG_HOME="$other/config" XDG_RUNTIME_DIR="$other/runtime")
  OTHER_PROGRAM="$other/bin/$(basename -- "$program")"
}

# The build folder that holds PROGRAM: the nearest folder above it with a CMakeCache.txt.
e2e_build_dir() {
  local dir
  dir=$(cd -- "$(dirname -- "$1")" && pwd)
  while [ "$dir" != / ]; do
    if [ -f "$dir/CMakeCache.txt" ]; then
      printf '%s\n' "$dir"
      return 0
    fi
    dir=$(dirname -- "$dir")
  done
  return 1
}

# ---------------------------------------------------------------------------- X server

# Starts a private Xvfb on a display number it picks itself (-displayfd, so two tests
# never race for one number) and exports DISPLAY once the server answers.
e2e_start_xvfb() {
  e2e_require Xvfb xdotool xwininfo
  local display_file="$E2E_TMP/xvfb-display" number="" i
  : >"$display_file"
  Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    9>"$display_file" >"$E2E_TMP/xvfb.log" 2>&1 &
  E2E_XVFB_PID=$!
  for ((i = 0; i < 100; i++)); do
    # The server writes the number and a line end once it accepts connections.
    if [ "$(wc -l <"$display_file")" -ge 1 ]; then
      number=$(tr -dc 0-9 <"$display_file")
      break
    fi
    kill -0 "$E2E_XVFB_PID" 2>/dev/null || e2e_fail "Xvfb did not start: $(tail -n 5 "$E2E_TMP/xvfb.log")"
    sleep 0.1
  done
  [ -n "$number" ] || e2e_fail "Xvfb gave no display number within 10 s"
  export DISPLAY=":$number"
  for ((i = 0; i < 100; i++)); do
    xwininfo -root >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  e2e_fail "Xvfb on $DISPLAY does not answer"
}

# The ids (decimal) of the viewable top-level windows, one per line, sorted.
e2e_windows() {
  local id
  xwininfo -root -children 2>/dev/null | awk '/^ +0x[0-9a-f]+ /{ print $1 }' | while read -r id; do
    if xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then
      printf '%d\n' "$id"
    fi
  done | sort -n
}

# e2e_wait_new_window BEFORE [TIMEOUT [PID]]: waits until a viewable top-level window exists
# that is not among BEFORE (an e2e_windows listing) and prints its id. When several
# appeared, the one created last. Returns 1 after TIMEOUT seconds (default 15), or as soon
# as the program PID has ended, when one is given.
e2e_wait_new_window() {
  local before=$1 timeout=${2:-15} pid=${3:-} now new deadline
  deadline=$((SECONDS + timeout))
  while ((SECONDS < deadline)); do
    if [ -n "$pid" ] && ! e2e_running "$pid"; then
      return 1
    fi
    now=$(e2e_windows)
    new=$(comm -13 <(printf '%s\n' "$before" | sort) <(printf '%s\n' "$now" | sort) | sed '/^$/d')
    if [ -n "$new" ]; then
      # Window ids grow as they are made; wait a moment for the window to be drawn.
      sleep 0.3
      printf '%s\n' "$new" | sort -n | tail -n 1
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# e2e_wait_window_gone WINDOW [TIMEOUT]
e2e_wait_window_gone() {
  local win=$1 timeout=${2:-15} deadline
  deadline=$((SECONDS + timeout))
  while ((SECONDS < deadline)); do
    e2e_windows | grep -qx "$win" || return 0
    sleep 0.1
  done
  return 1
}

# The window's title (empty for an untitled window).
e2e_window_name() { xdotool getwindowname "$1" 2>/dev/null || true; }

# e2e_keys WINDOW KEY...: gives WINDOW the keyboard focus, then presses the keys (xdotool
# key names: alt+t, Return, Escape, Tab) one after another.
e2e_keys() {
  local win=$1
  shift
  xdotool windowfocus --sync "$win" || return 1
  sleep 0.1
  xdotool key --delay 60 "$@"
}

# e2e_type WINDOW TEXT: gives WINDOW the focus and types TEXT.
e2e_type() {
  xdotool windowfocus --sync "$1" || return 1
  sleep 0.1
  xdotool type --delay 25 -- "$2"
}

# ---------------------------------------------------------------------------- programs

# e2e_start PROGRAM ARG...: starts the program in a process group of its own (setsid),
# with its output in $E2E_TMP/program-<pid>.log; E2E_PID is its process id, which is also
# the group's id. The group is ended at exit, so no window outlives the test.
e2e_start() {
  local log="$E2E_TMP/program.log.$$.$RANDOM"
  setsid "$@" >"$log" 2>&1 </dev/null &
  E2E_PID=$!
  E2E_GROUPS+=("$E2E_PID")
  mv -f -- "$log" "$E2E_TMP/program-$E2E_PID.log" 2>/dev/null || true
}

# The output of a program started by e2e_start, by its pid.
e2e_program_log() { cat -- "$E2E_TMP/program-$1.log" 2>/dev/null || true; }

# e2e_running PID: the program runs (it has not ended; an ended one that was not collected
# yet shows as a zombie).
e2e_running() {
  kill -0 "$1" 2>/dev/null && [ "$(ps -o stat= -p "$1" 2>/dev/null | cut -c1)" != Z ]
}

# e2e_wait_exit PID [TIMEOUT]: waits for a program started by e2e_start to end and sets
# E2E_STATUS to its exit status. Returns 1 when it still runs after TIMEOUT seconds
# (default 15). Call it directly, not in $(...): only this shell can collect the status.
# shellcheck disable=SC2034 # read by the scripts that source this file
E2E_STATUS=""
e2e_wait_exit() {
  local pid=$1 timeout=${2:-15} deadline i
  deadline=$((SECONDS + timeout))
  E2E_STATUS=""
  while kill -0 "$pid" 2>/dev/null; do
    # Ended but not yet collected: ps shows it as a zombie.
    [ "$(ps -o stat= -p "$pid" 2>/dev/null | cut -c1)" = Z ] && break
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
  E2E_STATUS=0
  # shellcheck disable=SC2034 # read by the caller
  wait "$pid" || E2E_STATUS=$?
  # Its group needs no ending at exit any more; what it left behind still does.
  for i in "${!E2E_GROUPS[@]}"; do
    if [ "${E2E_GROUPS[$i]}" = "$pid" ] && ! kill -0 -- "-$pid" 2>/dev/null; then
      unset 'E2E_GROUPS[i]'
    fi
  done
}

# Ends a process group started by e2e_start: TERM, then KILL after a grace period.
e2e_kill_group() {
  local pgid=$1 i
  kill -TERM -- "-$pgid" 2>/dev/null || return 0
  for ((i = 0; i < 20; i++)); do
    kill -0 -- "-$pgid" 2>/dev/null || return 0
    sleep 0.1
  done
  kill -KILL -- "-$pgid" 2>/dev/null || true
}

# ---------------------------------------------------------------------------- listing runs

# e2e_save_listing NAME PROGRAM FOLDER OUTPUT [COMMAND PREFIX...]: starts PROGRAM on FOLDER
# (behind the prefix, such as setpriv), ticks "To file" (Alt+T, or the keys in E2E_TO_FILE_KEY
# for a window in another language), presses OK, types OUTPUT into the
# save dialog and presses Enter there (or the keys in E2E_SAVE_KEY). E2E_BEFORE is the window
# listing from just before that Enter, for e2e_answer_box; E2E_SAVE_TITLE the dialog's title.
e2e_save_listing() {
  local name=$1 program=$2 folder=$3 output=$4 before main save
  shift 4
  before=$(e2e_windows)
  e2e_start "$@" "$program" "$folder"
  main=$(e2e_wait_new_window "$before") || e2e_fail "$name: no main window: $(e2e_program_log "$E2E_PID")"
  e2e_keys "$main" "${E2E_TO_FILE_KEY:-alt+t}"
  sleep 0.5 # the access key ticks the box about 100 ms later
  before=$(e2e_windows)
  e2e_keys "$main" Return
  save=$(e2e_wait_new_window "$before") || e2e_fail "$name: OK opened no save dialog"
  E2E_SAVE_TITLE=$(e2e_window_name "$save")
  e2e_type "$save" "$output"
  E2E_BEFORE=$(e2e_windows)
  e2e_keys "$save" "${E2E_SAVE_KEY:-Return}"
}

# e2e_answer_box NAME TIMEOUT: when a message box appears within TIMEOUT seconds (a window
# not in E2E_BEFORE), keeps its picture as $E2E_TMP/NAME.png and presses Enter on it; then
# waits for the program to end. Sets BOX (1 when a box was shown) and E2E_STATUS.
e2e_answer_box() {
  local name=$1 timeout=$2 box
  BOX=0
  if box=$(e2e_wait_new_window "$E2E_BEFORE" "$timeout" "$E2E_PID"); then
    BOX=1
    import -window "$box" "$E2E_TMP/$name.png" 2>/dev/null || true
    e2e_keys "$box" Return
  fi
  e2e_wait_exit "$E2E_PID" 60 || e2e_fail "$name: the program did not end"
}
