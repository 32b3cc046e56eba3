#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Tessary needs to build, run and test. Fast when all are there.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config ccache
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-image-formats-plugins libsdl2-mixer-dev timgm6mb-soundfont
  xvfb xauth xdotool openbox imagemagick libjpeg-turbo-progs x11-utils
  clang libclang-rt-14-dev
  libmicrohttpd-dev libcpp-httplib-dev libsqlite3-dev libpq-dev libicu-dev postgresql curl
  chromium nginx-light openssl wrk sqlite3
  dpkg-dev lintian appstream shared-mime-info libglib2.0-bin python3
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
$sudo apt-get update -q -o DPkg::Lock::Timeout=120
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q -o DPkg::Lock::Timeout=120 \
  --no-install-recommends "${missing[@]}"
