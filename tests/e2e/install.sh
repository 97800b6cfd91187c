#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR with prefix /usr and checks what lands there:
# exactly the expected files, a valid desktop entry, icons of the sizes their folders
# name, a manual page that renders without warnings, file-manager actions that install
# for a user and start the program, and the installed program's usage exit status.
#
#   bash tests/e2e/install.sh <built tamsoret>
# shellcheck source=tests/e2e/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

program=${1:?usage: install.sh <built tamsoret>}
[ -x "$program" ] || e2e_fail "no program at $program"
e2e_require cmake desktop-file-validate appstreamcli groff man identify
e2e_init

build=$(e2e_build_dir "$program") || e2e_fail "no build folder above $program"
root="$E2E_TMP/root"

# The manual page is made by the build; make sure it is there when only the program was.
cmake --build "$build" --target tamsoret_manpage >"$E2E_TMP/build.log" 2>&1 ||
  e2e_fail "building the manual page: $(tail -n 20 "$E2E_TMP/build.log")"
DESTDIR="$root" cmake --install "$build" --prefix /usr >"$E2E_TMP/install.log" 2>&1 ||
  e2e_fail "cmake --install: $(tail -n 20 "$E2E_TMP/install.log")"

# ------------------------------------------------------------------ the installed files

fm=usr/share/tamsoret/file-managers
expected_files=(
  usr/bin/tamsoret
  usr/share/applications/tamsoret.desktop
  usr/share/icons/hicolor/16x16/apps/tamsoret.png
  usr/share/icons/hicolor/32x32/apps/tamsoret.png
  usr/share/icons/hicolor/48x48/apps/tamsoret.png
  usr/share/icons/hicolor/64x64/apps/tamsoret.png
  usr/share/icons/hicolor/128x128/apps/tamsoret.png
  usr/share/icons/hicolor/256x256/apps/tamsoret.png
  usr/share/icons/hicolor/scalable/apps/tamsoret.svg
  usr/share/man/man1/tamsoret.1.gz
  usr/share/kio/servicemenus/tamsoret.desktop
  usr/share/metainfo/example.c_seed_089e7e28.tamsoret.metainfo.xml
  usr/share/doc/tamsoret/copyright
  usr/share/doc/tamsoret/changelog.gz
  usr/share/bash-completion/completions/tamsoret
  usr/share/zsh/vendor-completions/_tamsoret
  "$fm/install-for-user.sh"
  "$fm/nautilus-script"
  "$fm/dolphin-servicemenu.desktop"
  "$fm/thunar-uca.xml"
)
installed=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected_files[@]}" | sort)
if [ "$installed" != "$wanted" ]; then
  e2e_fail "installed files differ from the expected ones (< missing, > unexpected):
$(diff <(printf '%s\n' "$wanted") <(printf '%s\n' "$installed") | grep '^[<>]')"
fi

for f in usr/bin/tamsoret "$fm/install-for-user.sh" "$fm/nautilus-script"; do
  [ -x "$root/$f" ] || e2e_fail "$f is not executable"
done
# Not byte for byte the built one: installation takes the build tree out of its RUNPATH.
[ "$(head -c 4 "$root/usr/bin/tamsoret" | od -An -c | tr -d ' ')" = 177ELF ] ||
  e2e_fail "usr/bin/tamsoret is not an executable program"

for size in 16 32 48 64 128 256; do
  got=$(identify -format '%wx%h' "$root/usr/share/icons/hicolor/${size}x$size/apps/tamsoret.png")
  [ "$got" = "${size}x$size" ] || e2e_fail "the ${size}x$size icon is $got"
done

# ------------------------------------------------------------------ desktop entry

entry="$root/usr/share/applications/tamsoret.desktop"
out=$(desktop-file-validate "$entry" 2>&1) || e2e_fail "desktop-file-validate: $out"
[ -z "$out" ] || e2e_fail "desktop-file-validate complains: $out"
# What makes "Open With" on a folder offer the program without a menu entry.
for line in 'MimeType=inode/directory;' 'Exec=tamsoret %f' 'NoDisplay=true' 'Icon=tamsoret'; do
  grep -qxF "$line" "$entry" || e2e_fail "the desktop entry lacks $line"
done

# The metainfo, and that the entry it launches is installed: no warning, no error.
out=$(appstreamcli validate-tree --no-net "$root" 2>&1) || e2e_fail "appstreamcli validate-tree: $out"

# ------------------------------------------------------------------ manual page

page="$root/usr/share/man/man1/tamsoret.1.gz"
gzip -t "$page" || e2e_fail "the manual page is not a valid gzip file"
warnings=$(zcat "$page" | groff -man -Tutf8 -ww -z 2>&1)
[ -z "$warnings" ] || e2e_fail "groff warns about the manual page: $warnings"
text=$(MANWIDTH=80 man --warnings -l "$page" 2>"$E2E_TMP/man.err" | col -b) ||
  e2e_fail "man -l failed: $(cat "$E2E_TMP/man.err")"
[ ! -s "$E2E_TMP/man.err" ] || e2e_fail "man -l warns: $(cat "$E2E_TMP/man.err")"
for heading in NAME SYNOPSIS DESCRIPTION FILES 'EXIT STATUS'; do
  grep -qx "$heading" <<<"$text" || e2e_fail "the manual page has no $heading section"
done
grep -qF 'Tamsoret 2.0.conf' <<<"$text" || e2e_fail "the manual page does not name the settings file"

# ------------------------------------------------------------------ the installed program

e2e_start_xvfb
installed_program="$root/usr/bin/tamsoret"
mkdir -p "$E2E_TMP/folder" && : >"$E2E_TMP/folder/a file.txt"

# start_and_answer KEY EXPECTED-STATUS ARG...: starts the installed program, waits for its
# first window, presses KEY in it and checks the exit status.
start_and_answer() {
  local key=$1 expected=$2 before win
  shift 2
  before=$(e2e_windows)
  e2e_start "$installed_program" "$@"
  win=$(e2e_wait_new_window "$before" 20) ||
    e2e_fail "no window for arguments [$*]; output: $(e2e_program_log "$E2E_PID")"
  e2e_keys "$win" "$key"
  e2e_wait_exit "$E2E_PID" 20 || e2e_fail "still running after $key, arguments [$*]"
  [ "$E2E_STATUS" = "$expected" ] ||
    e2e_fail "exit status $E2E_STATUS instead of $expected for arguments [$*]; output: $(e2e_program_log "$E2E_PID")"
}

# The usage message: a box that must be answered, then status 2.
start_and_answer Return 2 /nonexistent
start_and_answer Return 2
start_and_answer Return 2 relative/path
start_and_answer Return 2 "$E2E_TMP/folder/a file.txt"
# A folder that exists: the main window; Escape ends the program without a listing.
start_and_answer Escape 0 "$E2E_TMP/folder"

# ------------------------------------------------------------------ file-manager actions

# Installed from the scratch root, where the program is not on the PATH: the actions must
# name it by its full path.
export HOME="$E2E_TMP/user"
unset XDG_DATA_HOME XDG_CONFIG_HOME
mkdir -p "$HOME"
for manager in dolphin nautilus nemo caja thunar; do
  PATH=/usr/sbin:/usr/bin:/sbin:/bin "$root/$fm/install-for-user.sh" "$manager" >>"$E2E_TMP/user.log" 2>&1 ||
    e2e_fail "install-for-user.sh $manager: $(cat "$E2E_TMP/user.log")"
done
script_name="Make a listing with Tamsoret"
for f in ".local/share/nautilus/scripts/$script_name" ".local/share/nemo/scripts/$script_name" \
  ".config/caja/scripts/$script_name" .local/share/kio/servicemenus/tamsoret.desktop; do
  [ -x "$HOME/$f" ] || e2e_fail "install-for-user.sh left no executable $f"
done
grep -qxF "Exec=\"$installed_program\" %f" "$HOME/.local/share/kio/servicemenus/tamsoret.desktop" ||
  e2e_fail "the Dolphin action does not start $installed_program"
[ "$(grep -c '<unique-id>tamsoret-make-listing</unique-id>' "$HOME/.config/Thunar/uca.xml")" = 1 ] ||
  e2e_fail "the Thunar action is not in uca.xml exactly once"
grep -qF "<command>'$installed_program' %f</command>" "$HOME/.config/Thunar/uca.xml" ||
  e2e_fail "the Thunar action does not start $installed_program"

# The Nautilus script, as Nautilus runs it: in the folder being viewed, with the selection
# in a variable. It must start the program on the selected folder (main window, not the
# usage message: Escape then ends it with 0, Return on the message would give 2).
mkdir -p "$E2E_TMP/viewed/Selected folder"
cd "$E2E_TMP/viewed" || e2e_fail "no folder $E2E_TMP/viewed"
export NAUTILUS_SCRIPT_SELECTED_FILE_PATHS="$E2E_TMP/viewed/Selected folder"
start_program=$installed_program
installed_program="$HOME/.local/share/nautilus/scripts/$script_name"
start_and_answer Escape 0
installed_program=$start_program
unset NAUTILUS_SCRIPT_SELECTED_FILE_PATHS
cd "$E2E_TMP" || e2e_fail "no folder $E2E_TMP"

# On a German desktop the script is named in German, and it replaces the English one.
env -u LC_ALL LANG=de_DE.UTF-8 "$root/$fm/install-for-user.sh" nautilus >>"$E2E_TMP/user.log" 2>&1 ||
  e2e_fail "install-for-user.sh nautilus in German: $(cat "$E2E_TMP/user.log")"
[ "$(ls "$HOME/.local/share/nautilus/scripts")" = "Mit Tamsoret eine Liste erstellen" ] ||
  e2e_fail "the German script is not the only one: $(ls "$HOME/.local/share/nautilus/scripts")"

for manager in dolphin nautilus nemo caja thunar; do
  "$root/$fm/install-for-user.sh" --remove "$manager" >>"$E2E_TMP/user.log" 2>&1 ||
    e2e_fail "install-for-user.sh --remove $manager: $(cat "$E2E_TMP/user.log")"
done
for f in ".local/share/nautilus/scripts/$script_name" ".local/share/nemo/scripts/$script_name" \
  ".config/caja/scripts/$script_name" .local/share/kio/servicemenus/tamsoret.desktop; do
  [ ! -e "$HOME/$f" ] || e2e_fail "install-for-user.sh --remove left $f"
done
[ -z "$(ls "$HOME/.local/share/nautilus/scripts")" ] ||
  e2e_fail "install-for-user.sh --remove left $(ls "$HOME/.local/share/nautilus/scripts")"
! grep -q tamsoret "$HOME/.config/Thunar/uca.xml" || e2e_fail "the Thunar action was not removed"

e2e_pass
