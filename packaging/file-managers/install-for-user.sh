#!/usr/bin/env bash
# Adds "Make a listing with Tamsoret" to a file manager's menu for folders, for the
# current user only:
#
#   install-for-user.sh dolphin|nautilus|nemo|caja|thunar
#   install-for-user.sh --remove dolphin|nautilus|nemo|caja|thunar
#
# The files it installs lie beside it (share/tamsoret/file-managers when installed,
# packaging/file-managers in the source tree). The action starts "tamsoret" from the
# PATH; when it is not on the PATH, the copy installed beside this script is named by
# its full path instead.
set -euo pipefail

here=$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")" && pwd)
data_home=${XDG_DATA_HOME:-$HOME/.local/share}
config_home=${XDG_CONFIG_HOME:-$HOME/.config}
# A script's file name is its entry in the menu, so it is named in the user's language, by
# the rule gettext follows: the languages of LANGUAGE in turn, then that of the messages
# locale, English stopping the search; a C or POSIX messages locale means English.
action_name="Make a listing with Tamsoret"
declare -A translated_names=(
  [de]="Mit Tamsoret eine Liste erstellen"
  [es]="Hacer un listado con Tamsoret"
  [fr]="Faire une liste avec Tamsoret"
  [nl]="Een lijst maken met Tamsoret"
)
messages_locale=${LC_ALL:-${LC_MESSAGES:-${LANG:-}}}
case $messages_locale in
  "" | C | C.* | POSIX) ;;
  *)
    for language in ${LANGUAGE:+${LANGUAGE//:/ }} "$messages_locale"; do
      language=${language%%[_.@]*}
      [ "$language" = en ] && break
      if [ -n "${translated_names[$language]:-}" ]; then
        action_name=${translated_names[$language]}
        break
      fi
    done
    ;;
esac

usage() {
  echo "Usage: ${0##*/} [--remove] dolphin|nautilus|nemo|caja|thunar" >&2
  exit 2
}

remove=false
if [ "${1:-}" = "--remove" ]; then
  remove=true
  shift
fi
[ $# -eq 1 ] || usage
manager=$1

# The program as the installed action will start it.
program=tamsoret
if ! command -v tamsoret >/dev/null 2>&1; then
  # share/tamsoret/file-managers -> bin/tamsoret of the same prefix
  candidate=$(cd -- "$here/../../.." 2>/dev/null && pwd)/bin/tamsoret
  if [ -x "$candidate" ]; then
    program=$candidate
  else
    echo "${0##*/}: note: tamsoret is not on the PATH; the action will work once it is." >&2
  fi
fi

say() { printf '%s\n' "$*"; }

install_script() {  # folder: a Scripts folder of Nautilus, Nemo or Caja
  local target="$1/$action_name" name
  # The script under any of its names goes: installed in another language, it would
  # otherwise stay beside the new one, or stay behind after a removal.
  for name in "Make a listing with Tamsoret" "${translated_names[@]}"; do
    if [ -e "$1/$name" ]; then
      rm -f -- "$1/$name"
      $remove && say "Removed $1/$name"
    fi
  done
  $remove && return
  mkdir -p -- "$1"
  # Single quotes keep the path as it is; a quote inside it is closed, escaped, reopened.
  local line="program='${program//\'/\'\\\'\'}'"
  LINE=$line awk '$0 == "program=tamsoret" { print ENVIRON["LINE"]; next } { print }' \
    "$here/nautilus-script" >"$target.tmp"
  chmod 755 -- "$target.tmp"
  mv -f -- "$target.tmp" "$target"
  say "Installed $target"
}

install_dolphin() {
  # KDE Frameworks 5.85 and later, and 6, read service menus from kio/servicemenus and
  # run only those that are executable.
  local folder="$data_home/kio/servicemenus" target
  target="$folder/tamsoret.desktop"
  if $remove; then
    rm -f -- "$target"
    say "Removed $target"
    return
  fi
  mkdir -p -- "$folder"
  local exec_value=$program
  if [ "$program" != tamsoret ]; then
    # Desktop entries quote an argument with blanks in double quotes, escaping " ` $ \.
    exec_value=$(printf '%s' "$program" | sed -e 's/\\/\\\\\\\\/g' -e 's/["`$]/\\\\&/g')
    exec_value="\"$exec_value\""
  fi
  EXEC=$exec_value awk '
    /^Exec=tamsoret / { sub(/^Exec=tamsoret/, ""); print "Exec=" ENVIRON["EXEC"] $0; next }
    { print }' "$here/dolphin-servicemenu.desktop" >"$target.tmp"
  chmod 755 -- "$target.tmp"
  mv -f -- "$target.tmp" "$target"
  say "Installed $target"
}

install_thunar() {
  # Thunar keeps all custom actions in one file; ours is the <action> whose unique-id
  # is tamsoret-make-listing, replaced or removed without touching the others.
  local folder="$config_home/Thunar" file
  file="$folder/uca.xml"
  mkdir -p -- "$folder"
  if [ ! -f "$file" ]; then
    $remove && { say "Nothing to remove in $file"; return; }
    printf '<?xml version="1.0" encoding="UTF-8"?>\n<actions>\n</actions>\n' >"$file"
  fi
  local snippet
  snippet=$(cat "$here/thunar-uca.xml")
  if [ "$program" != tamsoret ]; then
    local xml=$program
    xml=${xml//&/&amp;}; xml=${xml//</&lt;}; xml=${xml//>/&gt;}
    xml=${xml//\'/\'\\\'\'}
    snippet=${snippet//<command>tamsoret /<command>\'$xml\' }
  fi
  $remove && snippet=""
  SNIPPET=$snippet awk '
    # Buffer each <action> ... </action> and drop it when it is ours.
    /<action>/ && !inside { inside = 1; block = ""; }
    inside {
      block = block $0 "\n"
      if ($0 ~ /<\/action>/) {
        inside = 0
        if (block !~ /<unique-id>tamsoret-make-listing<\/unique-id>/) printf "%s", block
      }
      next
    }
    /<\/actions>/ && ENVIRON["SNIPPET"] != "" { print ENVIRON["SNIPPET"] }
    { print }' "$file" >"$file.tmp"
  mv -f -- "$file.tmp" "$file"
  if $remove; then say "Removed the action from $file"; else say "Installed the action in $file"; fi
  say "Thunar reads it at its next start (thunar -q ends a running Thunar)."
}

case "$manager" in
  dolphin) install_dolphin ;;
  nautilus) install_script "$data_home/nautilus/scripts" ;;
  nemo) install_script "$data_home/nemo/scripts" ;;
  caja) install_script "$config_home/caja/scripts" ;;
  thunar) install_thunar ;;
  *) usage ;;
esac
