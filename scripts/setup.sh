#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
# Idempotent: packages already present are not fetched again.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config ccache clang libclang-rt-14-dev util-linux dpkg-dev file
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-charts-dev libqt6opengl6-dev libgl-dev
  qt6-l10n-tools qt6-translations-l10n
  libjpeg62-turbo-dev libsqlite3-dev sqlite3 libicu-dev
  fonts-wqy-microhei
  xvfb xauth openbox xdotool imagemagick poppler-utils
  cups cups-bsd cups-client printer-driver-cups-pdf procps
  libsodium-dev libzint-dev zbar-tools
  postgresql-15 libqt6sql6-psql libpq-dev
)

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "setup: all packages present"
fi
