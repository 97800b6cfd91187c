#!/usr/bin/env bash
# Installs the Debian packages Tamsoret needs. Two sets: "run" is what building and running
# the program takes; "test" adds what the tests, the fuzzing and the package checks take.
# Non-interactive and idempotent: packages already present are left alone.
# Usage: scripts/setup.sh [run|test]   (test, the default, installs both sets)
set -euo pipefail

set_name=${1:-test}
case $set_name in
  run | test) ;;
  *) echo "usage: scripts/setup.sh [run|test]" >&2; exit 2 ;;
esac

run_packages=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 qt6-qpa-plugins libgl-dev
  libcups2-dev libicu-dev
  pkg-config libfontconfig-dev libxcb1-dev  # font families checked, the display probed before Qt loads
  fonts-liberation fontconfig
  qt6-translations-l10n
  # The program's own catalogues: qt_add_translations (CMake) and lupdate/lrelease
  qt6-tools-dev qt6-l10n-tools
)
test_packages=(
  pkg-config git
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core locales
  # Fallback letters for printed names: CJK with kana, Thai, emoji (DejaVu has Hebrew, Arabic)
  fonts-wqy-microhei fonts-tlwg-loma-ttf fonts-symbola
  xvfb xdotool x11-utils imagemagick librsvg2-bin
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  jq  # the data formats read back as a script would
  desktop-file-utils dpkg-dev file man-db lintian appstream
  ntfs-3g dosfstools fuse3 libfuse3-dev  # Windows volumes and a failing FUSE file system, for the scan's tests
  clang libclang-rt-14-dev
  tree time  # the tree benchmark's peers (bench/run.sh --tree) and its peak memory
)
packages=("${run_packages[@]}")
if [ "$set_name" = test ]; then packages+=("${test_packages[@]}"); fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

# Installing needs root: as root, through sudo without a password, or with a password asked
# on a terminal. Without any of them, say what is missing rather than wait for a password.
need_root() {
  [ "$(id -u)" -eq 0 ] && return 0
  command -v sudo >/dev/null 2>&1 && { sudo -n true 2>/dev/null || (: </dev/tty) 2>/dev/null; } && return 0
  echo "setup: $1 needs root: run bash scripts/setup.sh as root, or from a terminal as a user who may use sudo" >&2
  exit 1
}

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  need_root "installing ${missing[*]}"
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  # On a terminal apt draws its progress bar; in a log its plain lines say enough.
  apt_opts=(-o DPkg::Lock::Timeout=300)
  if [ -t 1 ]; then apt_opts+=(-o Dpkg::Progress-Fancy=1); else apt_opts+=(-q); fi
  "${sudo_cmd[@]}" apt-get "${apt_opts[@]}" update
  "${sudo_cmd[@]}" apt-get "${apt_opts[@]}" install -y --no-install-recommends "${missing[@]}"
fi

if [ "$set_name" = test ]; then
  # Tests pin a few locales; generate them once.
  locales=("en_US.UTF-8 UTF-8" "de_DE.UTF-8 UTF-8" "en_GB.UTF-8 UTF-8" "sv_SE.UTF-8 UTF-8" "tr_TR.UTF-8 UTF-8"
    "fr_FR.UTF-8 UTF-8" "nl_NL.UTF-8 UTF-8" "es_ES.UTF-8 UTF-8")
  missing_locales=0
  for l in "${locales[@]}"; do
    locale -a 2>/dev/null | grep -qix "${l%%.*}.utf8" || missing_locales=1
  done
  if [ "$missing_locales" -eq 1 ]; then
    need_root "generating the locales ${locales[*]%% *}"
    for l in "${locales[@]}"; do
      grep -qxF "$l" /etc/locale.gen 2>/dev/null || echo "$l" | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
    done
    echo "setup: generating the locales the tests use"
    "${sudo_cmd[@]}" locale-gen >/dev/null
  fi
fi
echo "setup: the packages to $set_name Tamsoret are present"
