#!/usr/bin/env bash
# Builds the Debian package with CPack, holds it to lintian, installs it with apt-get,
# makes a listing file with the installed program under Xvfb (main window, "To file", Qt's
# save dialog), then removes and purges the package and checks that none of its files is
# left.
#
#   bash tests/e2e/package.sh <built tamsoret>
#
# Installs into the system: it needs root (scripts/test.sh runs it through sudo when it may).
# shellcheck source=tests/e2e/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

program=${1:?usage: package.sh <built tamsoret>}
[ -x "$program" ] || e2e_skip "no program at $program: build the tamsoret target first"
e2e_require cmake cpack dpkg dpkg-deb apt-get lintian
e2e_need_root "installing the package with apt-get"
e2e_init
export DEBIAN_FRONTEND=noninteractive

build=$(e2e_build_dir "$program") || e2e_fail "no build folder above $program"

# ------------------------------------------------------------------ build the package

cmake --build "$build" --target tamsoret_manpage >"$E2E_TMP/build.log" 2>&1 ||
  e2e_fail "building the manual page: $(tail -n 20 "$E2E_TMP/build.log")"
pkgdir="$E2E_TMP/pkg"
mkdir -p "$pkgdir"
# apt fetches local packages as its own unprivileged user: the folder must be readable.
chmod 755 "$E2E_TMP" "$pkgdir"
(cd "$build" && cpack -G DEB -B "$pkgdir") >"$E2E_TMP/cpack.log" 2>&1 ||
  e2e_fail "cpack: $(tail -n 30 "$E2E_TMP/cpack.log")"
debs=("$pkgdir"/tamsoret_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  e2e_fail "cpack made no single tamsoret_*.deb: ${debs[*]}"
fi
deb=${debs[0]}
e2e_log "built $(basename "$deb")"

# The control fields: dependencies computed from the program's libraries.
[ "$(dpkg-deb -f "$deb" Package)" = tamsoret ] || e2e_fail "the package is not named tamsoret"
[ "$(dpkg-deb -f "$deb" Section)" = utils ] || e2e_fail "the package's section is not utils"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libqt6core6 libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins; do
  grep -qE "(^|, )$lib( |,|$)" <<<"$depends" || e2e_fail "Depends lacks $lib: $depends"
done
[ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || e2e_fail "the package has no maintainer"

# No error and no warning. The info left: CPack's plain strip keeps the .comment section.
lintian --fail-on error,warning "$deb" >"$E2E_TMP/lintian.log" 2>&1 ||
  e2e_fail "lintian: $(grep -v '^running with root' "$E2E_TMP/lintian.log")"

# ------------------------------------------------------------------ install it

removed=false
# dpkg forgets a removed package that had no configuration files; apt-get purge would
# then not find it. Purge only what dpkg still knows.
purge_package() {
  if dpkg-query -W tamsoret >/dev/null 2>&1; then
    apt-get -o DPkg::Lock::Timeout=300 purge -y -q tamsoret >>"$E2E_TMP/apt.log" 2>&1
  fi
}
# Whatever happens below, the system is left without the package.
# shellcheck disable=SC2016 # evaluated at exit, when $removed tells what is left to do
e2e_on_exit '$removed || purge_package'

apt-get -o DPkg::Lock::Timeout=300 install -y -q "$deb" >"$E2E_TMP/apt.log" 2>&1 ||
  e2e_fail "apt-get install: $(tail -n 30 "$E2E_TMP/apt.log")"
dpkg-query -W -f='${Status}' tamsoret 2>/dev/null | grep -q 'install ok installed' ||
  e2e_fail "tamsoret is not installed after apt-get install"
mapfile -t owned < <(dpkg -L tamsoret)
[ ${#owned[@]} -gt 0 ] || e2e_fail "dpkg -L tamsoret lists nothing"
for f in /usr/bin/tamsoret /usr/share/applications/tamsoret.desktop \
  /usr/share/man/man1/tamsoret.1.gz /usr/share/icons/hicolor/scalable/apps/tamsoret.svg; do
  printf '%s\n' "${owned[@]}" | grep -qxF "$f" || e2e_fail "the package does not hold $f"
  [ -e "$f" ] || e2e_fail "$f is missing after installation"
done

# ------------------------------------------------------------------ a listing, installed

e2e_start_xvfb
folder="$E2E_TMP/Listed folder"
mkdir -p "$folder/Sub"
printf 'some text\n' >"$folder/Notes.txt"
: >"$folder/.hidden"
out_dir="$E2E_TMP/out"
mkdir -p "$out_dir"
listing="$out_dir/listing.txt"

before=$(e2e_windows)
e2e_start /usr/bin/tamsoret "$folder"
main=$(e2e_wait_new_window "$before" 20) ||
  e2e_fail "no main window; output: $(e2e_program_log "$E2E_PID")"
[ "$(e2e_window_name "$main")" = Tamsoret ] ||
  e2e_fail "the first window is \"$(e2e_window_name "$main")\", not the main window"

# "&To file", then OK. The access key ticks the box a moment later (animateClick), so
# wait before Return.
e2e_keys "$main" alt+t
sleep 0.5
before=$(e2e_windows)
e2e_keys "$main" Return
dialog=$(e2e_wait_new_window "$before" 20) || e2e_fail "no save dialog after OK with To file"
# Qt's own dialog opens with the focus on its file-name box.
e2e_type "$dialog" "$listing"
sleep 0.5
e2e_keys "$dialog" Return
e2e_wait_exit "$E2E_PID" 30 ||
  e2e_fail "the program still runs after the save dialog; output: $(e2e_program_log "$E2E_PID")"
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS; output: $(e2e_program_log "$E2E_PID")"

[ -f "$listing" ] || e2e_fail "no listing file at $listing: $(ls -la "$out_dir")"
head -c 11 "$listing" | grep -qxF 'Tamsoret - ' || e2e_fail "the listing begins with: $(head -n 1 "$listing")"
real_folder=$(cd "$folder" && pwd -P)
grep -qF "Directory of $real_folder"$'\r' "$listing" ||
  e2e_fail "the listing does not name $real_folder: $(head -n 5 "$listing")"
grep -qF 'Notes.txt' "$listing" || e2e_fail "the listing lacks Notes.txt"
[ "$(tail -c 2 "$listing" | od -An -tx1 | tr -d ' ')" = 0d0a ] || e2e_fail "the listing does not end with CR LF"

# ------------------------------------------------------------------ remove and purge

apt-get -o DPkg::Lock::Timeout=300 remove -y -q tamsoret >>"$E2E_TMP/apt.log" 2>&1 ||
  e2e_fail "apt-get remove: $(tail -n 30 "$E2E_TMP/apt.log")"
purge_package || e2e_fail "apt-get purge: $(tail -n 30 "$E2E_TMP/apt.log")"
# shellcheck disable=SC2034 # read by the exit hook
removed=true
if dpkg-query -W tamsoret >/dev/null 2>&1; then
  e2e_fail "dpkg still knows tamsoret: $(dpkg-query -W -f='${Status}' tamsoret)"
fi
left=()
for f in "${owned[@]}"; do
  # Folders the package shares with others (/usr/bin, /usr/share/man/man1) stay; its
  # files, and folders of its own, go.
  if [ -d "$f" ] && [ ! -L "$f" ]; then
    case "$f" in *tamsoret*) left+=("$f") ;; esac
  elif [ -e "$f" ] || [ -L "$f" ]; then
    left+=("$f")
  fi
done
[ ${#left[@]} -eq 0 ] || e2e_fail "left after purge: ${left[*]}"

e2e_pass
