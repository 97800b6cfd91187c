#!/usr/bin/env bash
# The real program's windows in the language the locale names, and the English ones the
# same however English was chosen (LANGUAGE=en, a C LC_MESSAGES). A listing made from the
# German window has the bytes of one made with English texts: the listing is never
# translated. With TAMSORET_SCREENSHOTS=FOLDER the windows' pictures are kept there.
#
#   bash tests/e2e/languages.sh <built tamsoret>
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

program=${1:?usage: languages.sh <built tamsoret>}
[ -x "$program" ] || e2e_fail "no program at $program"
e2e_require import compare pdftotext
e2e_init
e2e_start_xvfb
unset LC_ALL

folder="$E2E_TMP/home/Projects/2026/Reports"
mkdir -p "$folder"
head -c 12345 /dev/zero >"$folder/Notes.txt"
: >"$folder/Übersicht.txt"
mkdir "$folder/Archiv"

# The command line is read before the program has an application to install a catalogue
# in: its help and its complaints speak the desktop's language all the same, and
# LANGUAGE=en still gives English.
while IFS=';' read -r environment help complaint; do
  # shellcheck disable=SC2086 # the environment is words on purpose
  text=$(env $environment "$program" --help) || e2e_fail "$environment: --help failed"
  [ "${text%%$'\n'*}" = "$help" ] || e2e_fail "$environment: --help begins '${text%%$'\n'*}'"
  # shellcheck disable=SC2086
  text=$(env $environment "$program" --order=size-ish -o - "$folder" 2>&1 >/dev/null) && status=0 || status=$?
  [ "$status" -eq 2 ] && [ "${text%%$'\n'*}" = "$complaint" ] ||
    e2e_fail "$environment: a bad --order gave status $status and: $text"
done <<'CASES'
LANG=de_DE.UTF-8;Aufruf: tamsoret [OPTION]... [--] ORDNER;tamsoret: Unbekannte Sortierung "size-ish": verwenden Sie name, dos-name, size, date.
LANG=de_DE.UTF-8 LANGUAGE=en;Usage: tamsoret [OPTION]... [--] FOLDER;tamsoret: Unknown order "size-ish": use name, dos-name, size, date.
CASES

while IFS=';' read -r name environment title; do
  before=$(e2e_windows)
  # shellcheck disable=SC2086 # the environment is words on purpose
  e2e_start env $environment "$program" "$folder"
  main=$(e2e_wait_new_window "$before" 15 "$E2E_PID") ||
    e2e_fail "$name: no main window: $(e2e_program_log "$E2E_PID")"
  [ "$(e2e_window_name "$main")" = Tamsoret ] || e2e_fail "$name: main window named '$(e2e_window_name "$main")'"
  import -window "$main" "$E2E_TMP/main-window-$name.png"
  # Every language keeps O as the options button's access key.
  before=$(e2e_windows)
  e2e_keys "$main" alt+o || e2e_fail "$name: cannot focus the main window"
  options=$(e2e_wait_new_window "$before") || e2e_fail "$name: Alt+O opened no window"
  [ "$(e2e_window_name "$options")" = "$title" ] ||
    e2e_fail "$name: the options window is named '$(e2e_window_name "$options")', not '$title'"
  import -window "$options" "$E2E_TMP/options-window-$name.png"
  e2e_keys "$options" Escape
  e2e_wait_window_gone "$options" 10 || e2e_fail "$name: Escape did not close the options window"
  e2e_keys "$main" Escape
  e2e_wait_exit "$E2E_PID" 20 || e2e_fail "$name: Escape did not end the program"
  [ "$E2E_STATUS" -eq 0 ] || e2e_fail "$name: status $E2E_STATUS: $(e2e_program_log "$E2E_PID")"
  [ -z "$(e2e_program_log "$E2E_PID")" ] || e2e_fail "$name: the program said: $(e2e_program_log "$E2E_PID")"
  if [ -n "${TAMSORET_SCREENSHOTS:-}" ] && [[ $name =~ ^(de|fr)$ ]]; then
    cp "$E2E_TMP/main-window-$name.png" "$E2E_TMP/options-window-$name.png" "$TAMSORET_SCREENSHOTS/"
  fi
done <<'CASES'
en;LANG=en_US.UTF-8;Tamsoret options
de;LANG=de_DE.UTF-8;Tamsoret-Optionen
fr;LANG=fr_FR.UTF-8;Options de Tamsoret
nl;LANG=nl_NL.UTF-8;Tamsoret-opties
es;LANG=es_ES.UTF-8;Opciones de Tamsoret
de-language-en;LANG=de_DE.UTF-8 LANGUAGE=en;Tamsoret options
de-messages-c;LANG=de_DE.UTF-8 LC_MESSAGES=C;Tamsoret options
CASES

# The English windows look the same whichever way English was chosen; in the main window
# only the filter's blinking text cursor (a line of 13 pixels) may differ.
for name in de-language-en de-messages-c; do
  for window in main options; do
    differ=$(compare -metric AE "$E2E_TMP/$window-window-en.png" "$E2E_TMP/$window-window-$name.png" null: 2>&1) || true
    [ "$differ" -le "$([ $window = main ] && echo 13 || echo 0)" ] ||
      e2e_fail "$name: $differ pixels of the $window window differ from the English one"
  done
done

masked() { sed -E -e 's/^(Tamsoret - ).*/\1CLOCK/' -e 's/[0-9., ]+ (b|kb|Mb|Gb) [a-z]+ .*/FREE/' "$@"; }
for run in "de alt+d" "en alt+t LANGUAGE=en"; do
  for kind in txt pdf; do
    read -r name key language <<<"$run"
    # shellcheck disable=SC2086 # no LANGUAGE at all for the German run
    E2E_TO_FILE_KEY=$key e2e_save_listing "$name.$kind" "$program" "$folder" "$E2E_TMP/$name.$kind" \
      env LANG=de_DE.UTF-8 $language
    e2e_wait_exit "$E2E_PID" 60 || e2e_fail "$name.$kind: the program did not end"
    [ "$E2E_STATUS" -eq 0 ] && [ -s "$E2E_TMP/$name.$kind" ] || e2e_fail "$name.$kind: status $E2E_STATUS"
  done
done
cmp <(masked "$E2E_TMP/de.txt") <(masked "$E2E_TMP/en.txt") ||
  e2e_fail "the German window's listing differs: $(diff <(masked "$E2E_TMP/de.txt") <(masked "$E2E_TMP/en.txt"))"
grep -q '^Directory of ' "$E2E_TMP/de.txt" && grep -q 'file(s), ' "$E2E_TMP/de.txt" ||
  e2e_fail "the listing lost its English lines: $(cat "$E2E_TMP/de.txt")"
cmp <(pdftotext -layout "$E2E_TMP/de.pdf" - | masked) <(pdftotext -layout "$E2E_TMP/en.pdf" - | masked) ||
  e2e_fail "the German window's PDF differs from the English one's"
e2e_pass
