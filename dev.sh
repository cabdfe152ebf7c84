#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ombrano developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# ./dev.sh start   install what is missing, build, start the browser
# ./dev.sh test    install what is missing, build, run every test
# ./dev.sh bench   install what is missing, build, run the measurements
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-webengine-dev qt6-httpserver-dev qt6-websockets-dev qt6-multimedia-dev
  libqt6sql6-sqlite qt6-qpa-plugins libqt6svg6 qt6-image-formats-plugins
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  adwaita-icon-theme fonts-dejavu-core xvfb xauth binutils
  fp-utils
)
# Only needed to use the program on a desktop: opening files and the help.
DESKTOP_PACKAGES=(xdg-utils kchmviewer)
BUILD=${OMBRANO_BUILD_DIR:-build}

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build() {
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$BUILD" --parallel "$(nproc)"
}

case "${1:-}" in
  start)
    install_missing "${PACKAGES[@]}" "${DESKTOP_PACKAGES[@]}"; build
    exec "$BUILD/bin/ombrano"
    ;;
  test)
    install_missing "${PACKAGES[@]}"; build
    cd "$BUILD"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600
    ;;
  bench)
    install_missing "${PACKAGES[@]}"; build
    exec bench/run.sh "$BUILD"
    ;;
  *)
    echo "usage: $0 start|test|bench" >&2
    exit 2
    ;;
esac
