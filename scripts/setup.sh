#!/usr/bin/env bash
# Installs every Debian package Tamsoret needs to build, test and run.
# Non-interactive and idempotent: packages already present are left alone.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 qt6-qpa-plugins libgl-dev
  fonts-liberation fonts-dejavu-core fontconfig locales
  # Fallback letters for printed names: CJK with kana, Thai, emoji (DejaVu has Hebrew, Arabic)
  fonts-wqy-microhei fonts-tlwg-loma-ttf fonts-symbola
  xvfb xdotool x11-utils imagemagick librsvg2-bin
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils libcups2-dev
  libicu-dev
  desktop-file-utils dpkg-dev file man-db
  clang libclang-rt-14-dev
)

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
  "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=300 update -q
  "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=300 install -y -q --no-install-recommends "${missing[@]}"
fi

# Tests pin a few locales; generate them once.
locales=("en_US.UTF-8 UTF-8" "de_DE.UTF-8 UTF-8" "en_GB.UTF-8 UTF-8" "sv_SE.UTF-8 UTF-8" "tr_TR.UTF-8 UTF-8")
missing_locales=0
for l in "${locales[@]}"; do
  locale -a 2>/dev/null | grep -qix "${l%%.*}.utf8" || missing_locales=1
done
if [ "$missing_locales" -eq 1 ]; then
  need_root "generating the locales ${locales[*]%% *}"
  for l in "${locales[@]}"; do
    grep -qxF "$l" /etc/locale.gen 2>/dev/null || echo "$l" | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  done
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
echo "setup: all packages present"
