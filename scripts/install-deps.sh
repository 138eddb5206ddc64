#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs every Debian package kerubara needs to build, run and test.
# When every one of them is installed already it does nothing at all (no
# root, no network); otherwise it updates the package lists and installs
# what is missing.
set -eu

PACKAGES="
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libbenchmark-dev
  libsdl2-dev libsamplerate0-dev
  libfluidsynth-dev timgm6mb-soundfont
  libespeak-ng-dev espeak-ng-data
  libmecab-dev mecab-ipadic-utf8 kanjidic
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-noto-cjk
  libzint-dev zbar-tools
  libzip-dev
  libavformat-dev libavcodec-dev libswresample-dev libswscale-dev libavutil-dev
  qt6-translations-l10n
  xvfb xauth openbox x11-utils
  scdoc librsvg2-bin
  lintian appstream desktop-file-utils man-db python3
  xdotool imagemagick
  clang-14 libclang-rt-14-dev llvm-14
"

missing=
for package in $PACKAGES; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  [ "$status" = installed ] || missing="$missing $package"
done
[ -n "$missing" ] || exit 0

if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
else
  SUDO=
fi

export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
# shellcheck disable=SC2086
$SUDO apt-get install -y --no-install-recommends $missing
